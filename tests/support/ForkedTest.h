#pragma once
// Runs a test body in a child process: a library loaded into a process keeps its
// state for the process's life, so each case that loads one needs a fresh process,
// whether the binary runs under ctest or by hand.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

template <class Body>
void runForked(Body body)
{
    std::fflush(nullptr);
    pid_t child = fork();
    ASSERT_GE(child, 0) << "fork failed";
    if (child == 0) {
        body();
        std::fflush(nullptr);
        bool failed = testing::Test::HasFailure();
        _exit(failed ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the test's process died" << (WIFSIGNALED(status) ? " by signal " + std::to_string(WTERMSIG(status)) : std::string());
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the test failed in its own process (see its output above)";
}

}

// A test whose body runs in a forked child process.
#define FORKED_TEST(suite, name)                                         \
    static void suite##_##name##_body();                                 \
    TEST(suite, name) { testsupport::runForked(suite##_##name##_body); } \
    static void suite##_##name##_body()

#pragma once
// Shared pieces of the notification tests: a record of callbacks, running the
// main loop until something happened (bounded in real time), and child
// processes on a private bus.

#include "dispatch/RunLoop.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "notifications/Bus.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace notificationtest {

struct Received {
    std::string name;
    const void* observer;
    const void* object;
    Strong<NSDictionary> userInfo;
    int64_t instant;
};

// Every callback appends here; the observer pointer tells the observers apart.
inline std::vector<Received>& received()
{
    static std::vector<Received> list;
    return list;
}

inline void record(CFNotificationCenterRef, void* observer, CFStringRef name, const void* object, CFDictionaryRef userInfo)
{
    received().push_back({ name ? name->value : std::string("(nil)"), observer, object, userInfo, dispatch::RunLoop::main().nowNanoseconds() });
}

inline std::vector<std::string> namesFor(const void* observer)
{
    std::vector<std::string> names;
    for (auto const& entry : received()) {
        if (entry.observer == observer)
            names.push_back(entry.name);
    }
    return names;
}

inline void resetEverything()
{
    foundation::registerClasses();
    notifications::disconnectFromBus();
    notifications::exitWhenBusDisconnects(false);
    notifications::resetCenters();
    dispatch::RunLoop::main().reset();
    systemlog::reset();
    received().clear();
}

// Every test starts and ends with no bus connection, no observers, an empty
// loop and log; what the test body autoreleases is released at its end.
class NotificationTest : public testing::Test {
protected:
    void SetUp() override { resetEverything(); }
    void TearDown() override { resetEverything(); }

private:
    AutoreleasePool m_pool;
};

// Runs the main loop until `done` holds or `seconds` of real time pass.
inline bool runUntil(const std::function<bool()>& done, double seconds = 10)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        dispatch::RunLoop::main().runFor(0.005);
    }
    return true;
}

inline std::vector<std::string> logLinesContaining(const std::string& text)
{
    std::vector<std::string> lines;
    for (auto const& message : systemlog::capturedMessages()) {
        if (message.find(text) != std::string::npos)
            lines.push_back(message);
    }
    return lines;
}

// A forked process with fresh centers and loop, joined to the bus at
// `address`; `body`'s result is its exit status. Never returns in the child.
inline pid_t startChild(const std::string& address, const std::function<int()>& body)
{
    std::fflush(nullptr);
    pid_t child = fork();
    if (child != 0)
        return child;
    notifications::resetCenters();
    dispatch::RunLoop::main().reset();
    received().clear();
    if (!notifications::connectToBus(address))
        _exit(90);
    int status = body();
    notifications::disconnectFromBus();
    _exit(status);
}

// The child's exit status, or -1 (after killing it) when it takes too long.
inline int waitForChild(pid_t child, double seconds = 10)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        // The parent keeps its loop turning so its own bus traffic flows.
        dispatch::RunLoop::main().runFor(0.002);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline NSString* string(const char* text) { return NSString::make(text); }

}

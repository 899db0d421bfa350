#include "TerminationSignals.h"

#include "dispatch/RunLoop.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr int kCaughtSignals[] = { SIGTERM, SIGINT, SIGHUP };

// What the handler touches: plain values only.
volatile sig_atomic_t g_signal = 0;
int g_pipe[2] = { -1, -1 };
pid_t g_owner = 0;
void (*g_lastWords)() = nullptr;

void dieOfSignal(int number)
{
    std::signal(number, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, number);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    std::raise(number);
}

void signalArrived(int number)
{
    // A child between fork and exec still has this handler, and the pipe.
    if (::getpid() != g_owner || g_signal != 0) {
        if (::getpid() == g_owner && g_lastWords)
            g_lastWords();
        dieOfSignal(number);
        return;
    }
    int const savedErrno = errno;
    g_signal = number;
    char const byte = 1;
    ssize_t ignored = ::write(g_pipe[1], &byte, 1);
    (void)ignored;
    errno = savedErrno;
}

// The pipe's read end on the main run loop: stops the loop once the handler
// has written to it.
class TerminationPipe final : public dispatch::PollSource {
public:
    int fileDescriptor() const override { return g_pipe[0]; }
    short events() const override { return POLLIN; }
    void dispatch(short) override
    {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) { }
        dispatch::RunLoop::main().stop();
    }
};

}

bool catchTerminationSignals(void (*lastWords)(), std::string* error)
{
    if (g_pipe[0] >= 0)
        return true;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        *error = std::string("cannot make a pipe for signals: ") + std::strerror(errno);
        return false;
    }
    g_owner = ::getpid();
    g_lastWords = lastWords;
    // Lives as long as the process: a signal may come at any time.
    static TerminationPipe pipeSource;
    dispatch::RunLoop::main().addSource(&pipeSource);
    struct sigaction action { };
    action.sa_handler = signalArrived;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int number : kCaughtSignals)
        sigaddset(&action.sa_mask, number);
    for (int number : kCaughtSignals)
        ::sigaction(number, &action, nullptr);
    return true;
}

int terminationSignal()
{
    return g_signal;
}

const char* signalName(int signal)
{
    switch (signal) {
    case SIGTERM:
        return "SIGTERM";
    case SIGINT:
        return "SIGINT";
    case SIGHUP:
        return "SIGHUP";
    default:
        return "a signal";
    }
}

void endBySignal(int signal)
{
    std::fflush(nullptr);
    dieOfSignal(signal);
    // Only if the default action did not end the process.
    std::_Exit(128 + signal);
}

}

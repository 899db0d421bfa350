#include "ReceiverProcesses.h"

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

namespace {

// Setting up a receiver joins the bus and registers its observers.
constexpr int kReadyTimeoutMilliseconds = 10'000;

}

ReceiverProcesses::ReceiverProcesses(Arrivals& arrivals, int count, const std::function<void(int index)>& body)
{
    arrivals.expect(count);
    pid_t const parent = getpid();
    for (int index = 0; index < count; ++index) {
        pid_t const child = fork();
        if (child < 0)
            return;
        if (child > 0) {
            m_children.push_back(child);
            continue;
        }
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
        body(index);
        _exit(0);
    }
    m_ready = arrivals.waitForAnswers(kReadyTimeoutMilliseconds);
}

ReceiverProcesses::~ReceiverProcesses()
{
    for (pid_t child : m_children)
        kill(child, SIGTERM);
    for (pid_t child : m_children)
        waitpid(child, nullptr, 0);
}

}

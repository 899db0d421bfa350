#include "ProcessExitWatch.h"

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace frontboard {

std::unique_ptr<ProcessExitWatch> ProcessExitWatch::start(pid_t pid, std::function<void()> ended)
{
    int const descriptor = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (descriptor < 0)
        return nullptr;
    std::unique_ptr<ProcessExitWatch> watch(new ProcessExitWatch(descriptor, std::move(ended)));
    dispatch::RunLoop::main().addSource(watch.get());
    return watch;
}

ProcessExitWatch::ProcessExitWatch(int descriptor, std::function<void()> ended)
    : m_descriptor(descriptor)
    , m_ended(std::move(ended))
{
}

ProcessExitWatch::~ProcessExitWatch()
{
    if (m_watching)
        dispatch::RunLoop::main().removeSource(this);
    close(m_descriptor);
}

short ProcessExitWatch::events() const
{
    return POLLIN;
}

void ProcessExitWatch::dispatch(short)
{
    // A pidfd stays readable once its process has ended: one notice is enough.
    m_watching = false;
    auto& loop = dispatch::RunLoop::main();
    loop.removeSource(this);
    loop.post(m_ended);
}

}

#pragma once
// Notices at once that a child process has ended: a pidfd polled by the main
// run loop. When it ends, `ended` is posted to the run loop once (never run
// inside the poll), so its owner may reap the process and destroy the watch.
// Without pidfd support there is no watch, and the process's end is noticed
// the next time someone asks after it.

#include "dispatch/RunLoop.h"

#include <functional>
#include <memory>
#include <sys/types.h>

namespace frontboard {

class ProcessExitWatch final : public dispatch::PollSource {
public:
    // Nullptr when the process cannot be watched.
    static std::unique_ptr<ProcessExitWatch> start(pid_t pid, std::function<void()> ended);
    ~ProcessExitWatch() override;

    ProcessExitWatch(const ProcessExitWatch&) = delete;
    ProcessExitWatch& operator=(const ProcessExitWatch&) = delete;

    int fileDescriptor() const override { return m_descriptor; }
    short events() const override;
    void dispatch(short revents) override;

private:
    ProcessExitWatch(int descriptor, std::function<void()> ended);

    int m_descriptor;
    std::function<void()> m_ended;
    bool m_watching = true;
};

}

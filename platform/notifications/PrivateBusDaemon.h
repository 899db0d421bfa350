#pragma once
// A dbus-daemon of this process's own: a minimal session configuration (unix
// socket in a private temporary folder, everything allowed for this user), run
// as a child that the kernel ends when this process ends (PR_SET_PDEATHSIG).

#include <memory>
#include <string>
#include <sys/types.h>

namespace notifications {

class PrivateBusDaemon {
public:
    // A running daemon, or nullptr with `error` set.
    static std::unique_ptr<PrivateBusDaemon> start(std::string* error);
    // Ends the daemon, reaps it and removes its folder; a forked child holding
    // a copy leaves the parent's daemon alone.
    ~PrivateBusDaemon();

    PrivateBusDaemon(const PrivateBusDaemon&) = delete;
    PrivateBusDaemon& operator=(const PrivateBusDaemon&) = delete;

    const std::string& address() const { return m_address; }
    pid_t processId() const { return m_process; }

private:
    PrivateBusDaemon() = default;
    bool launch(const std::string& executable, std::string* error);
    bool readAddress(int descriptor, std::string* error);
    void stop();
    void removeFolder();

    std::string m_folder;
    std::string m_address;
    pid_t m_process = -1;
    pid_t m_owner = -1;
};

}

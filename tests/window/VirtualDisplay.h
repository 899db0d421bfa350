#pragma once
// An Xvfb X server on a display number it picks itself (-displayfd), for the
// tests that drive the simulator's real window; stopped when destroyed.

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace simtest {

// The program's path through PATH, or empty when it is not installed.
inline std::string findProgram(const std::string& name)
{
    char const* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
        if (!candidate.parent_path().empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        start = end + 1;
    }
    return {};
}

class VirtualDisplay {
public:
    // Starts `xvfb` with one screen of this size; display() is empty when it
    // did not come up within `limit`.
    VirtualDisplay(const std::string& xvfb, const std::string& screen, std::chrono::seconds limit = std::chrono::seconds(60))
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, ends[1], 3);
        std::vector<std::string> arguments { xvfb, "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset" };
        std::vector<char*> argv;
        argv.reserve(arguments.size() + 1);
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        if (m_pid > 0)
            m_display = readDisplayNumber(ends[0], limit);
        close(ends[0]);
    }
    ~VirtualDisplay()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }

    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or empty.
    const std::string& display() const { return m_display; }

private:
    // Xvfb writes the number and a newline once it accepts connections.
    static std::string readDisplayNumber(int fd, std::chrono::seconds limit)
    {
        std::string number;
        auto const deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd ready { fd, POLLIN, 0 };
            if (poll(&ready, 1, 200) <= 0)
                continue;
            char byte = 0;
            if (read(fd, &byte, 1) != 1)
                return {};
            if (byte == '\n')
                return number.empty() ? std::string() : ":" + number;
            number += byte;
        }
        return {};
    }

    pid_t m_pid = -1;
    std::string m_display;
};

}

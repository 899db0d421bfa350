#include "SystemLog.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace systemlog {

namespace {

struct State {
    std::string processName = "process";
    std::function<double()> clock;
    int logFile = -1;
    bool toStandardError = true;
    bool keepsMessages = true;
    std::vector<Entry> captured;
};

State& logState()
{
    static auto* instance = new State;
    return *instance;
}

double realSecondsSinceStart()
{
    static auto const start = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void writeLine(int fd, const std::string& line)
{
    size_t done = 0;
    while (done < line.size()) {
        ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

}

void write(int level, std::string message)
{
    auto& s = logState();
    double seconds = s.clock ? s.clock() : realSecondsSinceStart();
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "%.3f ", seconds);
    // One write per line (the file is opened for appending), so lines of several
    // processes sharing a log file never interleave within a line.
    std::string line = prefix + s.processName + "[" + std::to_string(getpid()) + "]: " + message + "\n";
    if (s.toStandardError)
        writeLine(STDERR_FILENO, line);
    if (s.logFile >= 0)
        writeLine(s.logFile, line);
    if (s.keepsMessages)
        s.captured.push_back({ level, std::move(message) });
}

void setProcessName(std::string name) { logState().processName = std::move(name); }
const std::string& processName() { return logState().processName; }
void setClock(std::function<double()> seconds) { logState().clock = std::move(seconds); }
void setWritesToStandardError(bool enabled) { logState().toStandardError = enabled; }
void setKeepsMessages(bool enabled) { logState().keepsMessages = enabled; }

bool setLogFile(const std::string& path)
{
    auto& s = logState();
    if (s.logFile >= 0)
        ::close(s.logFile);
    s.logFile = -1;
    if (path.empty())
        return true;
    s.logFile = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    return s.logFile >= 0;
}

const std::vector<Entry>& captured() { return logState().captured; }

std::vector<std::string> capturedMessages()
{
    std::vector<std::string> messages;
    for (auto const& entry : logState().captured)
        messages.push_back(entry.message);
    return messages;
}

void reset()
{
    auto& s = logState();
    s.captured.clear();
    s.clock = nullptr;
    s.toStandardError = true;
    s.keepsMessages = true;
    setLogFile("");
}

}

#include "PrivateBusDaemon.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace notifications {

namespace {

constexpr int kAddressTimeoutMilliseconds = 10'000;
constexpr auto kStopGrace = std::chrono::seconds(2);

std::string findExecutable(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string directories = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= directories.size()) {
        size_t end = directories.find(':', start);
        if (end == std::string::npos)
            end = directories.size();
        std::string candidate = directories.substr(start, end - start);
        candidate = (candidate.empty() ? std::string(".") : candidate) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

std::string configuration(const std::string& socketPath)
{
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:path="
        + socketPath + "</listen>\n"
                       "  <auth>EXTERNAL</auth>\n"
                       "  <policy context=\"default\">\n"
                       "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                       "    <allow eavesdrop=\"true\"/>\n"
                       "    <allow own=\"*\"/>\n"
                       "  </policy>\n"
                       "</busconfig>\n";
}

// A process killed before stopping its daemon leaves that daemon's folder
// behind, empty (the daemon, ended with it, removes its socket). Such folders
// are removed here once they have stood unchanged for a while, so a folder
// another process has only just created is never touched; rmdir refuses any
// that is in use.
void removeAbandonedFolders(const std::filesystem::path& base)
{
    std::error_code error;
    auto threshold = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    for (auto const& entry : std::filesystem::directory_iterator(base, error)) {
        if (entry.path().filename().string().rfind("drawlet-bus-", 0) != 0 || !entry.is_directory(error))
            continue;
        if (entry.last_write_time(error) < threshold && !error)
            ::rmdir(entry.path().c_str());
    }
}

}

std::unique_ptr<PrivateBusDaemon> PrivateBusDaemon::start(std::string* error)
{
    std::string executable = findExecutable("dbus-daemon");
    if (executable.empty()) {
        *error = "dbus-daemon is not installed (Debian package dbus-daemon)";
        return nullptr;
    }
    std::error_code ignored;
    std::string base = std::filesystem::temp_directory_path(ignored).string();
    if (base.empty())
        base = "/tmp";
    removeAbandonedFolders(base);
    std::string pattern = base + "/drawlet-bus-XXXXXX";
    std::vector<char> folder(pattern.begin(), pattern.end());
    folder.push_back('\0');
    if (!::mkdtemp(folder.data())) {
        *error = "cannot create a folder for the bus: " + std::string(std::strerror(errno));
        return nullptr;
    }

    std::unique_ptr<PrivateBusDaemon> daemon(new PrivateBusDaemon);
    daemon->m_folder = folder.data();
    daemon->m_owner = getpid();
    std::ofstream(daemon->m_folder + "/bus.conf") << configuration(daemon->m_folder + "/socket");
    if (!daemon->launch(executable, error))
        return nullptr;
    return daemon;
}

bool PrivateBusDaemon::launch(const std::string& executable, std::string* error)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        *error = "cannot create a pipe: " + std::string(std::strerror(errno));
        return false;
    }
    // Everything the child needs is prepared before fork: after it, only
    // async-signal-safe calls.
    std::string configArgument = "--config-file=" + m_folder + "/bus.conf";
    const char* arguments[] = { executable.c_str(), "--nofork", "--print-address", configArgument.c_str(), nullptr };
    pid_t parent = getpid();
    // The daemon's own complaints (a root without CAP_SYS_RESOURCE warns about
    // its file limit on every start) go to a file beside its socket.
    int diagnostics = ::open((m_folder + "/daemon.log").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);

    pid_t child = ::fork();
    if (child < 0) {
        *error = "cannot fork: " + std::string(std::strerror(errno));
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        if (diagnostics >= 0)
            ::close(diagnostics);
        return false;
    }
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The parent may have died before the line above took effect.
        if (::getppid() != parent)
            ::_exit(1);
        // A group of its own: Ctrl-C in a terminal, or a signal to the
        // parent's whole group, reaches the parent, which stops the daemon
        // once nothing needs the bus any more; ending at the same time as
        // the parent, it would cut the parent's way out short.
        ::setpgid(0, 0);
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGTERM, SIG_DFL);
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        if (diagnostics >= 0)
            ::dup2(diagnostics, STDERR_FILENO);
        ::execv(arguments[0], const_cast<char* const*>(arguments));
        ::_exit(127);
    }
    m_process = child;
    ::close(pipeEnds[1]);
    if (diagnostics >= 0)
        ::close(diagnostics);
    bool read = readAddress(pipeEnds[0], error);
    ::close(pipeEnds[0]);
    if (!read) {
        std::ifstream log(m_folder + "/daemon.log");
        std::string line;
        while (std::getline(log, line))
            *error += "; " + line;
        return false;
    }
    // The daemon has read its configuration and holds its log open. Removing
    // both now leaves only the socket, which the daemon removes itself when it
    // ends; so a parent that dies without stopping it leaves an empty folder.
    ::unlink((m_folder + "/bus.conf").c_str());
    ::unlink((m_folder + "/daemon.log").c_str());
    return true;
}

bool PrivateBusDaemon::readAddress(int descriptor, std::string* error)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAddressTimeoutMilliseconds);
    std::string line;
    while (line.find('\n') == std::string::npos) {
        auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        pollfd readable { descriptor, POLLIN, 0 };
        int ready = remaining > 0 ? ::poll(&readable, 1, static_cast<int>(remaining)) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            *error = "dbus-daemon did not print its address in time";
            return false;
        }
        char buffer[512];
        ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            *error = "dbus-daemon ended before printing its address";
            return false;
        }
        line.append(buffer, static_cast<size_t>(count));
    }
    m_address = line.substr(0, line.find('\n'));
    return !m_address.empty();
}

PrivateBusDaemon::~PrivateBusDaemon()
{
    if (getpid() != m_owner)
        return;
    stop();
    removeFolder();
}

void PrivateBusDaemon::stop()
{
    if (m_process <= 0)
        return;
    ::kill(m_process, SIGTERM);
    auto deadline = std::chrono::steady_clock::now() + kStopGrace;
    while (true) {
        int status = 0;
        pid_t reaped = ::waitpid(m_process, &status, WNOHANG);
        if (reaped == m_process || (reaped < 0 && errno != EINTR))
            break;
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(m_process, SIGKILL);
            while (::waitpid(m_process, &status, 0) < 0 && errno == EINTR) { }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    m_process = -1;
}

void PrivateBusDaemon::removeFolder()
{
    if (m_folder.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

}

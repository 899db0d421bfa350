#include "BusAddressFile.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

// Kept in a plain buffer: the signal handler may only call unlink on it.
char g_path[4096];
volatile sig_atomic_t g_written = 0;

void removeWrittenFile()
{
    if (g_written) {
        ::unlink(g_path);
        g_written = 0;
    }
}

void removeAndDie(int signal)
{
    removeWrittenFile();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installCleanup()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    std::atexit(removeWrittenFile);
    for (int signal : { SIGTERM, SIGINT, SIGHUP }) {
        struct sigaction action {};
        action.sa_handler = removeAndDie;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

}

bool BusAddressFile::write(const std::string& path, const std::string& address, std::string* error)
{
    std::string const temporary = path + ".tmp";
    if (path.size() >= sizeof g_path) {
        *error = "the path " + path + " is too long";
        return false;
    }
    // Written beside and renamed, so a reader never sees half an address.
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    std::string const contents = address + "\n";
    bool written = fd >= 0 && ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
    if (fd >= 0)
        ::close(fd);
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        *error = "cannot write " + path + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    std::memcpy(g_path, path.c_str(), path.size() + 1);
    g_written = 1;
    installCleanup();
    return true;
}

void BusAddressFile::remove()
{
    removeWrittenFile();
}

}

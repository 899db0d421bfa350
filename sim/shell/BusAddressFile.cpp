#include "BusAddressFile.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace sim {

namespace {

// Kept in a plain buffer: a signal handler may call unlink on it.
char g_path[4096];
volatile sig_atomic_t g_written = 0;

void removeWrittenFile()
{
    if (g_written) {
        ::unlink(g_path);
        g_written = 0;
    }
}

void removeAtExit()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    std::atexit(removeWrittenFile);
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
    removeAtExit();
    return true;
}

void BusAddressFile::remove()
{
    removeWrittenFile();
}

void BusAddressFile::removeInSignalHandler()
{
    removeWrittenFile();
}

}

#include "NSHomeDirectory.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

std::string& configuredHome()
{
    static std::string path;
    return path;
}

std::string defaultHome()
{
    if (char const* home = std::getenv("HOME"); home && *home)
        return home;
    std::vector<char> buffer(16384);
    passwd entry {};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/";
}

std::string withoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

}

NSString* NSHomeDirectory()
{
    return NSString::make(foundation::homeDirectory());
}

namespace foundation {

void setHomeDirectory(std::string path) { configuredHome() = withoutTrailingSlash(std::move(path)); }

std::string homeDirectory()
{
    if (!configuredHome().empty())
        return configuredHome();
    return userHomeDirectory();
}

std::string userHomeDirectory()
{
    return withoutTrailingSlash(defaultHome());
}

}

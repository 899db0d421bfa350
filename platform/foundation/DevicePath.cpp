#include "DevicePath.h"

#include <array>
#include <filesystem>

namespace {

std::string& root()
{
    static std::string directory;
    return directory;
}

bool hasPathPrefix(std::string_view path, std::string_view folder)
{
    if (!path.starts_with(folder))
        return false;
    return path.size() == folder.size() || path[folder.size()] == '/';
}

bool isDeviceFolderPath(std::string_view path)
{
    static constexpr std::array<std::string_view, 3> folders { "/Library/MobileSubstrate", "/System", "/Applications" };
    for (auto folder : folders) {
        if (hasPathPrefix(path, folder))
            return true;
    }
    return false;
}

}

namespace foundation {

void setDeviceRoot(std::string directory)
{
    while (directory.size() > 1 && directory.back() == '/')
        directory.pop_back();
    root() = std::move(directory);
}

const std::string& deviceRoot() { return root(); }

std::string devicePath(std::string_view path)
{
    auto const& base = root();
    if (base.empty() || path.empty() || path.front() != '/')
        return std::string(path);
    if (hasPathPrefix(path, base))
        return std::string(path);
    std::string normal = std::filesystem::path(path).lexically_normal().string();
    if (!isDeviceFolderPath(normal))
        return std::string(path);
    return base + normal;
}

}

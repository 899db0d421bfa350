#include "DevicePaths.h"

#include <filesystem>
#include <system_error>

namespace sim {

namespace fs = std::filesystem;

std::string executableFolder()
{
    std::error_code error;
    auto executable = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return executable.parent_path().string();
}

std::string defaultDeviceRoot()
{
    fs::path folder = executableFolder();
    fs::path const candidates[] = { folder / ".." / "root", folder / ".." / "share" / "drawlet" / "root" };
    for (auto const& candidate : candidates) {
        std::error_code error;
        if (fs::is_directory(candidate, error))
            return fs::weakly_canonical(candidate, error).string();
    }
    std::error_code error;
    return fs::weakly_canonical(candidates[0], error).string();
}

std::string absolutePath(const std::string& path)
{
    std::error_code error;
    auto result = fs::absolute(path, error);
    return error ? path : result.lexically_normal().string();
}

}

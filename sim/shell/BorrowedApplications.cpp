#include "BorrowedApplications.h"

#include "DevicePaths.h"
#include "InstalledApplications.h"

#include <filesystem>
#include <system_error>

namespace sim {

namespace fs = std::filesystem;

namespace {

bool hasApplications(const std::string& root)
{
    std::error_code error;
    return fs::is_regular_file(root + apps::kInstalledApplicationsPath, error);
}

}

bool borrowApplicationsWhenMissing(const std::string& root)
{
    if (hasApplications(root))
        return false;
    std::string const own = defaultDeviceRoot();
    std::error_code error;
    if (!hasApplications(own) || fs::equivalent(root, own, error))
        return false;
    apps::setApplicationsRoot(own);
    return true;
}

}

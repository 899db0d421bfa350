#include "InstalledApplications.h"

#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"

#include <algorithm>
#include <optional>

namespace apps {

namespace {

std::string& applicationsRoot()
{
    static std::string root;
    return root;
}

// Device paths resolve under the device root; another root's are made host
// paths here, for everything that opens them later.
std::string underApplicationsRoot(const std::string& path)
{
    auto const& root = applicationsRoot();
    if (root.empty() || !path.starts_with('/'))
        return path;
    return root + path;
}

void logProblem(const std::string& path, const std::string& problem)
{
    systemlog::write(kCFLogLevelError, "installed applications: " + path + ": " + problem);
}

std::optional<std::string> nonEmptyString(NSDictionary* entry, const char* key)
{
    id value = entry->objectForKey(key);
    if (!foundation::isKindOf(value, foundation::NSStringClass()))
        return std::nullopt;
    auto const& text = static_cast<NSString*>(value)->value;
    if (text.empty())
        return std::nullopt;
    return text;
}

// Nothing when the badge is of a type an icon cannot show.
std::optional<BadgeValue> readBadge(NSDictionary* entry)
{
    id value = entry->objectForKey("BadgeValue");
    if (!value)
        return BadgeValue { NoBadge {} };
    if (foundation::isKindOf(value, foundation::NSStringClass()))
        return BadgeValue { static_cast<NSString*>(value)->value };
    if (!foundation::isKindOf(value, foundation::NSNumberClass()))
        return std::nullopt;
    auto* number = static_cast<NSNumber*>(value);
    if (number->kind != NSNumber::Kind::Integer)
        return std::nullopt;
    return BadgeValue { number->integer };
}

// The application, or a reason to skip the entry.
std::optional<InstalledApplication> readEntry(id value, std::string* problem)
{
    if (!foundation::isKindOf(value, foundation::NSDictionaryClass())) {
        *problem = "not a dictionary";
        return std::nullopt;
    }
    auto* entry = static_cast<NSDictionary*>(value);
    InstalledApplication application;
    std::pair<const char*, std::string*> const strings[] = {
        { "CFBundleIdentifier", &application.bundleIdentifier },
        { "CFBundleDisplayName", &application.displayName },
        { "CFBundleExecutable", &application.executableName },
        { "IconPath", &application.iconPath },
    };
    for (auto const& [key, field] : strings) {
        auto text = nonEmptyString(entry, key);
        if (!text) {
            *problem = std::string("no ") + key + " string";
            return std::nullopt;
        }
        *field = *text;
    }
    auto badge = readBadge(entry);
    if (!badge) {
        *problem = "BadgeValue is neither an integer nor a string";
        return std::nullopt;
    }
    application.badgeValue = *badge;
    return application;
}

}

void setApplicationsRoot(std::string root) { applicationsRoot() = std::move(root); }

std::vector<InstalledApplication> readInstalledApplications(const std::string& path)
{
    AutoreleasePool pool;
    std::vector<InstalledApplication> applications;
    std::string const file = underApplicationsRoot(path);
    NSDictionary* contents = foundation::readPropertyListDictionary(file);
    if (!contents)
        return applications;
    id list = contents->objectForKey("Applications");
    if (!foundation::isKindOf(list, foundation::NSArrayClass())) {
        logProblem(file, "no Applications array");
        return applications;
    }
    auto const& items = static_cast<NSArray*>(list)->items;
    for (size_t index = 0; index < items.size(); ++index) {
        std::string problem;
        auto application = readEntry(items[index].get(), &problem);
        if (application && findInstalledApplication(applications, application->bundleIdentifier))
            problem = "bundle identifier " + application->bundleIdentifier + " listed twice";
        if (!problem.empty()) {
            logProblem(file, "entry " + std::to_string(index) + " skipped: " + problem);
            continue;
        }
        application->iconPath = underApplicationsRoot(application->iconPath);
        applications.push_back(std::move(*application));
    }
    return applications;
}

const InstalledApplication* findInstalledApplication(const std::vector<InstalledApplication>& applications, const std::string& bundleIdentifier)
{
    auto found = std::find_if(applications.begin(), applications.end(),
        [&](const InstalledApplication& application) { return application.bundleIdentifier == bundleIdentifier; });
    return found == applications.end() ? nullptr : &*found;
}

}

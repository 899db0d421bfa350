#include "Loader.h"

#include "foundation/DevicePath.h"
#include "foundation/NSArray.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"
#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>
#include <set>
#include <system_error>

namespace substrate {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

// An absent list is an empty one; anything but a list of strings is refused.
bool readStringList(NSDictionary* filter, const char* key, std::vector<std::string>* list, std::string* error)
{
    id value = filter->objectForKey(key);
    if (!value)
        return true;
    if (!foundation::isKindOf(value, foundation::NSArrayClass())) {
        *error = std::string("\"") + key + "\" is not an array";
        return false;
    }
    for (auto const& item : static_cast<NSArray*>(value)->items) {
        if (!foundation::isKindOf(item, foundation::NSStringClass())) {
            *error = std::string("\"") + key + "\" holds something other than strings";
            return false;
        }
        list->push_back(static_cast<NSString*>(item.get())->value);
    }
    return true;
}

void logError(const std::string& message)
{
    systemlog::write(kCFLogLevelError, "MS:Error: " + message);
}

bool isRegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The names (without extension) of the libraries and filters in the folder.
std::set<std::string> libraryNames(const std::filesystem::path& folder, std::error_code& error)
{
    std::set<std::string> names;
    for (auto const& entry : std::filesystem::directory_iterator(folder, error)) {
        auto const extension = entry.path().extension();
        if (extension == ".so" || extension == ".plist")
            names.insert(entry.path().stem().string());
    }
    return names;
}

}

bool InjectionFilter::matches(const ProcessIdentity& process) const
{
    if (contains(excludedExecutables, process.executableName))
        return false;
    if (contains(executables, process.executableName))
        return true;
    if (contains(bundles, process.bundleIdentifier))
        return true;
    return std::any_of(process.loadedBundles.begin(), process.loadedBundles.end(),
        [&](const std::string& bundle) { return contains(bundles, bundle); });
}

bool parseInjectionFilter(NSDictionary* contents, InjectionFilter* filter, std::string* error)
{
    *filter = {};
    id value = contents ? contents->objectForKey("Filter") : nil;
    if (!value) {
        *error = "no \"Filter\" dictionary";
        return false;
    }
    if (!foundation::isKindOf(value, foundation::NSDictionaryClass())) {
        *error = "\"Filter\" is not a dictionary";
        return false;
    }
    auto* dictionary = static_cast<NSDictionary*>(value);
    return readStringList(dictionary, "Bundles", &filter->bundles, error)
        && readStringList(dictionary, "Executables", &filter->executables, error)
        && readStringList(dictionary, "ExcludeExecutables", &filter->excludedExecutables, error);
}

std::vector<std::string> loadLibraries(const std::string& folder, const ProcessIdentity& process)
{
    std::vector<std::string> loaded;
    std::error_code error;
    auto const names = libraryNames(foundation::devicePath(folder), error);
    if (error) {
        logError("cannot read the library folder " + folder + ": " + error.message());
        return loaded;
    }
    for (auto const& name : names) {
        auto const library = std::filesystem::path(folder) / (name + ".so");
        auto const filterPath = std::filesystem::path(folder) / (name + ".plist");
        if (!isRegularFile(foundation::devicePath(filterPath.string()))) {
            logError("no filter " + filterPath.string() + "; " + library.string() + " not loaded");
            continue;
        }
        // A file that does not read as a dictionary has its line from the reader.
        AutoreleasePool pool;
        NSDictionary* contents = foundation::readPropertyListDictionary(filterPath.string());
        if (!contents)
            continue;
        InjectionFilter filter;
        std::string reason;
        if (!parseInjectionFilter(contents, &filter, &reason)) {
            logError("filter " + filterPath.string() + ": " + reason + "; " + library.string() + " not loaded");
            continue;
        }
        if (!filter.matches(process))
            continue;
        systemlog::write(kCFLogLevelNotice, "MS:Notice: Loading: " + library.string());
        // The handle is kept open for the process's life, as the platform does.
        if (!dlopen(foundation::devicePath(library.string()).c_str(), RTLD_NOW | RTLD_LOCAL)) {
            char const* reasonText = dlerror();
            logError("dlopen(" + library.string() + "): " + (reasonText ? reasonText : "unknown error"));
            continue;
        }
        loaded.push_back(library.string());
    }
    return loaded;
}

}

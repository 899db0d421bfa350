#include "NSBundle.h"
#include "DevicePath.h"
#include "FoundationRegistration.h"
#include "NSFileManager.h"
#include "NSString.h"

#include <sys/stat.h>

namespace {

Class g_NSBundle;

NSBundle* asNSBundle(id self) { return static_cast<NSBundle*>(self); }

bool isDirectory(const std::string& path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// As Foundation: nil (and the receiver released) unless the path names a folder.
id initWithPath(id self, SEL, id path)
{
    if (!foundation::isString(path) || !isDirectory(foundation::devicePath(static_cast<NSString*>(path)->value))) {
        objc_release(self);
        return nullptr;
    }
    std::string given = static_cast<NSString*>(path)->value;
    while (given.size() > 1 && given.back() == '/')
        given.pop_back();
    asNSBundle(self)->path = std::move(given);
    return self;
}

id bundleWithPath(id self, SEL, id path)
{
    return objc_autorelease(send<id>(send<id>(self, "alloc"_sel), "initWithPath:"_sel, path));
}

id bundlePath(id self, SEL) { return NSString::make(asNSBundle(self)->path); }

// "name" of type "png" is the file "name.png" in the bundle's folder; a type of
// nil or "" takes the name as the whole file name.
id pathForResourceOfType(id self, SEL, id name, id type)
{
    if (!foundation::isString(name) || static_cast<NSString*>(name)->value.empty())
        return nullptr;
    std::string fileName = static_cast<NSString*>(name)->value;
    if (foundation::isString(type)) {
        std::string_view extension = static_cast<NSString*>(type)->value;
        if (extension.starts_with('.'))
            extension.remove_prefix(1);
        if (!extension.empty())
            fileName += "." + std::string(extension);
    }
    std::string full = asNSBundle(self)->path + "/" + fileName;
    if (!NSFileManager::fileExists(full))
        return nullptr;
    return NSString::make(full);
}

id bundleDescription(id self, SEL)
{
    return NSString::make("NSBundle <" + asNSBundle(self)->path + ">");
}

}

namespace foundation {

Class NSBundleClass() { return g_NSBundle; }

void registerNSBundle()
{
    g_NSBundle = runtime::defineClass("NSBundle", NSObjectClass(), runtime::makeInstance<NSBundle>);
    addClassMethod(g_NSBundle, "bundleWithPath:"_sel, bundleWithPath);
    addMethod(g_NSBundle, "initWithPath:"_sel, initWithPath);
    addMethod(g_NSBundle, "bundlePath"_sel, bundlePath);
    addMethod(g_NSBundle, "pathForResource:ofType:"_sel, pathForResourceOfType);
    addMethod(g_NSBundle, "description"_sel, bundleDescription);
}

}

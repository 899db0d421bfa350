#include "NSFileManager.h"
#include "DevicePath.h"
#include "FoundationRegistration.h"
#include "NSString.h"

#include <sys/stat.h>

namespace {

Class g_NSFileManager;
NSFileManager* g_defaultManager;

id defaultManager(id, SEL) { return NSFileManager::defaultManager(); }

bool fileExistsAtPath(id, SEL, id path)
{
    if (!foundation::isKindOf(path, foundation::NSStringClass()))
        return false;
    return NSFileManager::fileExists(static_cast<NSString*>(path)->value);
}

}

NSFileManager* NSFileManager::defaultManager()
{
    if (!g_defaultManager) {
        g_defaultManager = static_cast<NSFileManager*>(class_createInstance(g_NSFileManager, 0));
        g_defaultManager->immortal = true;
    }
    return g_defaultManager;
}

bool NSFileManager::fileExists(std::string_view path)
{
    if (path.empty())
        return false;
    struct stat status { };
    return ::stat(foundation::devicePath(path).c_str(), &status) == 0;
}

namespace foundation {

Class NSFileManagerClass() { return g_NSFileManager; }

void registerNSFileManager()
{
    g_NSFileManager = runtime::defineClass("NSFileManager", NSObjectClass(), runtime::makeInstance<NSFileManager>);
    addClassMethod(g_NSFileManager, "defaultManager"_sel, defaultManager);
    addMethod(g_NSFileManager, "fileExistsAtPath:"_sel, fileExistsAtPath);
}

}

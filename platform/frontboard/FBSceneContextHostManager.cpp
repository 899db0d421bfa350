#include "FBSceneContextHostManager.h"
#include "FBSceneHostView.h"

#include "foundation/NSString.h"
#include "foundation/SystemLog.h"

namespace {

Class g_FBSceneContextHostManager;

FBSceneContextHostManager* asFBSceneContextHostManager(id self) { return static_cast<FBSceneContextHostManager*>(self); }

// The requester arrives from the caller; only a string names one.
bool readRequester(id requester, std::string* name)
{
    if (!foundation::isKindOf(requester, foundation::NSStringClass())) {
        CFLog(kCFLogLevelError, "frontboard: a hosting requester must be a string; ignored");
        return false;
    }
    *name = static_cast<NSString*>(requester)->value;
    return true;
}

void enable(id self, id requester)
{
    std::string name;
    if (readRequester(requester, &name))
        asFBSceneContextHostManager(self)->enabledRequesters.insert(name);
}

void enableOrderFront(id self, SEL, id requester, bool) { enable(self, requester); }
void enablePriority(id self, SEL, id requester, long) { enable(self, requester); }

void disable(id self, SEL, id requester)
{
    std::string name;
    if (readRequester(requester, &name))
        asFBSceneContextHostManager(self)->enabledRequesters.erase(name);
}

id hostView(id self, SEL, id requester, bool enableAndOrderFront)
{
    if (enableAndOrderFront)
        enable(self, requester);
    return objc_autorelease(frontboard::makeSceneHostView(asFBSceneContextHostManager(self)));
}

}

namespace frontboard {

Class FBSceneContextHostManagerClass() { return g_FBSceneContextHostManager; }

FBSceneContextHostManager* makeContextHostManager(const std::string& bundleIdentifier)
{
    auto* manager = static_cast<FBSceneContextHostManager*>(class_createInstance(g_FBSceneContextHostManager, 0));
    manager->bundleIdentifier = bundleIdentifier;
    return manager;
}

void registerFBSceneContextHostManager()
{
    g_FBSceneContextHostManager = runtime::defineClass("FBSceneContextHostManager", foundation::NSObjectClass(),
        runtime::makeInstance<FBSceneContextHostManager>);
    addMethod(g_FBSceneContextHostManager, "enableHostingForRequester:orderFront:"_sel, enableOrderFront);
    addMethod(g_FBSceneContextHostManager, "enableHostingForRequester:priority:"_sel, enablePriority);
    addMethod(g_FBSceneContextHostManager, "disableHostingForRequester:"_sel, disable);
    addMethod(g_FBSceneContextHostManager, "hostViewForRequester:enableAndOrderFront:"_sel, hostView);
}

}

#include "SBApplication.h"

#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "frontboard/FBScene.h"

namespace {

Class g_SBApplication;

SBApplication* asSBApplication(id self) { return static_cast<SBApplication*>(self); }

void willActivate(id self, SEL) { ++asSBApplication(self)->activationCount; }

void willDeactivateForEventsOnly(id self, SEL, bool eventsOnly)
{
    ++asSBApplication(self)->deactivationCount;
    asSBApplication(self)->lastDeactivationForEventsOnly = eventsOnly;
}

id bundleIdentifier(id self, SEL) { return asSBApplication(self)->bundleIdentifier; }
// On this shell version the display identifier is the bundle identifier.
id applicationDisplayIdentifier(id self, SEL) { return asSBApplication(self)->bundleIdentifier; }
id displayName(id self, SEL) { return asSBApplication(self)->displayName; }
id badgeNumberOrString(id self, SEL) { return asSBApplication(self)->badge; }

// As on the phone, a badge of 0 is no badge.
void setBadge(id self, SEL, id badge)
{
    if (badge && !foundation::isKindOf(badge, foundation::NSNumberClass()) && !foundation::isKindOf(badge, foundation::NSStringClass())) {
        systemlog::write(kCFLogLevelError, "-[SBApplication setBadge:]: refused " + foundation::describe(badge) + ", which is neither a number nor a string");
        return;
    }
    bool const zero = foundation::isKindOf(badge, foundation::NSNumberClass()) && static_cast<NSNumber*>(badge)->doubleValue() == 0;
    asSBApplication(self)->badge = zero ? nullptr : badge;
}

id mainScene(id self, SEL)
{
    auto const& identifier = asSBApplication(self)->bundleIdentifier;
    return identifier ? frontboard::sceneForApplication(identifier->value) : nullptr;
}

}

SBApplication* SBApplication::make(std::string_view bundleIdentifier, std::string_view displayName)
{
    auto* application = static_cast<SBApplication*>(class_createInstance(g_SBApplication, 0));
    application->bundleIdentifier = NSString::make(bundleIdentifier);
    application->displayName = NSString::make(displayName);
    return static_cast<SBApplication*>(objc_autorelease(application));
}

namespace springboard {

Class SBApplicationClass() { return g_SBApplication; }

void registerSBApplication()
{
    g_SBApplication = runtime::defineClass("SBApplication", foundation::NSObjectClass(), runtime::makeInstance<SBApplication>);
    addMethod(g_SBApplication, "willActivate"_sel, willActivate);
    addMethod(g_SBApplication, "willDeactivateForEventsOnly:"_sel, willDeactivateForEventsOnly);
    addMethod(g_SBApplication, "bundleIdentifier"_sel, bundleIdentifier);
    addMethod(g_SBApplication, "displayIdentifier"_sel, applicationDisplayIdentifier);
    addMethod(g_SBApplication, "displayName"_sel, displayName);
    addMethod(g_SBApplication, "badgeNumberOrString"_sel, badgeNumberOrString);
    addMethod(g_SBApplication, "setBadge:"_sel, setBadge);
    addMethod(g_SBApplication, "mainScene"_sel, mainScene);
}

}

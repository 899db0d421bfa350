#include "RKVContextHostProvider.h"

#include "core/NotificationNames.h"
#include "core/ShellMessages.h"
#include "coregraphics/CGGeometry.h"
#include "dispatch/Dispatch.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/NSStringWithFormat.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"

namespace {

RKVContextHostProvider* self_(id self) { return static_cast<RKVContextHostProvider*>(self); }

Strong<objc_object> sharedProvider;
dispatch_once_t sharedProviderOnce;

id applicationWithBundleIdentifier(id bundleIdentifier)
{
    Class controllerClass = NSClassFromString(NSSTR("SBApplicationController"));
    return send<id>(send<id>(controllerClass, "sharedInstance"_sel), "applicationWithBundleIdentifier:"_sel, bundleIdentifier);
}

id sharedInstance(id, SEL)
{
    dispatch_once(&sharedProviderOnce, [] { sharedProvider = adopt(send<id>(RKVContextHostProviderClass(), "new"_sel)); });
    return sharedProvider;
}

id init(id self, SEL)
{
    self = sendSuper<id>(self, RKVContextHostProviderClass(), "init"_sel);
    if (!self)
        return nullptr;
    self_(self)->_hostedApplications = NSDictionary::mutableDictionary();
    self_(self)->_currentAppHasFinishedLaunching = false;
    return self;
}

id FBSceneForApplication(id, SEL, id application) { return send<id>(application, "mainScene"_sel); }

id contextManagerForApplication(id self, SEL, id application)
{
    return send<id>(send<id>(self, "FBSceneForApplication:"_sel, application), "contextHostManager"_sel);
}

id sceneSettingsForApplication(id self, SEL, id application)
{
    id settings = send<id>(send<id>(self, "FBSceneForApplication:"_sel, application), "mutableSettings"_sel);
    return objc_autorelease(send<id>(settings, "mutableCopy"_sel));
}

void applyBackgrounded(id self, id application, bool backgrounded)
{
    id settings = send<id>(self, "sceneSettingsForApplication:"_sel, application);
    send(settings, "setBackgrounded:"_sel, backgrounded);
    send(send<id>(self, "FBSceneForApplication:"_sel, application), "_applyMutableSettings:withTransitionContext:completion:"_sel, settings,
        static_cast<id>(nullptr), static_cast<id>(nullptr));
}

void disableBackgroundingForApplication(id self, SEL, id application) { applyBackgrounded(self, application, true); }
void enableBackgroundingForApplication(id self, SEL, id application) { applyBackgrounded(self, application, false); }

void launchSuspendedApplicationWithBundleID(id, SEL, id bundleIdentifier)
{
    (void)send<bool>(sharedApplication(), "launchApplicationWithIdentifier:suspended:"_sel, bundleIdentifier, true);
}

id hostViewForApplication(id self, SEL, id application)
{
    // Without an application there is nothing to launch or host.
    if (!application)
        return nullptr;
    id bundleIdentifier = send<id>(application, "bundleIdentifier"_sel);
    if (id hosted = send<id>(self_(self)->_hostedApplications.get(), "objectForKey:"_sel, bundleIdentifier))
        return hosted;
    send(self, "enableBackgroundingForApplication:"_sel, application);
    send(self, "launchSuspendedApplicationWithBundleID:"_sel, send<id>(application, "bundleIdentifier"_sel));
    send(send<id>(self, "contextManagerForApplication:"_sel, application), "enableHostingForRequester:orderFront:"_sel,
        send<id>(application, "bundleIdentifier"_sel), true);
    id hostView = send<id>(send<id>(self, "contextManagerForApplication:"_sel, application), "hostViewForRequester:enableAndOrderFront:"_sel,
        send<id>(application, "bundleIdentifier"_sel), true);
    send(hostView, "setAccessibilityHint:"_sel, bundleIdentifier);
    return hostView;
}

id bundleIDFromHostView(id, SEL, id hostView) { return send<id>(hostView, "accessibilityHint"_sel); }

id hostViewForApplicationWithBundleID(id self, SEL, id bundleIdentifier)
{
    return send<id>(self, "hostViewForApplication:"_sel, applicationWithBundleIdentifier(bundleIdentifier));
}

bool isHostViewHosting(id, SEL, id hostView)
{
    if (!hostView)
        return false;
    id subviews = send<id>(hostView, "subviews"_sel);
    if (send<unsigned long>(subviews, "count"_sel) == 0)
        return false;
    return send<bool>(send<id>(subviews, "objectAtIndexedSubscript:"_sel, 0ul), "isHosting"_sel);
}

void forceRehostingOnBundleID(id self, SEL, id bundleIdentifier)
{
    id application = applicationWithBundleIdentifier(bundleIdentifier);
    // An identifier the shell does not know is not handed to its launcher.
    if (!application)
        return;
    send(self, "launchSuspendedApplicationWithBundleID:"_sel, bundleIdentifier);
    send(self, "enableBackgroundingForApplication:"_sel, application);
    send(send<id>(self, "contextManagerForApplication:"_sel, application), "enableHostingForRequester:priority:"_sel, bundleIdentifier, 1l);
}

void stopHostingForBundleID(id self, SEL, id bundleIdentifier)
{
    NSLog("[Drawlet] Stop hosting %@", bundleIdentifier);
    id application = applicationWithBundleIdentifier(bundleIdentifier);
    send(self, "disableBackgroundingForApplication:"_sel, application);
    send(send<id>(self, "contextManagerForApplication:"_sel, application), "disableHostingForRequester:"_sel, bundleIdentifier);
}

void postDarwin(const char* format, id bundleIdentifier)
{
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSStringWithFormat(format, bundleIdentifier), nullptr, nullptr, true);
}

void sendLandscapeRotationNotificationToBundleID(id, SEL, id bundleIdentifier) { postDarwin(kLandscapeRotateNotificationFormat, bundleIdentifier); }
void sendPortraitRotationNotificationToBundleID(id, SEL, id bundleIdentifier) { postDarwin(kPortraitRotateNotificationFormat, bundleIdentifier); }

void setStatusBarHidden(id, SEL, id hidden, id bundleIdentifier)
{
    NSString* name = NSStringWithFormat(kStatusBarChangeNotificationFormat, bundleIdentifier);
    NSLog("[Drawlet] Posting notification: %@", name);
    postDistributedNotification(name, kIsHiddenKey, hidden);
}

bool currentAppHasFinishedLaunching(id self, SEL) { return self_(self)->_currentAppHasFinishedLaunching; }
void setCurrentAppHasFinishedLaunching(id self, SEL, bool value) { self_(self)->_currentAppHasFinishedLaunching = value; }

Class defineProviderClass()
{
    Class cls = runtime::defineClass("RKVContextHostProvider", objc_getClass("NSObject"), runtime::makeInstance<RKVContextHostProvider>);
    addClassMethod(cls, "sharedInstance"_sel, sharedInstance);
    addMethod(cls, "init"_sel, init);
    addMethod(cls, "hostViewForApplication:"_sel, hostViewForApplication);
    addMethod(cls, "bundleIDFromHostView:"_sel, bundleIDFromHostView);
    addMethod(cls, "hostViewForApplicationWithBundleID:"_sel, hostViewForApplicationWithBundleID);
    addMethod(cls, "launchSuspendedApplicationWithBundleID:"_sel, launchSuspendedApplicationWithBundleID);
    addMethod(cls, "disableBackgroundingForApplication:"_sel, disableBackgroundingForApplication);
    addMethod(cls, "enableBackgroundingForApplication:"_sel, enableBackgroundingForApplication);
    addMethod(cls, "FBSceneForApplication:"_sel, FBSceneForApplication);
    addMethod(cls, "contextManagerForApplication:"_sel, contextManagerForApplication);
    addMethod(cls, "sceneSettingsForApplication:"_sel, sceneSettingsForApplication);
    addMethod(cls, "isHostViewHosting:"_sel, isHostViewHosting);
    addMethod(cls, "forceRehostingOnBundleID:"_sel, forceRehostingOnBundleID);
    addMethod(cls, "stopHostingForBundleID:"_sel, stopHostingForBundleID);
    addMethod(cls, "sendLandscapeRotationNotificationToBundleID:"_sel, sendLandscapeRotationNotificationToBundleID);
    addMethod(cls, "sendPortraitRotationNotificationToBundleID:"_sel, sendPortraitRotationNotificationToBundleID);
    addMethod(cls, "setStatusBarHidden:onApplicationWithBundleID:"_sel, setStatusBarHidden);
    addMethod(cls, "currentAppHasFinishedLaunching"_sel, currentAppHasFinishedLaunching);
    addMethod(cls, "setCurrentAppHasFinishedLaunching:"_sel, setCurrentAppHasFinishedLaunching);
    return cls;
}

}

Class RKVContextHostProviderClass()
{
    static Class cls = defineProviderClass();
    return cls;
}

id sharedHostProvider()
{
    return send<id>(RKVContextHostProviderClass(), "sharedInstance"_sel);
}

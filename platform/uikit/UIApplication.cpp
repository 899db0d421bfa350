#include "UIApplication.h"
#include "UIWindow.h"

#include "foundation/NSArray.h"
#include "foundation/SystemLog.h"

namespace {

Class g_UIApplication;

struct ApplicationState {
    Strong<UIApplication> shared;
};

ApplicationState& applicationState()
{
    static auto* application = new ApplicationState;
    return *application;
}

UIApplication* asUIApplication(id self) { return static_cast<UIApplication*>(self); }

id initApplication(id self, SEL)
{
    auto& application = applicationState();
    if (!application.shared) {
        application.shared = asUIApplication(self);
        return self;
    }
    // The phone refuses a second application object; here it simply stays
    // unshared, and the first keeps answering sharedApplication.
    systemlog::write(kCFLogLevelError, std::string("-[") + class_getName(self->isa) + " init]: there is already an application object; this one is not the shared application");
    return self;
}

id sharedApplicationMethod(id, SEL) { return applicationState().shared; }

void handleDeviceOrientationChangedEvent(id self, SEL, id event)
{
    auto* application = asUIApplication(self);
    ++application->deviceOrientationEventCount;
    application->lastDeviceOrientationEvent = event;
}

void handleApplicationActivation(id self, SEL, id, id, id)
{
    ++asUIApplication(self)->activationCount;
}

void willChangeStatusBarOrientation(id self, SEL, id application, long orientation, double duration)
{
    auto* receiver = asUIApplication(self);
    ++receiver->statusBarOrientationChangeCount;
    receiver->lastStatusBarOrientationApplication = application;
    receiver->lastStatusBarOrientation = orientation;
    receiver->lastStatusBarOrientationDuration = duration;
}

// Which application is in front; the home screen (nil) until applications run.
id accessibilityFrontMostApplication(id, SEL) { return nullptr; }

id keyWindowMethod(id, SEL) { return uikit::keyWindow(); }

id applicationWindows(id, SEL)
{
    NSArray* list = NSArray::array();
    for (UIWindow* window : uikit::visibleWindowsBackToFront())
        list->items.emplace_back(window);
    return list;
}

}

namespace uikit {

Class UIApplicationClass() { return g_UIApplication; }

UIApplication* sharedApplication() { return applicationState().shared; }

void resetApplication() { applicationState().shared = nullptr; }

UIApplication* launchApplication(Class cls)
{
    if (applicationState().shared)
        return applicationState().shared;
    id made = send<id>(send<id>(cls, "alloc"_sel), "init"_sel);
    // init made it the shared application, which holds it from now on.
    objc_release(made);
    return applicationState().shared;
}

void activateApplication(id scene, id transitionContext, id completion)
{
    UIApplication* application = applicationState().shared;
    if (!application)
        return;
    send(application, "_handleApplicationActivationWithScene:transitionContext:completion:"_sel, scene, transitionContext, completion);
}

void changeStatusBarOrientation(long orientation, double duration)
{
    UIApplication* application = applicationState().shared;
    if (!application)
        return;
    send(application, "application:willChangeStatusBarOrientation:duration:"_sel, static_cast<id>(application), orientation, duration);
}

void registerUIApplication()
{
    g_UIApplication = runtime::defineClass("UIApplication", UIResponderClass(), runtime::makeInstance<UIApplication>);
    addClassMethod(g_UIApplication, "sharedApplication"_sel, sharedApplicationMethod);
    addMethod(g_UIApplication, "init"_sel, initApplication);
    addMethod(g_UIApplication, "_handleDeviceOrientationChangedEvent:"_sel, handleDeviceOrientationChangedEvent);
    addMethod(g_UIApplication, "_accessibilityFrontMostApplication"_sel, accessibilityFrontMostApplication);
    addMethod(g_UIApplication, "keyWindow"_sel, keyWindowMethod);
    addMethod(g_UIApplication, "windows"_sel, applicationWindows);
    addMethod(g_UIApplication, "_handleApplicationActivationWithScene:transitionContext:completion:"_sel, handleApplicationActivation);
    addMethod(g_UIApplication, "application:willChangeStatusBarOrientation:duration:"_sel, willChangeStatusBarOrientation);
}

}

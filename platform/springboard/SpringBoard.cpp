#include "SpringBoard.h"
#include "AlertQueue.h"
#include "AppSwitcher.h"
#include "ApplicationLifecycle.h"
#include "BulletinBanner.h"
#include "DeviceLock.h"
#include "OnScreenKeyboard.h"
#include "SBApplicationController.h"
#include "SettingsAddress.h"
#include "SharedInstances.h"

#include "foundation/NSURL.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBScene.h"
#include "uikit/UIScreen.h"

namespace {

Class g_SpringBoard;

SpringBoard* asSpringBoard(id self) { return static_cast<SpringBoard*>(self); }

void applicationDidFinishLaunching(id self, SEL, id)
{
    asSpringBoard(self)->finishedLaunching = true;
}

SBApplication* installedApplication(id identifier)
{
    id controller = springboard::sharedInstanceOf(springboard::SBApplicationControllerClass());
    return static_cast<SBApplication*>(send<id>(controller, "applicationWithBundleIdentifier:"_sel, identifier));
}

void setSceneBackgrounded(SBApplication* application, bool backgrounded)
{
    FBScene* scene = frontboard::sceneForApplication(application->bundleIdentifier->value);
    auto settings = adopt(frontboard::makeSceneSettings(backgrounded));
    send(static_cast<id>(scene), "_applyMutableSettings:withTransitionContext:completion:"_sel, static_cast<id>(settings.get()), nullptr, nullptr);
}

void handleMenuButtonEvent(id self, SEL)
{
    // Going home: the home screen comes to the front, and the application
    // that was there goes to the background. Over the app switcher, the
    // switcher goes to the home screen.
    // Locked, the home button only wakes the screen, which is already on.
    if (springboard::isDeviceLocked())
        return;
    auto* shell = asSpringBoard(self);
    ++shell->homePressCount;
    std::string error;
    if (springboard::isAppSwitcherPresented() && springboard::dismissAppSwitcher({}, &error))
        return;
    springboard::showHomeScreen();
}

id frontMostApplication(id self, SEL) { return asSpringBoard(self)->frontMostApplication; }

id springBoardDisplayIdentifier(id, SEL) { return NSSTR("com.apple.springboard"); }

// Starts the application's process when it is not running, with its scene as
// its settings say, without bringing it to the front.
bool springBoardLaunchApplication(id, SEL, id identifier, bool)
{
    SBApplication* application = installedApplication(identifier);
    if (!application) {
        CFLog(kCFLogLevelError, "springboard: cannot launch an application the shell does not know");
        return false;
    }
    std::string const& bundleIdentifier = application->bundleIdentifier->value;
    auto scene = frontboard::sceneWantsForeground(bundleIdentifier) ? frontboard::SceneState::Foreground : frontboard::SceneState::Background;
    std::string error;
    if (frontboard::ApplicationProcesses::shared().launch(bundleIdentifier, scene, &error))
        return true;
    CFLog(kCFLogLevelError, "springboard: cannot launch %s: %s", bundleIdentifier.c_str(), error.c_str());
    return false;
}

const std::string* frontBundleIdentifier(SpringBoard* shell)
{
    auto* front = static_cast<SBApplication*>(shell->frontMostApplication.get());
    if (!front || !front->bundleIdentifier)
        return nullptr;
    return &front->bundleIdentifier->value;
}

// The interface turns: the screen's bounds follow, the application in front
// is told, so it turns its status bar and draws turned, and the keyboard, when
// up, follows.
void noteInterfaceOrientationChanged(id self, SEL, long orientation, double duration)
{
    auto* shell = asSpringBoard(self);
    long const previous = uikit::mainScreenOrientation();
    if (!uikit::setMainScreenOrientation(orientation)) {
        CFLog(kCFLogLevelError, "springboard: ignored the interface orientation %ld, which is not 1, 2, 3 or 4", orientation);
        return;
    }
    shell->interfaceOrientation = orientation;
    springboard::layOutLockScreen();
    springboard::layOutAlert();
    springboard::layOutAppSwitcher();
    springboard::layOutBanner();
    if (auto const* front = frontBundleIdentifier(shell))
        frontboard::ApplicationProcesses::shared().setInterfaceOrientation(*front, orientation, duration);
    if (orientation != previous)
        springboard::keyboardFollowsTurn();
}

// Only the Settings application's addresses open anything: the application
// comes to the front, then is handed the address to show its pane.
bool openURL(id, SEL, id url)
{
    if (!foundation::isKindOf(url, foundation::NSURLClass())) {
        CFLog(kCFLogLevelError, "springboard: cannot open the address %s", url ? "(not a URL)" : "(nil)");
        return false;
    }
    std::string const& address = static_cast<NSURL*>(url)->text;
    if (!springboard::settingsPaneOfAddress(address)) {
        CFLog(kCFLogLevelError, "springboard: cannot open the address %s", address.c_str());
        return false;
    }
    std::string error;
    if (!springboard::openApplication(springboard::kSettingsBundleIdentifier, &error)) {
        CFLog(kCFLogLevelError, "springboard: cannot open the address %s: %s", address.c_str(), error.c_str());
        return false;
    }
    frontboard::ApplicationProcesses::shared().openURL(springboard::kSettingsBundleIdentifier, address);
    CFLog(kCFLogLevelNotice, "springboard: opened the address %s in %s", address.c_str(), springboard::kSettingsBundleIdentifier);
    return true;
}

}

namespace springboard {

Class SpringBoardClass() { return g_SpringBoard; }

void registerSpringBoard()
{
    g_SpringBoard = runtime::defineClass("SpringBoard", uikit::UIApplicationClass(), runtime::makeInstance<SpringBoard>);
    addMethod(g_SpringBoard, "applicationDidFinishLaunching:"_sel, applicationDidFinishLaunching);
    addMethod(g_SpringBoard, "_handleMenuButtonEvent"_sel, handleMenuButtonEvent);
    addMethod(g_SpringBoard, "noteInterfaceOrientationChanged:duration:"_sel, noteInterfaceOrientationChanged);
    addMethod(g_SpringBoard, "launchApplicationWithIdentifier:suspended:"_sel, springBoardLaunchApplication);
    addMethod(g_SpringBoard, "_accessibilityFrontMostApplication"_sel, frontMostApplication);
    addMethod(g_SpringBoard, "displayIdentifier"_sel, springBoardDisplayIdentifier);
    addMethod(g_SpringBoard, "openURL:"_sel, openURL);
    frontboard::setSceneForegroundKeeper([](const std::string& bundleIdentifier) {
        auto* shell = uikit::sharedApplication();
        if (!shell || !foundation::isKindOf(shell, g_SpringBoard))
            return false;
        auto const* front = frontBundleIdentifier(static_cast<SpringBoard*>(shell));
        return front && *front == bundleIdentifier;
    });
}

bool openApplication(const std::string& bundleIdentifier, std::string* error)
{
    SBApplication* application = installedApplication(NSString::make(bundleIdentifier));
    if (!application) {
        *error = "the shell does not know " + bundleIdentifier;
        return false;
    }
    if (isDeviceLocked()) {
        *error = "the phone is locked";
        return false;
    }
    // Opened over the app switcher, it is reached through the switcher.
    if (isAppSwitcherPresented())
        return openThroughAppSwitcher(bundleIdentifier, error);
    auto* shell = static_cast<SpringBoard*>(uikit::sharedApplication());
    Strong<objc_object> previous;
    if (shell && foundation::isKindOf(shell, g_SpringBoard)) {
        previous = shell->frontMostApplication;
        shell->frontMostApplication = application;
        if (previous && previous.get() != application)
            setSceneBackgrounded(static_cast<SBApplication*>(previous.get()), true);
    }
    frontboard::sceneForApplication(bundleIdentifier)->settings->backgrounded = false;
    auto& processes = frontboard::ApplicationProcesses::shared();
    if (!processes.activate(bundleIdentifier, error))
        return false;
    // An application that comes to the front turned otherwise is told the
    // shell's orientation at once.
    long const orientation = uikit::mainScreenOrientation();
    if (processes.interfaceOrientation(bundleIdentifier) != orientation)
        processes.setInterfaceOrientation(bundleIdentifier, orientation, 0);
    applicationCameToFront(application, previous.get());
    return true;
}

void showHomeScreen()
{
    auto* shell = static_cast<SpringBoard*>(uikit::sharedApplication());
    if (!shell || !foundation::isKindOf(shell, g_SpringBoard))
        return;
    auto front = shell->frontMostApplication;
    shell->frontMostApplication = nullptr;
    if (front)
        setSceneBackgrounded(static_cast<SBApplication*>(front.get()), true);
    applicationLeftFront(front.get());
}

}

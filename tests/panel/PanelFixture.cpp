#include "PanelFixture.h"

#include "activator/ActivatorClasses.h"
#include "core/PanelState.h"
#include "core/Startup.h"
#include "dispatch/RunLoop.h"
#include "foundation/DevicePath.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "notifications/CFNotificationCenter.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/TouchInput.h"
#include "uikit/UIKit.h"

#include <algorithm>

namespace paneltest {

namespace {

void recordDistributed(CFNotificationCenterRef, void*, CFStringRef name, const void*, CFDictionaryRef userInfo)
{
    std::string entry = name->value;
    if (userInfo && !userInfo->entries.empty()) {
        auto const& [key, value] = userInfo->entries.front();
        auto* description = send<NSString*>(value.get(), "description"_sel);
        entry += " " + key->value + "=" + (description ? description->value : "?");
    }
    distributedPosts().push_back(entry);
}

double now()
{
    return dispatch::RunLoop::main().now();
}

}

std::vector<std::string>& distributedPosts()
{
    static std::vector<std::string> posts;
    return posts;
}

void launchShell(int width, int height, const std::string& settingsItems)
{
    springboard::registerClasses();
    activator::registerClasses();
    shelltest::setUpShellProcess();
    if (!settingsItems.empty())
        shelltest::writeSettingsXML(settingsItems);
    foundation::setDeviceRoot(DRAWLET_DEVICE_ROOT);
    uikit::setMainScreenSize(width, height);
    springboard::installApplication(SBApplication::make("com.drawlet.demo.notes", "Notes"));
    installHooks();
    CFNotificationCenterAddObserver(CFNotificationCenterGetDistributedCenter(), nullptr, recordDistributed, nullptr, nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    id application = uikit::launchApplication(springboard::SpringBoardClass());
    send(application, "applicationDidFinishLaunching:"_sel, application);
    shelltest::runFor(0);
}

void launchPinnedShell(int width, int height)
{
    launchShell(width, height, "<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/><key>startupApp</key><string>com.drawlet.demo.notes</string>");
    distributedPosts().clear();
}

id shell()
{
    return uikit::sharedApplication();
}

void touchDown(double x, double y) { uikit::TouchInput::shared().touchBegan(CGPointMake(x, y), now()); }
void touchMove(double x, double y) { uikit::TouchInput::shared().touchMoved(CGPointMake(x, y), now()); }
void touchUp(double x, double y) { uikit::TouchInput::shared().touchEnded(CGPointMake(x, y), now()); }

namespace {

CGPoint grabberMiddle()
{
    CGRect const frame = send<CGRect>(grabber.get(), "frame"_sel);
    return CGPointMake(send<CGRect>(window.get(), "frame"_sel).origin.x + frame.origin.x + 12, frame.origin.y + 12);
}

}

void tapTheGrabber()
{
    CGPoint const point = grabberMiddle();
    touchDown(point.x, point.y);
    shelltest::runFor(0.05);
    touchUp(point.x, point.y);
}

void dragTheGrabberBy(double dx)
{
    CGPoint const start = grabberMiddle();
    touchDown(start.x, start.y);
    constexpr int kSteps = 36;
    for (int step = 1; step <= kSteps; ++step) {
        shelltest::runFor(1.0 / 120);
        touchMove(start.x + dx * step / kSteps, start.y);
    }
    touchUp(start.x + dx, start.y);
}

double windowX()
{
    return send<CGRect>(window.get(), "frame"_sel).origin.x;
}

size_t loggedLines(const std::string& text)
{
    auto const lines = shelltest::drawletLines();
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), text));
}

}

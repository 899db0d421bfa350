#include "FrontApplicationTouches.h"
#include "SBApplication.h"
#include "SpringBoard.h"

#include "frontboard/SceneTouchForwarding.h"
#include "uikit/TouchInput.h"
#include "uikit/UITouch.h"

#include <memory>
#include <set>
#include <utility>

namespace springboard {

namespace {

std::optional<frontboard::TouchDestination> frontApplicationDestination(UITouch*)
{
    auto* shell = uikit::sharedApplication();
    if (!shell || !foundation::isKindOf(shell, SpringBoardClass()))
        return std::nullopt;
    auto const* front = static_cast<SBApplication*>(static_cast<SpringBoard*>(shell)->frontMostApplication.get());
    if (!front || !front->bundleIdentifier)
        return std::nullopt;
    std::string const& bundleIdentifier = front->bundleIdentifier->value;
    // Its frame covers the screen point for point.
    return frontboard::TouchDestination { bundleIdentifier, bundleIdentifier + " in front", [](CGPoint point) { return std::optional<CGPoint>(point); } };
}

bool hasFrontApplication()
{
    auto* shell = uikit::sharedApplication();
    return shell && foundation::isKindOf(shell, SpringBoardClass()) && static_cast<SpringBoard*>(shell)->frontMostApplication;
}

}

void routeUnclaimedTouchesToFrontApplication(std::function<void(UITouch*)> homeScreen)
{
    auto toApplication = frontboard::makeApplicationTouchSink(frontApplicationDestination);
    if (!homeScreen) {
        uikit::TouchInput::shared().setUnclaimedTouchSink(std::move(toApplication));
        return;
    }
    // The touches that landed on the home screen, held until they end.
    auto onHomeScreen = std::make_shared<std::set<UITouch*>>();
    uikit::TouchInput::shared().setUnclaimedTouchSink([toApplication, homeScreen = std::move(homeScreen), onHomeScreen](UITouch* touch) {
        if (touch->phase == UITouchPhaseBegan) {
            // A touch of an earlier input that never ended may have held
            // this address.
            onHomeScreen->erase(touch);
            if (!hasFrontApplication())
                onHomeScreen->insert(touch);
        }
        if (!onHomeScreen->count(touch)) {
            toApplication(touch);
            return;
        }
        if (touch->phase == UITouchPhaseEnded || touch->phase == UITouchPhaseCancelled)
            onHomeScreen->erase(touch);
        homeScreen(touch);
    });
}

}

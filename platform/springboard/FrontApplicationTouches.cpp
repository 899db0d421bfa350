#include "FrontApplicationTouches.h"
#include "SBApplication.h"
#include "SpringBoard.h"

#include "frontboard/SceneTouchForwarding.h"
#include "uikit/TouchInput.h"

namespace springboard {

namespace {

std::optional<frontboard::TouchDestination> frontApplication(UITouch*)
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

}

void routeUnclaimedTouchesToFrontApplication()
{
    uikit::TouchInput::shared().setUnclaimedTouchSink(frontboard::makeApplicationTouchSink(frontApplication));
}

}

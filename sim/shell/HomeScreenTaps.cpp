#include "HomeScreenTaps.h"

#include "HomeScreenLayout.h"
#include "TapLanding.h"
#include "foundation/SystemLog.h"
#include "springboard/SBApplicationController.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIScreen.h"
#include "uikit/UITouch.h"

#include <memory>
#include <optional>
#include <string>

namespace sim {

namespace {

// The application whose icon (or name under it) is at `point`, in the order
// and places the compositor draws them: the shell installed the applications
// in the file's order at start. Icons past the dock are not shown.
std::optional<std::string> applicationAt(CGPoint point)
{
    auto const* controller = static_cast<SBApplicationController*>(send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel));
    if (!controller)
        return std::nullopt;
    CGSize const screen = uikit::mainScreenBounds().size;
    double const lowest = compositor::homeScreenDockFrame(screen).origin.y - 20;
    auto const& applications = controller->applications;
    for (size_t index = 0; index < applications.size(); ++index) {
        compositor::HomeScreenIconPlace const place = compositor::homeScreenIconPlace(screen, index);
        if (CGRectGetMaxY(place.name) > lowest)
            break;
        if ((CGRectContainsPoint(place.icon, point) || CGRectContainsPoint(place.name, point)) && applications[index]->bundleIdentifier)
            return applications[index]->bundleIdentifier->value;
    }
    return std::nullopt;
}

void open(const std::string& bundleIdentifier)
{
    std::string error;
    if (springboard::openApplication(bundleIdentifier, &error)) {
        systemlog::write(kCFLogLevelNotice, "home screen: opened " + bundleIdentifier);
        return;
    }
    systemlog::write(kCFLogLevelError, "home screen: cannot open " + bundleIdentifier + ": " + error);
}

}

std::function<void(UITouch*)> makeHomeScreenTapSink()
{
    // One finger at a time is enough for icons; a second landing replaces it.
    auto landing = std::make_shared<std::optional<TapLanding>>();
    return [landing](UITouch* touch) {
        switch (touch->phase) {
        case UITouchPhaseBegan:
            *landing = TapLanding { touch->screenLocation, touch->timestamp };
            return;
        case UITouchPhaseMoved:
            // Once it has gone too far it is no tap, even if it comes back.
            if (*landing && !stillATap(**landing, touch))
                landing->reset();
            return;
        case UITouchPhaseEnded: {
            bool const tapped = *landing && stillATap(**landing, touch);
            landing->reset();
            if (!tapped)
                return;
            if (auto const bundleIdentifier = applicationAt(touch->screenLocation))
                open(*bundleIdentifier);
            return;
        }
        case UITouchPhaseCancelled:
            landing->reset();
            return;
        default:
            return;
        }
    };
}

}

#include "SceneTouchForwarding.h"
#include "ApplicationProcesses.h"
#include "FBSceneHostView.h"

#include "foundation/SystemLog.h"
#include "uikit/ScreenConversion.h"
#include "uikit/UITouch.h"

#include <map>
#include <memory>

namespace frontboard {

namespace {

// A touch whose events go to one process.
struct ForwardedTouch {
    // Held, so the key cannot be reused by another touch while this one lasts.
    Strong<UITouch> touch;
    TouchDestination destination;
    pid_t pid = 0;
};

using ForwardedTouches = std::map<const UITouch*, ForwardedTouch>;

// A touch's phase goes to the application as it is.
static_assert(long { scene::SceneTouchPhaseBegan } == UITouchPhaseBegan && long { scene::SceneTouchPhaseMoved } == UITouchPhaseMoved
    && long { scene::SceneTouchPhaseEnded } == UITouchPhaseEnded && long { scene::SceneTouchPhaseCancelled } == UITouchPhaseCancelled);

bool isLast(long phase) { return phase == UITouchPhaseEnded || phase == UITouchPhaseCancelled; }

void land(UITouch* touch, const std::function<std::optional<TouchDestination>(UITouch*)>& destinationOf, ForwardedTouches& touches)
{
    std::optional<TouchDestination> destination = destinationOf(touch);
    if (!destination)
        return;
    pid_t const pid = ApplicationProcesses::shared().processIdentifier(destination->bundleIdentifier);
    if (!pid) {
        CFLog(kCFLogLevelNotice, "frontboard: dropped a touch on %s, which is not running", destination->description.c_str());
        return;
    }
    touches[touch] = { touch, std::move(*destination), pid };
}

void forward(UITouch* touch, const std::function<std::optional<TouchDestination>(UITouch*)>& destinationOf, ForwardedTouches& touches)
{
    if (touch->phase == UITouchPhaseBegan)
        land(touch, destinationOf, touches);
    auto it = touches.find(touch);
    // Dropped when it landed.
    if (it == touches.end())
        return;
    ForwardedTouch const forwarded = it->second;
    if (isLast(touch->phase))
        touches.erase(it);

    scene::SceneTouch event { touch->finger, static_cast<int32_t>(touch->phase), 0, 0, touch->timestamp };
    std::optional<CGPoint> const point = forwarded.destination.place(touch->screenLocation);
    if (!point) {
        // The scene cannot be placed on the screen now: the application hears
        // the touch end without a point.
        event.phase = scene::SceneTouchPhaseCancelled;
        touches.erase(touch);
    } else {
        event.x = point->x;
        event.y = point->y;
    }
    std::string const& bundleIdentifier = forwarded.destination.bundleIdentifier;
    if (ApplicationProcesses::shared().sendTouch(bundleIdentifier, forwarded.pid, event))
        return;
    CFLog(kCFLogLevelNotice, "frontboard: %s[%d] no longer takes touches; the rest of its touch is dropped", bundleIdentifier.c_str(),
        static_cast<int>(forwarded.pid));
    touches.erase(touch);
}

std::optional<TouchDestination> hostViewDestination(FBSceneHostView* view)
{
    if (!view->manager) {
        CFLog(kCFLogLevelNotice, "frontboard: dropped a touch on a host view without a scene");
        return std::nullopt;
    }
    std::string const& bundleIdentifier = view->manager->bundleIdentifier;
    auto& processes = ApplicationProcesses::shared();
    if (processes.state(bundleIdentifier) != ApplicationState::NotRunning && !isHosting(view)) {
        CFLog(kCFLogLevelNotice, "frontboard: dropped a touch on the scene of %s, which is not hosted", bundleIdentifier.c_str());
        return std::nullopt;
    }
    return TouchDestination { bundleIdentifier, "the hosted scene of " + bundleIdentifier,
        [view](CGPoint screenPoint) { return hostedApplicationPoint(view, screenPoint); } };
}

}

std::function<void(UITouch*)> makeApplicationTouchSink(std::function<std::optional<TouchDestination>(UITouch*)> destination)
{
    auto touches = std::make_shared<ForwardedTouches>();
    return [destination = std::move(destination), touches](UITouch* touch) { forward(touch, destination, *touches); };
}

std::optional<CGPoint> hostedApplicationPoint(const FBSceneHostView* view, CGPoint screenPoint)
{
    std::optional<CGPoint> const local = uikit::convertFromScreen(view, screenPoint);
    if (!local)
        return std::nullopt;
    return CGPoint { local->x - view->boundsOrigin.x, local->y - view->boundsOrigin.y };
}

std::function<void(UITouch*)> makeSceneTouchSink(FBSceneHostView* view)
{
    return makeApplicationTouchSink([view](UITouch*) { return hostViewDestination(view); });
}

}

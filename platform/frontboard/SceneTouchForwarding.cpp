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
    std::string bundleIdentifier;
    pid_t pid = 0;
};

using ForwardedTouches = std::map<const UITouch*, ForwardedTouch>;

bool isLast(long phase) { return phase == UITouchPhaseEnded || phase == UITouchPhaseCancelled; }

// Why a touch landing on the view cannot reach an application, or empty.
std::string refusal(const FBSceneHostView* view)
{
    if (!view->manager)
        return "a host view without a scene";
    std::string const& bundleIdentifier = view->manager->bundleIdentifier;
    if (ApplicationProcesses::shared().state(bundleIdentifier) == ApplicationState::NotRunning)
        return "the hosted scene of " + bundleIdentifier + ", which is not running";
    if (!isHosting(view))
        return "the scene of " + bundleIdentifier + ", which is not hosted";
    return {};
}

void forward(FBSceneHostView* view, UITouch* touch, ForwardedTouches& touches)
{
    if (touch->phase == UITouchPhaseBegan) {
        if (std::string const why = refusal(view); !why.empty()) {
            CFLog(kCFLogLevelNotice, "frontboard: dropped a touch on %s", why.c_str());
            return;
        }
        std::string const& bundleIdentifier = view->manager->bundleIdentifier;
        touches[touch] = { touch, bundleIdentifier, ApplicationProcesses::shared().processIdentifier(bundleIdentifier) };
    }
    auto it = touches.find(touch);
    // Dropped when it landed.
    if (it == touches.end())
        return;
    ForwardedTouch const forwarded = it->second;
    if (isLast(touch->phase))
        touches.erase(it);

    SceneTouch event { touch->finger, static_cast<int32_t>(touch->phase), 0, 0, touch->timestamp };
    std::optional<CGPoint> const point = hostedApplicationPoint(view, touch->screenLocation);
    if (!point) {
        // The view cannot be placed on the screen now: the application hears
        // the touch end without a point.
        event.phase = UITouchPhaseCancelled;
        touches.erase(touch);
    } else {
        event.x = point->x;
        event.y = point->y;
    }
    if (ApplicationProcesses::shared().sendTouch(forwarded.bundleIdentifier, forwarded.pid, event))
        return;
    CFLog(kCFLogLevelNotice, "frontboard: %s[%d] no longer takes touches; the rest of its touch is dropped", forwarded.bundleIdentifier.c_str(),
        static_cast<int>(forwarded.pid));
    touches.erase(touch);
}

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
    auto touches = std::make_shared<ForwardedTouches>();
    return [view, touches](UITouch* touch) { forward(view, touch, *touches); };
}

}

#pragma once
// Touches on an application's scene belong to the application: each event of
// such a touch goes to the application's process, at the point where the
// application shows under the finger, in its own points. The platform gives
// each host view a touch sink (UIView.h) that does this, so the views around a
// hosted scene and their recognizers never see its touches; the shell routes
// the touches no window takes to the application in front the same way.
//
// A touch that lands while the application is not running, or its scene is
// not hosted, is dropped with a log line; so is the rest of a touch whose
// process ends while the finger is down. The process that took the first event
// takes them all: one started meanwhile gets none of that touch.

#include "coregraphics/CGGeometry.h"

#include <functional>
#include <optional>
#include <string>

struct FBSceneHostView;
struct UITouch;

namespace frontboard {

// The application a landing touch goes to, named in log lines by
// `description`, and how a screen point becomes one of its points (nothing
// when it cannot be placed now).
struct TouchDestination {
    std::string bundleIdentifier;
    std::string description;
    std::function<std::optional<CGPoint>(CGPoint screenPoint)> place;
};

// A touch sink that asks `destination` where each landing touch goes; nothing
// drops the touch (`destination` logs why, when it is worth a line).
std::function<void(UITouch*)> makeApplicationTouchSink(std::function<std::optional<TouchDestination>(UITouch*)> destination);

// The screen point in the hosted application's points: the host view's
// bounds are the application's screen, as the compositor draws its frame over
// them, through every frame and transform from the screen down to the view.
// Nothing when a transform on the way cannot be inverted.
std::optional<CGPoint> hostedApplicationPoint(const FBSceneHostView* view, CGPoint screenPoint);

// The sink for `view`, which keeps it: the sink refers to the view without
// holding it.
std::function<void(UITouch*)> makeSceneTouchSink(FBSceneHostView* view);

}

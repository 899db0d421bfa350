#pragma once
// Touches on a host view belong to the hosted application: the platform gives
// each host view a touch sink (UIView.h) that sends every event of such a
// touch to the application's process, at the point where the application
// shows under the finger, in its own points. The views around the host view
// and their recognizers never see these touches.
//
// A touch that lands while the application is not running, or its scene is
// not hosted, is dropped with a log line; so is the rest of a touch whose
// process ends while the finger is down. The process that took the first event
// takes them all: one started meanwhile gets none of that touch.

#include "quartz/CGGeometry.h"

#include <functional>
#include <optional>

struct FBSceneHostView;
struct UITouch;

namespace frontboard {

// The screen point in the hosted application's points: the host view's
// bounds are the application's screen, as the compositor draws its frame over
// them, through every frame and transform from the screen down to the view.
// Nothing when a transform on the way cannot be inverted.
std::optional<CGPoint> hostedApplicationPoint(const FBSceneHostView* view, CGPoint screenPoint);

// The sink for `view`, which keeps it: the sink refers to the view without
// holding it.
std::function<void(UITouch*)> makeSceneTouchSink(FBSceneHostView* view);

}

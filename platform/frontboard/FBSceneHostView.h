#pragma once
// The views that show a hosted scene: a wrapper of the screen's size, whose
// first subview is the host view proper. The host view is hosting while its
// manager has hosting enabled and the application has frames to show; the
// compositor asks it for the latest one. Touches on the host view go to the
// application's process (SceneTouchForwarding.h).
//
// Encodings: isHosting "B@:".

#include "FBSceneContextHostManager.h"

#include "uikit/UIView.h"

#include <cairo.h>

struct FBSceneHostWrapperView : UIView {
};

struct FBSceneHostView : UIView {
    Strong<FBSceneContextHostManager> manager;
};

namespace frontboard {
Class FBSceneHostWrapperViewClass();
Class FBSceneHostViewClass();
void registerFBSceneHostViews();

// A new wrapper of the screen's size holding one host view (owned by the
// caller).
UIView* makeSceneHostView(FBSceneContextHostManager* manager);
bool isHosting(const FBSceneHostView* view);
// The latest whole frame of the hosted application (the caller owns it), or
// nullptr when the view is not hosting.
cairo_surface_t* copyHostedFrame(const FBSceneHostView* view);
// The same in place, for drawing at once (valid until the next take).
cairo_surface_t* takeHostedFrame(const FBSceneHostView* view);
}

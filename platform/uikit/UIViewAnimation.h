#pragma once
// UIView's block animations and the values the compositor draws.
//
// Class methods: animateWithDuration:animations:completion: "v@:d@@" and
// animateWithDuration:animations: "v@:d@"; the blocks are NSBlocks (a block
// without arguments, and a completion taking the "finished" flag). Changes of
// frame (setFrame:, setBounds:, setCenter:) and alpha (setAlpha:) that the
// animations block makes through the runtime, on any view or window, are
// animated for the duration with the ease-in-out curve; `frame` and `alpha`
// answer the new values at once. See ViewAnimator.h for the rules.

#include "UIView.h"

namespace uikit {

// Adds the animation class methods to UIView.
void registerUIViewAnimations();

// What is on screen now: the frame as `frame` would answer it (under the
// view's transform), the untransformed frame (drawing puts the transform on
// it), and the alpha. Without a running animation these are the model values.
CGRect presentationFrame(const UIView* view);
CGRect presentationUntransformedFrame(const UIView* view);
CGFloat presentationAlpha(const UIView* view);

// True while something is moving, so that a real-time display keeps drawing.
bool hasRunningAnimations();

// Forgets every animation, with their completions uncalled; for tests.
void resetAnimations();

}

#pragma once
// UIKit's keyboard notifications, as the process that shows the keyboard and
// the process that edits post them on their own default center: no object,
// and a user info with the keyboard's frame at the start and at the end of its
// animation, in screen coordinates, boxed as NSValues.

#include "coregraphics/CGGeometry.h"
#include "foundation/NSString.h"

#define UIKeyboardFrameBeginUserInfoKey NSSTR("UIKeyboardFrameBeginUserInfoKey")
#define UIKeyboardFrameEndUserInfoKey NSSTR("UIKeyboardFrameEndUserInfoKey")

namespace uikit {

// The keyboard's height in points across a screen held upright, and turned.
inline constexpr CGFloat kKeyboardPortraitHeight = 216;
inline constexpr CGFloat kKeyboardLandscapeHeight = 162;
// Seconds the keyboard takes to slide in or out.
inline constexpr double kKeyboardSlideSeconds = 0.25;

// Posts `name` (UIKeyboardWillShowNotification or UIKeyboardWillHideNotification)
// on the default center through the runtime.
void postKeyboardNotification(NSString* name, CGRect begin, CGRect end);

}

#pragma once
// The phone's screen: its bounds in points and its scale (pixels per point).
// The simulator sets the size (--screen, held upright); the default is 375 x
// 667 at scale 2. The bounds follow the interface orientation: in landscape
// the width and height trade places, as UIKit's do.
//
// Encodings: mainScreen "@@:" (class), bounds "{CGRect=...}@:", scale "d@:".

#include "coregraphics/CGGeometry.h"
#include "foundation/NSObject.h"

struct UIScreen : NSObject { };

namespace uikit {

Class UIScreenClass();
void registerUIScreen();

inline constexpr CGSize kDefaultMainScreenSize { 375, 667 };
inline constexpr CGFloat kDefaultMainScreenScale = 2;

// Refuses (false, nothing changed) sizes that are not positive finite numbers.
bool setMainScreenSize(CGFloat width, CGFloat height);
bool setMainScreenScale(CGFloat scale);
CGRect mainScreenBounds();
CGFloat mainScreenScale();

// The size in points held upright (orientation 1), whatever the orientation.
CGSize mainScreenPortraitSize();
// UIKit's interface orientation (1 to 4) the bounds follow; refuses (false,
// nothing changed) any other value.
bool setMainScreenOrientation(long orientation);
long mainScreenOrientation();
bool isLandscapeOrientation(long orientation);
// `portrait` as the screen shows it in `orientation`.
CGSize sizeInOrientation(CGSize portrait, long orientation);

void resetScreen();

}

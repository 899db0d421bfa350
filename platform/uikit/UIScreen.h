#pragma once
// The phone's screen: its bounds in points and its scale (pixels per point).
// The simulator sets the size (--screen); the default is 375 x 667 at scale 2.
//
// Encodings: mainScreen "@@:" (class), bounds "{CGRect=...}@:", scale "d@:".

#include "foundation/NSObject.h"
#include "quartz/CGGeometry.h"

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

void resetScreen();

}

#pragma once
// Building the shell's own screens (the lock screen, alerts) from UIKit's
// views, through the runtime as any UIKit client builds them.

#include "coregraphics/CGGeometry.h"
#include "runtime/Runtime.h"
#include "uikit/UILabel.h"
#include "uikit/UIWindow.h"

namespace springboard {

// Above every application and the shell's windows at the status-bar level;
// alerts (UIWindowLevelAlert) are above it.
inline constexpr UIWindowLevel kLockScreenWindowLevel = 1500;

struct LabelStyle {
    CGFloat size = 17;
    bool bold = false;
    UIColor* color = nullptr;
    long alignment = NSTextAlignmentCenter;
    long lines = 1;
};

// A window of the screen's size at `level`, hidden until shown.
Strong<UIWindow> makeShellWindow(UIWindowLevel level);
// A view added to `parent`, with `color` behind it (none when nil).
UIView* addView(UIView* parent, CGRect frame, UIColor* color);
UILabel* addLabel(UIView* parent, CGRect frame, const std::string& text, const LabelStyle& style);
// A recognizer of `recognizerClass` on `view` that sends `action` to `target`.
id addRecognizer(UIView* view, Class recognizerClass, id target, SEL action);

}

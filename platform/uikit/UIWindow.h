#pragma once
// Windows: root views with a level. Windows start hidden; a visible window is
// kept by the application until it is hidden again. At equal levels the window
// made visible last is in front, for drawing and for touches. Hit testing is
// UIView's, not overridden, so a replacement of UIView's method decides here too.
//
// Encodings: windowLevel "d@:", setWindowLevel: "v@:d", makeKeyAndVisible "v@:",
// rootViewController "@@:", setRootViewController: "v@:@".

#include "UIView.h"
#include "UIViewController.h"

#include <cstdint>
#include <vector>

using UIWindowLevel = CGFloat;
inline constexpr UIWindowLevel UIWindowLevelNormal = 0;
inline constexpr UIWindowLevel UIWindowLevelStatusBar = 1000;
inline constexpr UIWindowLevel UIWindowLevelAlert = 2000;

struct UIWindow : UIView {
    UIWindow() { hidden = true; }

    UIWindowLevel windowLevel = UIWindowLevelNormal;
    // When the window last became visible: a later one is in front at equal levels.
    uint64_t visibleOrder = 0;
    Strong<UIViewController> rootViewController;

    void hiddenDidChange() override;
};

namespace uikit {

Class UIWindowClass();
void registerUIWindow();

// The visible windows from back to front: by level, then by the order in which
// they became visible.
std::vector<UIWindow*> visibleWindowsBackToFront();
// The key window, or nil; hiding it gives up the key status.
UIWindow* keyWindow();

void resetWindows();

}

#pragma once
// View controllers: a view, made on first use, the appearance callbacks and
// the status bar's appearance.
//
// Encodings: view "@@:", setView: "v@:@", viewDidAppear: "v@:B",
// prefersStatusBarHidden "B@:", setNeedsStatusBarAppearanceUpdate "v@:".

#include "UIView.h"

struct UIViewController : UIResponder {
    Strong<UIView> view;
    // The controller's own answer to prefersStatusBarHidden: data the
    // application sets, read by the base class's method, so that every
    // controller answers through that one method.
    bool statusBarHiddenPreference = false;
};

namespace uikit {
Class UIViewControllerClass();
void registerUIViewController();
}

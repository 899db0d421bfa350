#pragma once
// View controllers: a view, made on first use, and the appearance callbacks.
//
// Encodings: view "@@:", setView: "v@:@", viewDidAppear: "v@:B".

#include "UIView.h"

struct UIViewController : UIResponder {
    Strong<UIView> view;
};

namespace uikit {
Class UIViewControllerClass();
void registerUIViewController();
}

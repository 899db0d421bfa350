#pragma once
// The view an alert is drawn in. Its description names it by its title, with
// no address, so that log lines that print it repeat from run to run.
//
// Encodings: title "@@:".

#include "UIView.h"

struct UIAlertView : UIView {
    Strong<NSString> title;
};

namespace uikit {
Class UIAlertViewClass();
void registerUIAlertView();
}

#pragma once
// Labels: a view that draws a line of text in a font, colour and alignment.
//
// Encodings: text, textColor, font "@"; textAlignment "q" (1 is centred).

#include "UIFont.h"
#include "UIView.h"

enum NSTextAlignment : long {
    NSTextAlignmentLeft = 0,
    NSTextAlignmentCenter = 1,
    NSTextAlignmentRight = 2,
};

struct UILabel : UIView {
    // As on the phone, labels take no touches unless asked to.
    UILabel() { userInteractionEnabled = false; }

    Strong<NSString> text;
    // Nil until set: the getters then give the defaults (black, system 17 pt).
    Strong<UIColor> textColor;
    Strong<UIFont> font;
    long textAlignment = NSTextAlignmentLeft;
};

namespace uikit {
Class UILabelClass();
void registerUILabel();
}

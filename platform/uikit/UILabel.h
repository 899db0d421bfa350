#pragma once
// Labels: a view that draws text in a font, colour and alignment: one line,
// or as many as `numberOfLines` allows (0: as many as fit), broken between words.
//
// Encodings: text, textColor, font "@"; textAlignment, numberOfLines "q" (1 is centred).

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
    long numberOfLines = 1;
};

namespace uikit {
Class UILabelClass();
void registerUILabel();
}

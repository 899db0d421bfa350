#pragma once
// Fonts: a name and a size in points; labels draw their text with them.

#include "foundation/NSString.h"
#include "coregraphics/CGGeometry.h"

struct UIFont : NSObject {
    Strong<NSString> fontName;
    CGFloat pointSize = 0;

    // An autoreleased system font of the given size.
    static UIFont* systemFont(CGFloat pointSize);
    static UIFont* boldSystemFont(CGFloat pointSize);
};

namespace uikit {
Class UIFontClass();
void registerUIFont();
}

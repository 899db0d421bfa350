#pragma once
// Fonts: a name and a size in points; labels draw their text with them.

#include "coregraphics/CGGeometry.h"
#include "foundation/NSString.h"

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

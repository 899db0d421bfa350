#pragma once
// Image views: a view that shows an image, in the view's tint colour when the
// image is a template (rendering mode 2).

#include "UIImage.h"
#include "UIView.h"

struct UIImageView : UIView {
    // As on the phone, image views take no touches unless asked to.
    UIImageView() { userInteractionEnabled = false; }

    Strong<UIImage> image;
};

namespace uikit {
Class UIImageViewClass();
void registerUIImageView();
}

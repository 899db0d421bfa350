#pragma once
// Images: pixels in a cairo image surface (shared between an image and the
// copies made with another rendering mode), a scale, and a rendering mode.
// Template images (mode 2) are drawn in the tint colour of the view showing them.

#include "coregraphics/CGGeometry.h"
#include "foundation/NSObject.h"

#include <memory>
#include <string>

using cairo_surface_t = struct _cairo_surface;

enum UIImageRenderingMode : long {
    UIImageRenderingModeAutomatic = 0,
    UIImageRenderingModeAlwaysOriginal = 1,
    UIImageRenderingModeAlwaysTemplate = 2,
};

struct UIImage : NSObject {
    std::shared_ptr<cairo_surface_t> pixels;
    CGFloat scale = 1;
    long renderingMode = UIImageRenderingModeAutomatic;

    // An autoreleased image of the surface (which it takes over), or nil when
    // the surface is null or in an error state.
    static UIImage* make(cairo_surface_t* surface, CGFloat scale = 1);
    // Size in points: pixels divided by the scale.
    CGSize size() const;
};

namespace uikit {

Class UIImageClass();
void registerUIImage();

// Larger PNG files or images are refused rather than read into memory.
inline constexpr long kMaximumImageFileBytes = 64L * 1024 * 1024;
inline constexpr long kMaximumImagePixels = 16L * 1024 * 1024;

// Reads a PNG file at a device path (foundation/DevicePath.h): an autoreleased
// image, or nil when the file is missing or cannot be read as a PNG (the
// latter with one diagnostic log line naming the path as given).
UIImage* loadImageFile(const std::string& path);

}

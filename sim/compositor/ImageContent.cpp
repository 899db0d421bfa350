#include "Painting.h"
#include "ViewContent.h"

#include <algorithm>
#include <cmath>

namespace compositor {

CGRect placeImage(long contentMode, CGRect bounds, CGSize imageSize)
{
    if (contentMode != UIViewContentModeScaleAspectFit && contentMode != UIViewContentModeScaleAspectFill)
        return bounds;
    double const across = bounds.size.width / imageSize.width;
    double const down = bounds.size.height / imageSize.height;
    double const factor = contentMode == UIViewContentModeScaleAspectFit ? std::min(across, down) : std::max(across, down);
    CGSize const size { imageSize.width * factor, imageSize.height * factor };
    return { { bounds.origin.x + (bounds.size.width - size.width) / 2, bounds.origin.y + (bounds.size.height - size.height) / 2 }, size };
}

void drawImageContent(cairo_t* cairo, const UIImageView& view, double opacity)
{
    UIImage const* image = view.image.get();
    if (!image || !image->pixels || cairo_surface_get_type(image->pixels.get()) != CAIRO_SURFACE_TYPE_IMAGE)
        return;
    cairo_surface_t* pixels = image->pixels.get();
    int const pixelWidth = cairo_image_surface_get_width(pixels);
    int const pixelHeight = cairo_image_surface_get_height(pixels);
    CGSize const size = image->size();
    if (pixelWidth <= 0 || pixelHeight <= 0 || !(size.width > 0) || !(size.height > 0))
        return;
    CGRect const target = placeImage(view.contentMode, view.bounds(), size);
    if (!isFinite(target) || !(target.size.width > 0) || !(target.size.height > 0))
        return;

    cairo_save(cairo);
    cairo_translate(cairo, target.origin.x, target.origin.y);
    cairo_scale(cairo, target.size.width / pixelWidth, target.size.height / pixelHeight);
    cairo_rectangle(cairo, 0, 0, pixelWidth, pixelHeight);
    cairo_clip(cairo);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(pixels);
    // Padding keeps the edge pixels whole when the image is scaled up.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
    if (image->renderingMode == UIImageRenderingModeAlwaysTemplate) {
        setSourceColor(cairo, view.effectiveTintColor(), opacity);
        cairo_mask(cairo, pattern);
    } else {
        cairo_set_source(cairo, pattern);
        cairo_paint_with_alpha(cairo, std::clamp(opacity, 0.0, 1.0));
    }
    cairo_pattern_destroy(pattern);
    cairo_restore(cairo);
}

}

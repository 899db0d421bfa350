#include "LayerShadow.h"
#include "Painting.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace compositor {

namespace {

// A shadow's mask is never made larger than this many pixels a side; a
// larger one is drawn at a coarser resolution.
constexpr double kLargestMaskSide = 4096;

// One pass of a box blur of `radius` along rows (step 1) or columns (step =
// stride), with the mask's edges treated as transparent.
void boxBlurPass(unsigned char* pixels, int count, int lines, int step, int lineStep, int radius)
{
    std::vector<unsigned char> line(static_cast<size_t>(count));
    int const width = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        unsigned char* start = pixels + static_cast<ptrdiff_t>(l) * lineStep;
        for (int i = 0; i < count; ++i)
            line[static_cast<size_t>(i)] = start[static_cast<ptrdiff_t>(i) * step];
        int sum = 0;
        for (int i = 0; i <= std::min(radius, count - 1); ++i)
            sum += line[static_cast<size_t>(i)];
        for (int i = 0; i < count; ++i) {
            start[static_cast<ptrdiff_t>(i) * step] = static_cast<unsigned char>((sum + width / 2) / width);
            if (int const entering = i + radius + 1; entering < count)
                sum += line[static_cast<size_t>(entering)];
            if (int const leaving = i - radius; leaving >= 0)
                sum -= line[static_cast<size_t>(leaving)];
        }
    }
}

// Three box passes each way come close to a Gaussian of deviation `sigma`.
void blurMask(cairo_surface_t* mask, double sigma)
{
    int const radius = static_cast<int>(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2));
    if (radius < 1)
        return;
    cairo_surface_flush(mask);
    unsigned char* pixels = cairo_image_surface_get_data(mask);
    int const width = cairo_image_surface_get_width(mask);
    int const height = cairo_image_surface_get_height(mask);
    int const stride = cairo_image_surface_get_stride(mask);
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurPass(pixels, width, height, 1, stride, radius);
        boxBlurPass(pixels, height, width, stride, 1, radius);
    }
    cairo_surface_mark_dirty(mask);
}

// What decides a shadow's mask.
struct MaskKey {
    CGSize shape;
    double cornerRadius;
    double sigma;
    double resolution;
    bool operator==(const MaskKey&) const = default;
};

struct KeptMask {
    MaskKey key;
    cairo_surface_t* mask;
};

// The last few masks made, newest first: a view's shadow mostly stays the
// same while what lies beside it changes, and blurring it again for every
// frame costs more than the rest of a small redraw.
constexpr size_t kKeptMasks = 4;

std::vector<KeptMask>& keptMasks()
{
    static std::vector<KeptMask> masks;
    return masks;
}

// A blurred mask of the rounded shape inside `margin`, or null; the caller
// releases it.
cairo_surface_t* shadowMask(const MaskKey& key, double margin)
{
    auto& kept = keptMasks();
    for (size_t index = 0; index < kept.size(); ++index) {
        if (!(kept[index].key == key))
            continue;
        std::rotate(kept.begin(), kept.begin() + static_cast<ptrdiff_t>(index), kept.begin() + static_cast<ptrdiff_t>(index) + 1);
        return cairo_surface_reference(kept.front().mask);
    }
    int const maskWidth = static_cast<int>(std::ceil((key.shape.width + 2 * margin) * key.resolution));
    int const maskHeight = static_cast<int>(std::ceil((key.shape.height + 2 * margin) * key.resolution));
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, maskWidth, maskHeight);
    cairo_t* maskCairo = cairo_create(mask);
    cairo_scale(maskCairo, key.resolution, key.resolution);
    addRoundedRectangle(maskCairo, { { margin, margin }, key.shape }, key.cornerRadius);
    cairo_fill(maskCairo);
    cairo_destroy(maskCairo);
    if (cairo_surface_status(mask) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(mask);
        return nullptr;
    }
    blurMask(mask, key.sigma * key.resolution);
    if (kept.size() == kKeptMasks) {
        cairo_surface_destroy(kept.back().mask);
        kept.pop_back();
    }
    kept.insert(kept.begin(), { key, cairo_surface_reference(mask) });
    return mask;
}

}

void drawLayerShadow(cairo_t* cairo, const CALayer& layer, CGRect shape, double cornerRadius, double opacity)
{
    double const strength = std::clamp(static_cast<double>(layer.shadowOpacity), 0.0, 1.0) * opacity;
    CGSize const offset = layer.shadowOffset;
    if (!(strength > 0) || !std::isfinite(offset.width) || !std::isfinite(offset.height))
        return;
    // The mask is made at the resolution the shape lands on the screen with.
    cairo_matrix_t matrix;
    cairo_get_matrix(cairo, &matrix);
    double const pixelsPerUnit = std::sqrt(std::fabs(matrix.xx * matrix.yy - matrix.xy * matrix.yx));
    double const sigma = std::isfinite(layer.shadowRadius) ? std::max(layer.shadowRadius, 0.0) / 2 : 0;
    double const margin = std::ceil(3 * sigma) + 1;
    double const side = std::max(shape.size.width, shape.size.height) + 2 * margin;
    double const resolution = std::min(pixelsPerUnit, kLargestMaskSide / side);
    if (!(resolution > 0) || !std::isfinite(resolution))
        return;

    cairo_surface_t* mask = shadowMask({ shape.size, cornerRadius, sigma, resolution }, margin);
    if (!mask)
        return;
    cairo_save(cairo);
    cairo_translate(cairo, shape.origin.x + offset.width - margin, shape.origin.y + offset.height - margin);
    cairo_scale(cairo, 1 / resolution, 1 / resolution);
    cairo_set_source_rgba(cairo, 0, 0, 0, strength);
    cairo_mask_surface(cairo, mask, 0, 0);
    cairo_restore(cairo);
    cairo_surface_destroy(mask);
}

}

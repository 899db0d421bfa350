#include "HostedFrames.h"

#include "Damage.h"

#include "quartz/SharedFrameBuffer.h"

#include <algorithm>
#include <cmath>

namespace compositor {

namespace {

// A frame is drawn scaled with a filter, so a changed row of it reaches into
// the rows beside it on the screen.
constexpr double kFilterRows = 2;
constexpr double kFilterPoints = 1;

bool isLandscape(double width, double height) { return width > height; }

}

FrameScale frameScale(int width, int height, CGSize size)
{
    FrameScale scale { size.width / width, size.height / height };
    // A frame turned otherwise than the view (drawn before the application
    // heard of a turn) keeps its proportions rather than being squashed.
    if (isLandscape(width, height) != isLandscape(size.width, size.height))
        scale.x = scale.y = std::min(scale.x, scale.y);
    return scale;
}

void paintFrame(cairo_surface_t* frame, cairo_t* cairo, CGSize size)
{
    if (!frame)
        return;
    // The frame is the application's whole screen in pixels; the view is
    // that screen in points.
    FrameScale const scale = frameScale(cairo_image_surface_get_width(frame), cairo_image_surface_get_height(frame), size);
    cairo_matrix_t toView;
    cairo_get_matrix(cairo, &toView);
    double left = 0, top = 0, right = 0, bottom = 0;
    cairo_save(cairo);
    cairo_identity_matrix(cairo);
    cairo_clip_extents(cairo, &left, &top, &right, &bottom);
    cairo_restore(cairo);
    // pixman steps down a scaled image from the first row it draws: drawn in
    // the bands damage comes in, each band starts alike in every redraw.
    for (double band = std::floor(top / kDamageRowBand) * kDamageRowBand; band < bottom; band += kDamageRowBand) {
        cairo_save(cairo);
        cairo_identity_matrix(cairo);
        cairo_rectangle(cairo, left, band, right - left, kDamageRowBand);
        cairo_clip(cairo);
        cairo_set_matrix(cairo, &toView);
        cairo_scale(cairo, scale.x, scale.y);
        cairo_set_source_surface(cairo, frame, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
        cairo_paint(cairo);
        cairo_restore(cairo);
    }
    cairo_surface_destroy(frame);
}

std::optional<CGRect> changedPartOfView(const quartz::SharedFrameBuffer& frames, uint64_t since, uint64_t upTo, CGSize size)
{
    auto const rows = frames.changedRows(since, upTo);
    if (!rows)
        return std::nullopt;
    if (rows->top >= rows->bottom)
        return CGRect {};
    FrameScale const scale = frameScale(rows->frameWidth, rows->frameHeight, size);
    double const top = (rows->top - kFilterRows) * scale.y - kFilterPoints;
    double const bottom = (rows->bottom + kFilterRows) * scale.y + kFilterPoints;
    return CGRect { { 0, top }, { size.width, bottom - top } };
}

}

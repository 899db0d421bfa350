// Each view is drawn in its own coordinates: background (rounded by the layer's
// corner radius, with the layer's shadow beneath), then its content (a
// registered drawer's, an image's or a label's), then its subviews, last one
// in front, clipped when the layer masks to its bounds. A view with alpha
// under 1 and more than a background is drawn as a group and faded as a whole,
// as layers are, so overlapping subviews do not show through one another.

#include "ViewDrawing.h"

#include "ContentDrawers.h"
#include "LayerShadow.h"
#include "Painting.h"
#include "ViewContent.h"

#include "quartz/LayerAnimations.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIViewAnimation.h"

#include <algorithm>
#include <cmath>

namespace compositor {

namespace {

bool isFiniteTransform(const CGAffineTransform& t)
{
    return std::isfinite(t.a) && std::isfinite(t.b) && std::isfinite(t.c) && std::isfinite(t.d) && std::isfinite(t.tx) && std::isfinite(t.ty);
}

}

bool viewToSuperview(const UIView& view, cairo_matrix_t* local)
{
    CGRect const frame = uikit::presentationUntransformedFrame(&view);
    CGPoint const origin = view.boundsOrigin;
    CGAffineTransform const t = quartz::presentationTransform(view.layer.get(), view.transform);
    if (!isFinite(frame) || !std::isfinite(origin.x) || !std::isfinite(origin.y) || !isFiniteTransform(t))
        return false;
    if (t == CGAffineTransformIdentity) {
        cairo_matrix_init_translate(local, frame.origin.x - origin.x, frame.origin.y - origin.y);
        return true;
    }
    CGPoint const middle { frame.origin.x + frame.size.width / 2, frame.origin.y + frame.size.height / 2 };
    cairo_matrix_t toMiddle, turn, back;
    cairo_matrix_init_translate(&toMiddle, -origin.x - frame.size.width / 2, -origin.y - frame.size.height / 2);
    cairo_matrix_init(&turn, t.a, t.b, t.c, t.d, t.tx, t.ty);
    cairo_matrix_init_translate(&back, middle.x, middle.y);
    cairo_matrix_multiply(local, &toMiddle, &turn);
    cairo_matrix_multiply(local, local, &back);
    return true;
}

CGRect shownBounds(const UIView& view)
{
    return { view.boundsOrigin, uikit::presentationUntransformedFrame(&view).size };
}

double cornerRadius(const UIView& view)
{
    double const radius = view.layer ? view.layer->cornerRadius : 0;
    return std::isfinite(radius) && radius > 0 ? radius : 0;
}

namespace {

// Moves cairo's user space from the superview's coordinates into the view's.
// False, with cairo unchanged, when the view cannot be drawn (a frame or
// transform that is not finite, or one that flattens the view to nothing,
// which would also put cairo in an error state).
bool enterView(cairo_t* cairo, const UIView& view)
{
    cairo_matrix_t local;
    if (!viewToSuperview(view, &local))
        return false;
    cairo_matrix_t current, combined;
    cairo_get_matrix(cairo, &current);
    cairo_matrix_multiply(&combined, &local, &current);
    cairo_matrix_t inverse = combined;
    if (cairo_matrix_invert(&inverse) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_set_matrix(cairo, &combined);
    return true;
}

// Draws the view's content above its background.
void drawContent(cairo_t* cairo, UIView& view, double opacity)
{
    CGRect const bounds = shownBounds(view);
    if (auto const* drawer = contentDrawerFor(&view)) {
        cairo_save(cairo);
        cairo_rectangle(cairo, bounds.origin.x, bounds.origin.y, bounds.size.width, bounds.size.height);
        cairo_clip(cairo);
        cairo_translate(cairo, bounds.origin.x, bounds.origin.y);
        (*drawer)(&view, cairo, bounds.size);
        cairo_restore(cairo);
        return;
    }
    if (foundation::isKindOf(&view, uikit::UIImageViewClass())) {
        drawImageContent(cairo, static_cast<UIImageView&>(view), opacity);
        return;
    }
    if (foundation::isKindOf(&view, uikit::UILabelClass()))
        drawLabelContent(cairo, static_cast<UILabel&>(view), opacity);
}

}

bool hasMoreThanBackground(UIView& view)
{
    return !view.subviews.empty() || contentDrawerFor(&view) || foundation::isKindOf(&view, uikit::UIImageViewClass())
        || foundation::isKindOf(&view, uikit::UILabelClass());
}

namespace {

void drawInside(cairo_t* cairo, UIView& view, double opacity)
{
    CGRect const bounds = shownBounds(view);
    bool const hasArea = bounds.size.width > 0 && bounds.size.height > 0;
    double const radius = cornerRadius(view);
    CALayer const* layer = view.layer.get();
    bool const clips = layer && layer->masksToBounds;
    if (clips && !hasArea)
        return;

    // A layer that masks to its bounds cuts its own shadow off, as on the phone.
    UIColor const* background = view.backgroundColor.get();
    if (hasArea && background && background->alpha > 0 && layer && !clips)
        drawLayerShadow(cairo, *layer, bounds, radius, opacity);

    bool const asGroup = opacity < 1 && hasMoreThanBackground(view);
    double const paintOpacity = asGroup ? 1 : opacity;
    if (asGroup)
        cairo_push_group(cairo);
    if (hasArea && background) {
        setSourceColor(cairo, background, paintOpacity);
        addRoundedRectangle(cairo, bounds, radius);
        cairo_fill(cairo);
    }
    if (clips) {
        addRoundedRectangle(cairo, bounds, radius);
        cairo_clip(cairo);
    }
    if (hasArea)
        drawContent(cairo, view, paintOpacity);
    // By index, holding each subview: a content drawer may change the tree.
    // NOLINTNEXTLINE(modernize-loop-convert): a range-for's iterators would not survive that
    for (size_t index = 0; index < view.subviews.size(); ++index) {
        Strong<UIView> subview = view.subviews[index];
        drawViewTree(cairo, subview.get(), paintOpacity);
    }
    if (asGroup) {
        cairo_pop_group_to_source(cairo);
        cairo_paint_with_alpha(cairo, opacity);
    }
}

}

void drawViewTree(cairo_t* cairo, UIView* view, double opacity)
{
    if (!view || view->hidden)
        return;
    // The alpha on screen, mid-animation too.
    CGFloat const alpha = uikit::presentationAlpha(view);
    if (!(alpha > 0))
        return;
    double const ownOpacity = opacity * std::min(alpha, 1.0);
    cairo_save(cairo);
    if (enterView(cairo, *view))
        drawInside(cairo, *view, ownOpacity);
    cairo_restore(cairo);
}

}

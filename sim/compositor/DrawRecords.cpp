// Follows drawViewTree's decisions (what is skipped, what is grouped, what is
// clipped) so that every pixel drawn belongs to some record's area.

#include "DrawRecords.h"

#include "ContentDrawers.h"
#include "HomeScreen.h"
#include "HostedContent.h"
#include "Painting.h"
#include "ViewContent.h"
#include "ViewDrawing.h"

#include "dispatch/RunLoop.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UIViewAnimation.h"
#include "uikit/UIWindow.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace compositor {

namespace {

// What a view inherits from its superviews while the tree is walked.
struct Inherited {
    cairo_matrix_t toScreen;
    // The superviews' clipping, as a screen rectangle.
    CGRect clip;
    // The opacity the view is painted with, as drawViewTree passes it.
    double opacity = 1;
    // What the groups above fade the view by.
    double fade = 1;
};

CGRect boundingBox(const cairo_matrix_t& matrix, CGRect rect)
{
    double xs[4], ys[4];
    double const cornersX[4] = { rect.origin.x, CGRectGetMaxX(rect), rect.origin.x, CGRectGetMaxX(rect) };
    double const cornersY[4] = { rect.origin.y, rect.origin.y, CGRectGetMaxY(rect), CGRectGetMaxY(rect) };
    for (int i = 0; i < 4; ++i) {
        xs[i] = cornersX[i];
        ys[i] = cornersY[i];
        cairo_matrix_transform_point(&matrix, &xs[i], &ys[i]);
    }
    double const left = *std::min_element(xs, xs + 4), right = *std::max_element(xs, xs + 4);
    double const top = *std::min_element(ys, ys + 4), bottom = *std::max_element(ys, ys + 4);
    return { { left, top }, { right - left, bottom - top } };
}

CGRect unite(CGRect a, CGRect b)
{
    if (a.size.width <= 0 || a.size.height <= 0)
        return b;
    if (b.size.width <= 0 || b.size.height <= 0)
        return a;
    double const left = std::min(a.origin.x, b.origin.x), top = std::min(a.origin.y, b.origin.y);
    double const right = std::max(CGRectGetMaxX(a), CGRectGetMaxX(b)), bottom = std::max(CGRectGetMaxY(a), CGRectGetMaxY(b));
    return { { left, top }, { right - left, bottom - top } };
}

CGRect intersect(CGRect a, CGRect b)
{
    double const left = std::max(a.origin.x, b.origin.x), top = std::max(a.origin.y, b.origin.y);
    double const right = std::min(CGRectGetMaxX(a), CGRectGetMaxX(b)), bottom = std::min(CGRectGetMaxY(a), CGRectGetMaxY(b));
    if (!(right > left) || !(bottom > top))
        return {};
    return { { left, top }, { right - left, bottom - top } };
}

CGRect outset(CGRect rect, double by)
{
    return { { rect.origin.x - by, rect.origin.y - by }, { rect.size.width + 2 * by, rect.size.height + 2 * by } };
}

void addColor(std::vector<double>& look, const UIColor* color)
{
    if (!color) {
        look.push_back(-1);
        return;
    }
    look.insert(look.end(), { color->red, color->green, color->blue, color->alpha });
}

void addRect(std::vector<double>& look, CGRect rect)
{
    look.insert(look.end(), { rect.origin.x, rect.origin.y, rect.size.width, rect.size.height });
}

void addPointer(std::vector<double>& look, const void* pointer)
{
    look.push_back(static_cast<double>(reinterpret_cast<uintptr_t>(pointer)));
}

// The shadow as drawLayerShadow paints it: the shape moved by the offset and
// spread by the blur, plus a point for the mask's rounding up to pixels.
CGRect shadowArea(const CALayer& layer, CGRect shape, double opacity)
{
    if (!(std::clamp(static_cast<double>(layer.shadowOpacity), 0.0, 1.0) * opacity > 0))
        return {};
    CGSize const offset = layer.shadowOffset;
    if (!std::isfinite(offset.width) || !std::isfinite(offset.height))
        return {};
    double const sigma = std::isfinite(layer.shadowRadius) ? std::max(layer.shadowRadius, 0.0) / 2 : 0;
    double const margin = std::ceil(3 * sigma) + 2;
    return outset({ { shape.origin.x + offset.width, shape.origin.y + offset.height }, shape.size }, margin);
}

void addLayer(std::vector<double>& look, const CALayer* layer)
{
    if (!layer) {
        look.push_back(-1);
        return;
    }
    look.insert(look.end(), { layer->cornerRadius, layer->shadowRadius, layer->shadowOpacity, layer->shadowOffset.width, layer->shadowOffset.height, layer->masksToBounds ? 1.0 : 0.0 });
}

// The view's content: what decides it goes into the record, and the part of
// the view's coordinates it may paint is returned.
CGRect recordContent(ViewRecord& record, UIView& view, CGRect bounds)
{
    if (contentDrawerFor(&view)) {
        if (auto const* version = contentVersionFor(&view))
            record.text = (*version)(&view);
        else
            record.changesEveryFrame = true;
        return bounds;
    }
    auto& look = record.look;
    if (foundation::isKindOf(&view, uikit::UIImageViewClass())) {
        auto const& imageView = static_cast<UIImageView&>(view);
        UIImage const* image = imageView.image.get();
        addPointer(look, image);
        if (!image || !image->pixels)
            return {};
        addPointer(look, image->pixels.get());
        CGSize const size = image->size();
        look.insert(look.end(), { size.width, size.height, static_cast<double>(image->renderingMode), static_cast<double>(imageView.contentMode) });
        addColor(look, imageView.effectiveTintColor());
        if (!(size.width > 0) || !(size.height > 0))
            return {};
        CGRect const target = placeImage(imageView.contentMode, imageView.bounds(), size);
        return isFinite(target) ? target : CGRect {};
    }
    if (foundation::isKindOf(&view, uikit::UILabelClass())) {
        auto const& label = static_cast<UILabel&>(view);
        record.text = label.text ? label.text->value : std::string();
        addColor(look, label.textColor.get());
        look.insert(look.end(), { label.font ? label.font->pointSize : -1, static_cast<double>(label.textAlignment), static_cast<double>(label.numberOfLines) });
        if (label.font && label.font->fontName)
            record.text += '\n' + label.font->fontName->value;
        return label.bounds();
    }
    return {};
}

// An animation that stays on its layer after its end shows its last value
// from then on: only one still running moves anything.
bool isMoving(const CALayer& layer)
{
    int64_t const now = dispatch::RunLoop::main().nowNanoseconds();
    return std::any_of(layer.animations.begin(), layer.animations.end(), [now](const LayerAnimation& running) {
        return now < running.beginNanoseconds + static_cast<int64_t>(running.track.seconds * 1e9);
    });
}

class Recorder {
public:
    Recorder(ScreenRecord& screen, const ScreenRecord* before)
        : m_screen(screen)
    {
        if (!before)
            return;
        for (auto const& record : before->views)
            m_before.emplace(record.view, &record);
    }

    void recordTree(UIView* view, const Inherited& from)
    {
        if (!view || view->hidden)
            return;
        CGFloat const alpha = uikit::presentationAlpha(view);
        if (!(alpha > 0))
            return;
        if (view->layer && isMoving(*view->layer))
            m_screen.animating = true;
        cairo_matrix_t local;
        if (!viewToSuperview(*view, &local))
            return;
        Inherited inside = from;
        cairo_matrix_multiply(&inside.toScreen, &local, &from.toScreen);
        cairo_matrix_t inverse = inside.toScreen;
        if (cairo_matrix_invert(&inverse) != CAIRO_STATUS_SUCCESS)
            return;
        double const opacity = from.opacity * std::min(alpha, 1.0);
        recordInside(*view, inside, opacity);
    }

private:
    void recordInside(UIView& view, Inherited& inside, double opacity)
    {
        CGRect const bounds = shownBounds(view);
        bool const hasArea = bounds.size.width > 0 && bounds.size.height > 0;
        CALayer const* layer = view.layer.get();
        bool const clips = layer && layer->masksToBounds;
        if (clips && !hasArea)
            return;
        bool const grouped = opacity < 1 && hasMoreThanBackground(view);

        ViewRecord record;
        record.view = &view;
        auto& look = record.look;
        cairo_matrix_t const& m = inside.toScreen;
        look.insert(look.end(), { m.xx, m.yx, m.xy, m.yy, m.x0, m.y0, opacity, inside.fade, grouped ? 1.0 : 0.0 });
        addRect(look, bounds);
        addRect(look, view.bounds());
        addColor(look, view.backgroundColor.get());
        addLayer(look, layer);

        CGRect painted = hasArea ? bounds : CGRect {};
        UIColor const* background = view.backgroundColor.get();
        if (hasArea && background && background->alpha > 0 && layer && !clips)
            painted = unite(painted, shadowArea(*layer, bounds, opacity));
        if (hasArea) {
            CGRect content = recordContent(record, view, bounds);
            if (clips)
                content = intersect(content, bounds);
            painted = unite(painted, content);
        }
        record.area = painted.size.width > 0 ? intersect(boundingBox(m, painted), inside.clip) : CGRect {};
        if (hasArea)
            recordContentChange(record, view, bounds, inside);
        m_screen.views.push_back(std::move(record));

        if (clips)
            inside.clip = intersect(inside.clip, boundingBox(m, bounds));
        if (grouped)
            inside.fade *= opacity;
        inside.opacity = grouped ? 1 : opacity;
        for (auto const& subview : view.subviews)
            recordTree(subview.get(), inside);
    }

    // Only the content's version changed: ask its drawer which part.
    void recordContentChange(ViewRecord& record, UIView& view, CGRect bounds, const Inherited& inside)
    {
        auto const found = m_before.find(&view);
        if (found == m_before.end())
            return;
        ViewRecord const& before = *found->second;
        if (before.text == record.text || before.look != record.look || before.changesEveryFrame || record.changesEveryFrame)
            return;
        auto const* change = contentChangeFor(&view);
        if (!change)
            return;
        std::optional<CGRect> const changed = (*change)(&view, before.text, bounds.size);
        if (!changed)
            return;
        CGRect const inView = intersect({ { bounds.origin.x + changed->origin.x, bounds.origin.y + changed->origin.y }, changed->size }, bounds);
        record.contentChange = inView.size.width > 0 ? intersect(boundingBox(inside.toScreen, inView), inside.clip) : CGRect {};
        record.contentChangeSince = before.text;
    }

    ScreenRecord& m_screen;
    std::unordered_map<const void*, const ViewRecord*> m_before;
};

}

ScreenRecord recordScreen(const ScreenRecord* before)
{
    ScreenRecord screen;
    screen.screen = uikit::mainScreenBounds().size;
    screen.scale = uikit::mainScreenScale();
    screen.below = homeScreenVersion() + '\n' + frontApplicationVersion();
    screen.animating = uikit::hasRunningAnimations();

    Inherited top;
    cairo_matrix_init_identity(&top.toScreen);
    // Drawing never reaches past the screen's edges.
    top.clip = { { 0, 0 }, screen.screen };
    Recorder recorder(screen, before);
    for (UIWindow* window : uikit::visibleWindowsBackToFront()) {
        screen.windows.push_back(window);
        recorder.recordTree(window, top);
    }
    return screen;
}

}

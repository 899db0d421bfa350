#include "Damage.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace compositor {

namespace {

// Anti-aliased edges and filtered images reach into the pixel beside a
// rectangle's edge.
constexpr int kEdgePixels = 1;

// Damage is kept in whole rows of the screen. pixman steps along a row from
// where each drawing's span starts, in fixed point, so a transformed image or
// a gradient started at a clip's left edge can come out a unit off from the
// same drawing started at its own edge; with whole rows every span starts
// where a full redraw starts it. Downwards pixman steps a scaled image from
// the drawing's first row too, so scaled frames are drawn in bands of
// kDamageRowBand rows, and damage covers whole bands.

class DamageCollector {
public:
    DamageCollector(double scale, int width, int height)
        : m_region(cairo_region_create())
        , m_scale(scale)
        , m_screen { 0, 0, width, height }
    {
    }

    void add(CGRect area)
    {
        if (!(area.size.width > 0) || !(area.size.height > 0))
            return;
        double const left = std::floor(area.origin.x * m_scale) - kEdgePixels;
        double const top = std::floor(area.origin.y * m_scale) - kEdgePixels;
        double const right = std::ceil(CGRectGetMaxX(area) * m_scale) + kEdgePixels;
        double const bottom = std::ceil(CGRectGetMaxY(area) * m_scale) + kEdgePixels;
        if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(right) || !std::isfinite(bottom)) {
            addWholeScreen();
            return;
        }
        if (right <= 0 || left >= m_screen.width)
            return;
        double const bandTop = std::floor(top / kDamageRowBand) * kDamageRowBand;
        double const bandBottom = std::ceil(bottom / kDamageRowBand) * kDamageRowBand;
        int const y = static_cast<int>(std::clamp<double>(bandTop, 0, m_screen.height));
        int const y2 = static_cast<int>(std::clamp<double>(bandBottom, 0, m_screen.height));
        if (y2 <= y)
            return;
        cairo_rectangle_int_t const rect { 0, y, m_screen.width, y2 - y };
        cairo_region_union_rectangle(m_region, &rect);
    }

    void addWholeScreen() { cairo_region_union_rectangle(m_region, &m_screen); }

    cairo_region_t* take() { return m_region; }

private:
    cairo_region_t* m_region;
    double m_scale;
    cairo_rectangle_int_t m_screen;
};

// Views drawn in both frames, in each frame's order.
void findCommonViews(const ScreenRecord& before, const ScreenRecord& after, const std::unordered_map<const void*, size_t>& indexBefore,
    std::vector<size_t>* inBefore, std::vector<size_t>* inAfter)
{
    std::unordered_map<const void*, size_t> indexAfter;
    for (size_t index = 0; index < after.views.size(); ++index)
        indexAfter.emplace(after.views[index].view, index);
    for (size_t index = 0; index < before.views.size(); ++index) {
        if (indexAfter.contains(before.views[index].view))
            inBefore->push_back(index);
    }
    for (size_t index = 0; index < after.views.size(); ++index) {
        if (indexBefore.contains(after.views[index].view))
            inAfter->push_back(index);
    }
}

}

cairo_region_t* findDamage(const ScreenRecord& before, const ScreenRecord& after, int width, int height)
{
    DamageCollector damage(after.scale, width, height);
    if (before.screen != after.screen || before.scale != after.scale || before.below != after.below) {
        damage.addWholeScreen();
        return damage.take();
    }
    // Windows that stay but change places: everything.
    std::vector<const void*> staying;
    for (auto const* window : before.windows) {
        if (std::find(after.windows.begin(), after.windows.end(), window) != after.windows.end())
            staying.push_back(window);
    }
    std::vector<const void*> stayingAfter;
    for (auto const* window : after.windows) {
        if (std::find(staying.begin(), staying.end(), window) != staying.end())
            stayingAfter.push_back(window);
    }
    if (staying != stayingAfter) {
        damage.addWholeScreen();
        return damage.take();
    }

    std::unordered_map<const void*, size_t> indexBefore;
    for (size_t index = 0; index < before.views.size(); ++index)
        indexBefore.emplace(before.views[index].view, index);
    std::vector<bool> seen(before.views.size());
    for (auto const& record : after.views) {
        auto const found = indexBefore.find(record.view);
        if (found == indexBefore.end()) {
            damage.add(record.area);
            continue;
        }
        auto const& old = before.views[found->second];
        seen[found->second] = true;
        if (old.sameLook(record) && old.area == record.area)
            continue;
        // Only the content changed, and its drawer knows where.
        if (record.contentChange && record.contentChangeSince == old.text && old.look == record.look && old.area == record.area) {
            damage.add(*record.contentChange);
            continue;
        }
        damage.add(old.area);
        damage.add(record.area);
    }
    for (size_t index = 0; index < before.views.size(); ++index) {
        if (!seen[index])
            damage.add(before.views[index].area);
    }

    // Two views that swap places in the drawing order change the pixels
    // where they overlap; at least one of them then stands elsewhere among
    // the views both frames draw.
    std::vector<size_t> inBefore, inAfter;
    findCommonViews(before, after, indexBefore, &inBefore, &inAfter);
    for (size_t position = 0; position < inBefore.size() && position < inAfter.size(); ++position) {
        auto const& old = before.views[inBefore[position]];
        auto const& now = after.views[inAfter[position]];
        if (old.view == now.view)
            continue;
        damage.add(old.area);
        damage.add(now.area);
    }
    return damage.take();
}

}

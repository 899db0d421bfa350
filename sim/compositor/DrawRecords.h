#pragma once
// What one frame draws, written down view by view so that the next frame can
// tell what changed: for each view drawn, where it paints on the screen and
// everything that decides its pixels (placement, opacity, colours, image,
// text, shadow, values of running animations, a content drawer's version).
// Two frames whose records agree for a view paint that view the same.

#include "coregraphics/CGGeometry.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace compositor {

struct ViewRecord {
    const void* view = nullptr;
    // The screen rectangle, in points, holding every pixel the view paints
    // itself (background, shadow, content; not its subviews), within the
    // clipping of its superviews.
    CGRect area {};
    std::vector<double> look;
    std::string text;
    // Drawn by a content drawer that cannot say when its content changes.
    bool changesEveryFrame = false;
    // Set when nothing but the content's version changed since the record
    // `before` whose text is `contentChangeSince`, and the drawer can tell
    // where: the screen rectangle, in points, of the pixels that may differ.
    std::optional<CGRect> contentChange;
    std::string contentChangeSince;

    bool sameLook(const ViewRecord& other) const { return look == other.look && text == other.text && !changesEveryFrame && !other.changesEveryFrame; }
};

struct ScreenRecord {
    CGSize screen {};
    double scale = 0;
    // What lies below the windows: the home screen and the front application.
    std::string below;
    // The visible windows, back to front.
    std::vector<const void*> windows;
    // Every view drawn, in drawing order.
    std::vector<ViewRecord> views;
    // An animation is running: the next frame will differ.
    bool animating = false;
};

// The screen as the compositor would draw it now; views' content changes
// are found against `before`, the last frame's record, when given.
ScreenRecord recordScreen(const ScreenRecord* before = nullptr);

}

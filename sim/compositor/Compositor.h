#pragma once
// The shell's screen in one picture: the home screen at the bottom, then every
// visible window from back to front, each with its tree of views, drawn with
// cairo at the screen's scale. The SDL window and the `shot` verb show what
// this draws.

#include "runtime/Runtime.h"
#include "uikit/UIView.h"

#include <cairo.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace compositor {

// Draws a view's content that comes from elsewhere (another process's frame).
// It is called with cairo in the view's coordinates, (0, 0) at the view's
// bounds origin and `size` its bounds size, transform and alpha applied and
// drawing clipped to the bounds; after the view's background, before its
// subviews.
using ContentDrawer = std::function<void(id view, cairo_t* cairo, CGSize size)>;

// What a drawer's content is now, as a key: while the key stays the same the
// drawer draws the same pixels, so a frame need not draw it again.
using ContentVersion = std::function<std::string(id view)>;

// Where the content now may differ from what it was at version `since`: a
// rectangle in the drawer's coordinates for bounds of `size` (empty: nowhere),
// or nothing when that is not known (then the whole view is drawn again).
// Asked only when nothing but the version changed.
using ContentChange = std::function<std::optional<CGRect>(id view, const std::string& since, CGSize size)>;

// Views of class `cls` or a subclass get their content from `drawer`; for a
// view matching several registered classes, the closest to its own class
// wins. Registering a class again replaces its drawer; an empty drawer
// removes it. A drawer without `version` is drawn afresh in every frame; one
// without `change` is drawn whole whenever its version changes.
void registerContentDrawer(Class cls, ContentDrawer drawer, ContentVersion version = {}, ContentChange change = {});

// The whole screen as an ARGB32 image of the screen's bounds times its scale
// (rounded to whole pixels); the caller owns it. Null, with `error` set when
// given, when no such image can be made. Only what changed since the last
// frame is drawn again (Damage.h), unless a full redraw is forced.
cairo_surface_t* drawScreen(std::string* error = nullptr);

// What the window needs to show the screen: the compositor's own image of it
// (valid until the next drawing or reset), the pixel rectangles that changed
// since the last update (drawScreen's frames included), and whether an
// animation runs (another frame is due in a frame's time).
struct ScreenUpdate {
    cairo_surface_t* screen = nullptr;
    std::vector<cairo_rectangle_int_t> changed;
    bool animating = false;
};
// Draws what changed; false, with `error` set when given, as drawScreen.
bool updateScreen(ScreenUpdate* update, std::string* error = nullptr);

// Every frame drawn whole, for comparing with the damage tracking.
void setFullRedraw(bool full);
bool fullRedraw();

// Forgets the content drawers, the home screen drawn from the installed
// applications (read again at the next drawing) and the last frame; for
// tests, and after the installed applications change.
void reset();

}

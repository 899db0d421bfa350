#include "Compositor.h"
#include "HostedContent.h"

#include "ContentDrawers.h"
#include "Damage.h"
#include "DrawRecords.h"
#include "HomeScreen.h"
#include "ViewDrawing.h"

#include "foundation/SystemLog.h"
#include "uikit/UIScreen.h"
#include "uikit/UIWindow.h"

#include <cmath>
#include <optional>
#include <vector>

namespace compositor {

namespace {

// cairo's image surfaces are at most this many pixels a side.
constexpr double kLargestSide = 32767;

// The last frame drawn, which the next one draws over where it changed.
struct KeptFrame {
    cairo_surface_t* screen = nullptr;
    std::optional<ScreenRecord> record;
    // What changed since the window last took an update.
    cairo_region_t* untaken = nullptr;
    bool fullRedraw = false;
};

KeptFrame& kept()
{
    static KeptFrame frame;
    return frame;
}

void forgetFrame()
{
    auto& frame = kept();
    if (frame.screen)
        cairo_surface_destroy(frame.screen);
    if (frame.untaken)
        cairo_region_destroy(frame.untaken);
    frame.screen = nullptr;
    frame.untaken = nullptr;
    frame.record.reset();
}

void fail(std::string* error, std::string reason)
{
    if (error)
        *error = std::move(reason);
}

// A cairo on the screen limited to `clip` (pixels), or everywhere without one.
cairo_t* createClipped(cairo_surface_t* screen, const cairo_region_t* clip)
{
    cairo_t* cairo = cairo_create(screen);
    if (!clip)
        return cairo;
    for (int index = 0, count = cairo_region_num_rectangles(clip); index < count; ++index) {
        cairo_rectangle_int_t rect;
        cairo_region_get_rectangle(clip, index, &rect);
        cairo_rectangle(cairo, rect.x, rect.y, rect.width, rect.height);
    }
    cairo_clip(cairo);
    return cairo;
}

// Each window gets a cairo of its own, so one whose drawing puts cairo in an
// error state loses only itself, with a log line, and the screen is still drawn.
void drawWindow(cairo_surface_t* screen, const cairo_region_t* clip, UIWindow* window, double scale)
{
    cairo_t* cairo = createClipped(screen, clip);
    cairo_scale(cairo, scale, scale);
    drawViewTree(cairo, window);
    if (cairo_status_t const status = cairo_status(cairo); status != CAIRO_STATUS_SUCCESS)
        systemlog::write(kCFLogLevelError, std::string("compositor: a window at level ") + std::to_string(window->windowLevel) + " could not be drawn: " + cairo_status_to_string(status));
    cairo_destroy(cairo);
}

// Everything, back to front, over the pixels in `clip` (all without one).
void drawLayers(cairo_surface_t* screen, const cairo_region_t* clip, CGSize size, double scale)
{
    cairo_t* cairo = createClipped(screen, clip);
    drawHomeScreen(cairo, size, scale);
    cairo_scale(cairo, scale, scale);
    drawFrontApplication(cairo, size);
    cairo_destroy(cairo);

    // Held while drawing: a content drawer may hide a window.
    std::vector<Strong<UIWindow>> windows;
    for (UIWindow* window : uikit::visibleWindowsBackToFront())
        windows.emplace_back(window);
    for (auto const& window : windows)
        drawWindow(screen, clip, window.get(), scale);
    cairo_surface_flush(screen);
}

// Brings the kept frame up to date; false, with `error` set, when the screen
// cannot be an image.
bool compose(std::string* error)
{
    CGSize const size = uikit::mainScreenBounds().size;
    double const scale = uikit::mainScreenScale();
    double const width = std::round(size.width * scale);
    double const height = std::round(size.height * scale);
    if (!(width >= 1 && width <= kLargestSide && height >= 1 && height <= kLargestSide)) {
        fail(error, "the screen (" + std::to_string(size.width) + " x " + std::to_string(size.height) + " points at scale " + std::to_string(scale) + ") is too large or too small for an image");
        return false;
    }
    auto& frame = kept();
    int const pixelWidth = static_cast<int>(width);
    int const pixelHeight = static_cast<int>(height);
    bool const sameSize = frame.screen && cairo_image_surface_get_width(frame.screen) == pixelWidth && cairo_image_surface_get_height(frame.screen) == pixelHeight;
    if (!sameSize) {
        forgetFrame();
        cairo_surface_t* screen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pixelWidth, pixelHeight);
        if (cairo_surface_status(screen) != CAIRO_STATUS_SUCCESS) {
            fail(error, std::string("cannot make the screen's image: ") + cairo_status_to_string(cairo_surface_status(screen)));
            cairo_surface_destroy(screen);
            return false;
        }
        frame.screen = screen;
        frame.untaken = cairo_region_create();
    }

    ScreenRecord record = recordScreen(frame.record && !frame.fullRedraw ? &*frame.record : nullptr);
    cairo_region_t* damage = nullptr;
    if (!frame.record || frame.fullRedraw) {
        cairo_rectangle_int_t const whole { 0, 0, pixelWidth, pixelHeight };
        damage = cairo_region_create_rectangle(&whole);
        // The reference: drawn as if no frame came before.
        drawLayers(frame.screen, nullptr, size, scale);
    } else {
        damage = findDamage(*frame.record, record, pixelWidth, pixelHeight);
        if (!cairo_region_is_empty(damage))
            drawLayers(frame.screen, damage, size, scale);
    }
    cairo_region_union(frame.untaken, damage);
    cairo_region_destroy(damage);
    frame.record = std::move(record);
    return true;
}

}

cairo_surface_t* drawScreen(std::string* error)
{
    if (!compose(error))
        return nullptr;
    cairo_surface_t* screen = kept().screen;
    int const width = cairo_image_surface_get_width(screen);
    int const height = cairo_image_surface_get_height(screen);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(copy) != CAIRO_STATUS_SUCCESS) {
        fail(error, std::string("cannot make the screen's image: ") + cairo_status_to_string(cairo_surface_status(copy)));
        cairo_surface_destroy(copy);
        return nullptr;
    }
    cairo_t* cairo = cairo_create(copy);
    cairo_set_source_surface(cairo, screen, 0, 0);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    cairo_surface_flush(copy);
    return copy;
}

bool updateScreen(ScreenUpdate* update, std::string* error)
{
    if (!compose(error))
        return false;
    auto& frame = kept();
    update->screen = frame.screen;
    update->changed.clear();
    for (int index = 0, count = cairo_region_num_rectangles(frame.untaken); index < count; ++index) {
        cairo_rectangle_int_t rect;
        cairo_region_get_rectangle(frame.untaken, index, &rect);
        update->changed.push_back(rect);
    }
    cairo_region_destroy(frame.untaken);
    frame.untaken = cairo_region_create();
    update->animating = frame.record && frame.record->animating;
    return true;
}

void setFullRedraw(bool full)
{
    kept().fullRedraw = full;
}

bool fullRedraw()
{
    return kept().fullRedraw;
}

void reset()
{
    resetContentDrawers();
    resetHomeScreen();
    forgetFrame();
}

}

#include "NotRunningNote.h"

#include "Text.h"

#include "foundation/NSString.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SBApplication.h"
#include "springboard/SBApplicationController.h"
#include "uikit/UIImage.h"

#include <algorithm>

namespace compositor {

namespace {

constexpr const char* kNote = "not running";
// Points on the application's screen; the host view is scaled as a whole.
constexpr double kIconSize = 120;
constexpr double kNoteSize = 28;
constexpr double kGap = 24;

UIImage* iconOf(const std::string& bundleIdentifier)
{
    // Drawing may run outside any pool: the name's string is let go here.
    AutoreleasePool pool;
    id controller = send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel);
    auto* application = static_cast<SBApplication*>(send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSString::make(bundleIdentifier))));
    return application ? application->iconImage.get() : nullptr;
}

void drawIcon(cairo_t* cairo, UIImage* icon, double x, double y)
{
    cairo_save(cairo);
    if (icon && icon->pixels) {
        CGSize const size = icon->size();
        cairo_translate(cairo, x, y);
        cairo_scale(cairo, kIconSize / std::max(size.width, 1.0) / icon->scale, kIconSize / std::max(size.height, 1.0) / icon->scale);
        cairo_set_source_surface(cairo, icon->pixels.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
        cairo_paint(cairo);
    } else {
        // A plain tile stands in for an icon that cannot be read.
        cairo_rectangle(cairo, x, y, kIconSize, kIconSize);
        cairo_set_source_rgb(cairo, 0.7, 0.7, 0.72);
        cairo_fill(cairo);
    }
    cairo_restore(cairo);
}

}

void drawNotRunningNote(cairo_t* cairo, CGSize size, const std::string& bundleIdentifier)
{
    cairo_save(cairo);
    cairo_rectangle(cairo, 0, 0, size.width, size.height);
    cairo_set_source_rgb(cairo, 0.94, 0.94, 0.95);
    cairo_fill(cairo);

    double const top = (size.height - kIconSize - kGap - kNoteSize) / 2;
    drawIcon(cairo, iconOf(bundleIdentifier), (size.width - kIconSize) / 2, top);

    selectFont(cairo, kNoteSize, false);
    cairo_set_source_rgb(cairo, 0.35, 0.35, 0.38);
    cairo_move_to(cairo, (size.width - textWidth(cairo, kNote)) / 2, top + kIconSize + kGap + kNoteSize);
    cairo_show_text(cairo, kNote);
    cairo_restore(cairo);
}

}

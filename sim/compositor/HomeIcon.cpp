#include "HomeIcon.h"

#include "Painting.h"
#include "Text.h"

#include <algorithm>

namespace compositor {

namespace {

// Proportions of a phone's icon, for a 60-point icon.
constexpr double kCornerRatio = 13.5 / 60;
constexpr double kNameSize = 12;
constexpr double kBadgeHeight = 24;
constexpr double kBadgeTextSize = 14;

void drawTile(cairo_t* cairo, const HomeIcon& icon, CGRect square)
{
    cairo_save(cairo);
    addRoundedRectangle(cairo, square, square.size.width * kCornerRatio);
    cairo_clip(cairo);
    UIImage const* image = icon.image.get();
    cairo_surface_t* pixels = image && image->pixels ? image->pixels.get() : nullptr;
    if (pixels && cairo_surface_get_type(pixels) == CAIRO_SURFACE_TYPE_IMAGE && cairo_image_surface_get_width(pixels) > 0
        && cairo_image_surface_get_height(pixels) > 0) {
        cairo_translate(cairo, square.origin.x, square.origin.y);
        cairo_scale(cairo, square.size.width / cairo_image_surface_get_width(pixels), square.size.height / cairo_image_surface_get_height(pixels));
        cairo_set_source_surface(cairo, pixels, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
        cairo_pattern_set_extend(cairo_get_source(cairo), CAIRO_EXTEND_PAD);
        cairo_paint(cairo);
    } else {
        cairo_pattern_t* plain = cairo_pattern_create_linear(0, square.origin.y, 0, CGRectGetMaxY(square));
        cairo_pattern_add_color_stop_rgb(plain, 0, 0.85, 0.86, 0.88);
        cairo_pattern_add_color_stop_rgb(plain, 1, 0.62, 0.64, 0.68);
        cairo_set_source(cairo, plain);
        cairo_paint(cairo);
        cairo_pattern_destroy(plain);
    }
    cairo_restore(cairo);
}

// White on the wallpaper, with a faint shadow so it reads on light parts too.
void drawName(cairo_t* cairo, const std::string& name, CGRect line, double factor)
{
    selectFont(cairo, kNameSize * factor, false);
    std::string const text = fitText(cairo, name, line.size.width);
    double const x = line.origin.x + (line.size.width - textWidth(cairo, text)) / 2;
    double const baseline = line.origin.y + 11.5 * factor;
    cairo_set_source_rgba(cairo, 0, 0, 0, 0.35);
    cairo_move_to(cairo, x, baseline + 0.75);
    cairo_show_text(cairo, text.c_str());
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text.c_str());
}

void drawBadge(cairo_t* cairo, const std::string& badge, CGRect square, double factor)
{
    selectFont(cairo, kBadgeTextSize * factor, false);
    double const height = kBadgeHeight * factor;
    double const padding = 7 * factor;
    std::string const text = fitText(cairo, badge, square.size.width - 2 * padding);
    double const width = std::max(height, textWidth(cairo, text) + 2 * padding);
    // The badge's top right corner overhangs the icon's by a quarter of its height.
    CGRect const pill { { CGRectGetMaxX(square) + height / 4 - width, square.origin.y - height / 4 }, { width, height } };
    addRoundedRectangle(cairo, pill, height / 2);
    cairo_set_source_rgb(cairo, 1.0, 0.23, 0.19);
    cairo_fill(cairo);

    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    double const baseline = pill.origin.y + (height - (font.ascent + font.descent)) / 2 + font.ascent;
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_move_to(cairo, pill.origin.x + (width - textWidth(cairo, text)) / 2, baseline);
    cairo_show_text(cairo, text.c_str());
}

struct BadgeTextVisitor {
    std::string operator()(apps::NoBadge) const { return {}; }
    std::string operator()(long long number) const { return number == 0 ? std::string() : std::to_string(number); }
    std::string operator()(const std::string& text) const { return validUtf8(text); }
};

}

std::string badgeText(const apps::BadgeValue& value)
{
    return std::visit(BadgeTextVisitor {}, value);
}

void drawHomeIcon(cairo_t* cairo, const HomeIcon& icon, const HomeScreenIconPlace& place)
{
    double const factor = place.icon.size.width / 60;
    drawTile(cairo, icon, place.icon);
    drawName(cairo, icon.name, place.name, factor);
    if (!icon.badge.empty())
        drawBadge(cairo, icon.badge, place.icon, factor);
}

}

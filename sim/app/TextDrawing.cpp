#include "TextDrawing.h"

namespace apps {

void drawText(cairo_t* cairo, const std::string& text, double x, double y, double size, bool bold, TextAlignment alignment)
{
    cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    double left = x;
    if (alignment == TextAlignment::Center)
        left = x - extents.x_advance / 2;
    if (alignment == TextAlignment::Right)
        left = x - extents.x_advance;
    cairo_move_to(cairo, left, y);
    cairo_show_text(cairo, text.c_str());
}

}

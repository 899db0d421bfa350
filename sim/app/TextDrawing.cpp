#include "TextDrawing.h"

namespace apps {

void selectFont(cairo_t* cairo, double size, bool bold)
{
    cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cairo, size);
}

double textWidth(cairo_t* cairo, const std::string& text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    return extents.x_advance;
}

void dropLastCharacter(std::string* text)
{
    while (!text->empty() && (static_cast<unsigned char>(text->back()) & 0xC0) == 0x80)
        text->pop_back();
    if (!text->empty())
        text->pop_back();
}

void drawText(cairo_t* cairo, const std::string& text, double x, double y, double size, bool bold, TextAlignment alignment)
{
    selectFont(cairo, size, bold);
    double const width = textWidth(cairo, text);
    double left = x;
    if (alignment == TextAlignment::Center)
        left = x - width / 2;
    if (alignment == TextAlignment::Right)
        left = x - width;
    cairo_move_to(cairo, left, y);
    cairo_show_text(cairo, text.c_str());
}

std::string fitText(cairo_t* cairo, const std::string& text, double width, double size, bool bold)
{
    selectFont(cairo, size, bold);
    if (textWidth(cairo, text) <= width)
        return text;
    // No screen shows more than a few dozen characters on a line: a long text
    // is cut first, so the measuring below stays short.
    constexpr size_t kLongestShown = 256;
    std::string shortened = text.substr(0, kLongestShown + 1);
    while (!shortened.empty()) {
        dropLastCharacter(&shortened);
        if (shortened.size() <= kLongestShown && textWidth(cairo, shortened + "\u2026") <= width)
            break;
    }
    return shortened + "\u2026";
}

}

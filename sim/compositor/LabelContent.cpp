#include "Painting.h"
#include "Text.h"
#include "ViewContent.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace compositor {

namespace {

// What a label draws with when its font or colour is not set.
constexpr double kDefaultFontSize = 17;

bool isBoldFontName(const NSString* name)
{
    if (!name)
        return false;
    std::string lower = name->value;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("bold") != std::string::npos;
}

// A label shows one line: line breaks read as spaces.
std::string oneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return text;
}

}

void drawLabelContent(cairo_t* cairo, const UILabel& label, double opacity)
{
    if (!label.text || label.text->value.empty())
        return;
    CGRect const bounds = label.bounds();
    double size = label.font ? label.font->pointSize : kDefaultFontSize;
    if (!std::isfinite(size) || size <= 0)
        size = kDefaultFontSize;
    selectFont(cairo, size, label.font && isBoldFontName(label.font->fontName));
    std::string const text = fitText(cairo, oneLine(validUtf8(label.text->value)), bounds.size.width);
    if (text.empty())
        return;

    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    double const width = textWidth(cairo, text);
    double x = bounds.origin.x;
    if (label.textAlignment == NSTextAlignmentCenter)
        x += (bounds.size.width - width) / 2;
    if (label.textAlignment == NSTextAlignmentRight)
        x += bounds.size.width - width;
    double const baseline = bounds.origin.y + (bounds.size.height - (font.ascent + font.descent)) / 2 + font.ascent;

    cairo_save(cairo);
    cairo_rectangle(cairo, bounds.origin.x, bounds.origin.y, bounds.size.width, bounds.size.height);
    cairo_clip(cairo);
    if (label.textColor)
        setSourceColor(cairo, label.textColor, opacity);
    else
        cairo_set_source_rgba(cairo, 0, 0, 0, std::clamp(opacity, 0.0, 1.0));
    cairo_move_to(cairo, x, baseline);
    cairo_show_text(cairo, text.c_str());
    cairo_restore(cairo);
}

}

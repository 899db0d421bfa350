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

// Line breaks read as spaces: lines break between words where they fit.
std::string oneLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
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
    std::string const text = oneLine(validUtf8(label.text->value));
    std::vector<std::string> lines;
    if (label.numberOfLines == 1)
        lines.push_back(fitText(cairo, text, bounds.size.width));
    else
        lines = wrapText(cairo, text, bounds.size.width, static_cast<size_t>(label.numberOfLines));
    if (lines.empty() || lines.front().empty())
        return;

    // The lines are centred as a block, as a label centres its one line.
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    double const lineHeight = font.ascent + font.descent;
    double const blockHeight = lineHeight * static_cast<double>(lines.size());
    double baseline = bounds.origin.y + (bounds.size.height - blockHeight) / 2 + font.ascent;

    cairo_save(cairo);
    cairo_rectangle(cairo, bounds.origin.x, bounds.origin.y, bounds.size.width, bounds.size.height);
    cairo_clip(cairo);
    if (label.textColor)
        setSourceColor(cairo, label.textColor, opacity);
    else
        cairo_set_source_rgba(cairo, 0, 0, 0, std::clamp(opacity, 0.0, 1.0));
    for (auto const& line : lines) {
        double const width = textWidth(cairo, line);
        double x = bounds.origin.x;
        if (label.textAlignment == NSTextAlignmentCenter)
            x += (bounds.size.width - width) / 2;
        if (label.textAlignment == NSTextAlignmentRight)
            x += bounds.size.width - width;
        cairo_move_to(cairo, x, baseline);
        cairo_show_text(cairo, line.c_str());
        baseline += lineHeight;
    }
    cairo_restore(cairo);
}

}

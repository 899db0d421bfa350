#pragma once
// Text in DejaVu Sans (fonts-dejavu-core), the face the demo applications use,
// through cairo's toy font API: the font is chosen and measured by the demo
// applications' own functions, so the two cannot drift apart.

#include "TextDrawing.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace compositor {

// The text with every byte that is not part of valid UTF-8 replaced by U+FFFD:
// cairo refuses to draw invalid text and stops drawing altogether.
std::string validUtf8(const std::string& text);

using apps::selectFont;
using apps::textWidth;

// The text, or as much of its beginning as fits in `width` followed by an
// ellipsis, as a label truncates its tail; whole characters only.
std::string fitText(cairo_t* cairo, const std::string& text, double width);
// The text broken into lines no wider than `width`, between words (a word
// wider than a line gets a line of its own, truncated), at most `maxLines`
// lines (0: no limit), the last truncated when text is left over.
std::vector<std::string> wrapText(cairo_t* cairo, const std::string& text, double width, size_t maxLines);

}

#pragma once
// Text in DejaVu Sans (fonts-dejavu-core), the face the demo applications use,
// through cairo's toy font API.

#include <cairo.h>

#include <string>
#include <vector>

namespace compositor {

// The text with every byte that is not part of valid UTF-8 replaced by U+FFFD:
// cairo refuses to draw invalid text and stops drawing altogether.
std::string validUtf8(const std::string& text);

void selectFont(cairo_t* cairo, double size, bool bold);
// Width of the text in the selected font, in user units.
double textWidth(cairo_t* cairo, const std::string& text);
// The text, or as much of its beginning as fits in `width` followed by an
// ellipsis, as a label truncates its tail; whole characters only.
std::string fitText(cairo_t* cairo, const std::string& text, double width);
// The text broken into lines no wider than `width`, between words (a word
// wider than a line gets a line of its own, truncated), at most `maxLines`
// lines (0: no limit), the last truncated when text is left over.
std::vector<std::string> wrapText(cairo_t* cairo, const std::string& text, double width, size_t maxLines);

}

#pragma once
// Text in DejaVu Sans (fonts-dejavu-core) through cairo's toy font API.

#include <cairo.h>

#include <string>

namespace apps {

enum class TextAlignment {
    Left,
    Center,
    Right,
};

void selectFont(cairo_t* cairo, double size, bool bold);
// Width of the text in the selected font, in user units.
double textWidth(cairo_t* cairo, const std::string& text);
// Drops the last UTF-8 character (its continuation bytes, then its lead byte).
void dropLastCharacter(std::string* text);

// Draws `text` with its baseline at y, aligned on x, in the current colour.
void drawText(cairo_t* cairo, const std::string& text, double x, double y, double size, bool bold, TextAlignment alignment);

// `text` shortened at a whole UTF-8 character, with "…" after it, until it is
// at most `width` wide at this size and weight; unchanged when it fits.
std::string fitText(cairo_t* cairo, const std::string& text, double width, double size, bool bold);

}

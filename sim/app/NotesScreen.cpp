#include "NotesScreen.h"
#include "TextDrawing.h"

namespace apps {

namespace {

const char* const kNoteLines[] = {
    "Buy oat milk and coffee beans",
    "Call the bike shop about the brakes",
    "Book tickets for Saturday",
    "Water the plants",
};

}

void NotesScreen::draw(cairo_t* cairo, const ScreenArea& area, std::time_t) const
{
    // Paper background with a yellow navigation bar under the status bar.
    cairo_set_source_rgb(cairo, 1.0, 0.99, 0.94);
    cairo_paint(cairo);
    cairo_set_source_rgb(cairo, 0.98, 0.85, 0.35);
    cairo_rectangle(cairo, 0, area.statusBarHeight, area.width, 44);
    cairo_fill(cairo);
    cairo_set_source_rgb(cairo, 0.15, 0.12, 0.05);
    drawText(cairo, "Notes", area.width / 2, area.statusBarHeight + 30, 20, true, TextAlignment::Center);

    double y = area.statusBarHeight + 44 + 36;
    for (auto const* line : kNoteLines) {
        cairo_set_source_rgb(cairo, 0.2, 0.2, 0.2);
        drawText(cairo, line, 16, y, 16, false, TextAlignment::Left);
        cairo_set_source_rgb(cairo, 0.85, 0.85, 0.8);
        cairo_rectangle(cairo, 16, y + 10, area.width - 32, 1);
        cairo_fill(cairo);
        y += 34;
    }

    // A text field with a placeholder and a caret.
    double const fieldY = y + 10;
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_rectangle(cairo, 16, fieldY, area.width - 32, 36);
    cairo_fill_preserve(cairo);
    cairo_set_source_rgb(cairo, 0.6, 0.6, 0.6);
    cairo_set_line_width(cairo, 1);
    cairo_stroke(cairo);
    cairo_set_source_rgb(cairo, 0.65, 0.65, 0.65);
    drawText(cairo, "New note", 26, fieldY + 24, 16, false, TextAlignment::Left);
    cairo_set_source_rgb(cairo, 0.1, 0.4, 0.95);
    cairo_rectangle(cairo, 25, fieldY + 8, 2, 20);
    cairo_fill(cairo);
}

}

#include "NotesScreen.h"
#include "TapAction.h"
#include "TextDrawing.h"

#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <iterator>

namespace apps {

namespace {

const char* const kNoteLines[] = {
    "Buy oat milk and coffee beans",
    "Call the bike shop about the brakes",
    "Book tickets for Saturday",
    "Water the plants",
};

constexpr double kBarHeight = 44;
constexpr double kLinePitch = 34;
constexpr double kMargin = 16;

// The baseline of the first line.
double firstBaseline(const ScreenArea& area) { return area.statusBarHeight + kBarHeight + 36; }

}

NotesScreen::NotesScreen()
    : m_struck(std::size(kNoteLines), false)
{
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

    double y = firstBaseline(area);
    for (size_t line = 0; line < std::size(kNoteLines); ++line) {
        bool const struck = m_struck[line];
        if (struck)
            cairo_set_source_rgb(cairo, 0.6, 0.6, 0.6);
        else
            cairo_set_source_rgb(cairo, 0.2, 0.2, 0.2);
        drawText(cairo, kNoteLines[line], kMargin, y, 16, false, TextAlignment::Left);
        if (struck) {
            cairo_set_source_rgb(cairo, 0.8, 0.15, 0.1);
            cairo_rectangle(cairo, kMargin, y - 6, area.width - 2 * kMargin, 2);
            cairo_fill(cairo);
        }
        cairo_set_source_rgb(cairo, 0.85, 0.85, 0.8);
        cairo_rectangle(cairo, kMargin, y + 10, area.width - 2 * kMargin, 1);
        cairo_fill(cairo);
        y += kLinePitch;
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

void NotesScreen::addTouchViews(UIView* window, const ScreenArea& area)
{
    // One view per line, from the rule above it to its own rule.
    double top = firstBaseline(area) - kLinePitch + 10;
    for (size_t line = 0; line < std::size(kNoteLines); ++line) {
        auto view = adopt(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, top, area.width, kLinePitch)));
        addTapAction(static_cast<UIView*>(view.get()), [this, line](CGPoint) { tapped(line); });
        send(static_cast<id>(window), "addSubview:"_sel, view.get());
        top += kLinePitch;
    }
}

void NotesScreen::tapped(size_t line)
{
    m_struck[line] = !m_struck[line];
    CFLog(kCFLogLevelNotice, "%s \"%s\"", m_struck[line] ? "Struck out" : "Brought back", kNoteLines[line]);
    ++m_version;
}

}

#include "NotesScreen.h"
#include "ReturnAction.h"
#include "TapAction.h"
#include "TextDrawing.h"

#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <algorithm>
#include <iterator>

namespace apps {

namespace {

const char* const kFirstNotes[] = {
    "Buy oat milk and coffee beans",
    "Call the bike shop about the brakes",
    "Book tickets for Saturday",
    "Water the plants",
};

constexpr double kBarHeight = 44;
constexpr double kLinePitch = 34;
constexpr double kMargin = 16;
constexpr double kFieldHeight = 36;
constexpr double kFieldTextSize = 16;

// Right under the bar, where the keyboard never covers it.
CGRect fieldFrame(const ScreenArea& area)
{
    return CGRectMake(kMargin, area.statusBarHeight + kBarHeight + 10, area.width - 2 * kMargin, kFieldHeight);
}

// The baseline of the first note.
double firstBaseline(const ScreenArea& area) { return CGRectGetMaxY(fieldFrame(area)) + 34; }

bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

}

NotesScreen::NotesScreen()
    : m_lines(std::begin(kFirstNotes), std::end(kFirstNotes))
    , m_struck(m_lines.size(), false)
{
}

std::string NotesScreen::fieldText() const
{
    auto* text = send<NSString*>(m_field.get(), "text"_sel);
    return text ? text->value : std::string();
}

bool NotesScreen::fieldEditing() const
{
    return send<bool>(m_field.get(), "isFirstResponder"_sel);
}

long long NotesScreen::contentVersion(std::time_t) const
{
    // What is typed, and the caret, show at once.
    std::string const text = fieldText();
    bool const editing = fieldEditing();
    if (text != m_countedText || editing != m_countedEditing) {
        m_countedText = text;
        m_countedEditing = editing;
        ++m_version;
    }
    return m_version;
}

void NotesScreen::draw(cairo_t* cairo, const ScreenArea& area, std::time_t) const
{
    // Paper background with a yellow navigation bar under the status bar.
    cairo_set_source_rgb(cairo, 1.0, 0.99, 0.94);
    cairo_paint(cairo);
    cairo_set_source_rgb(cairo, 0.98, 0.85, 0.35);
    cairo_rectangle(cairo, 0, area.statusBarHeight, area.width, kBarHeight);
    cairo_fill(cairo);
    cairo_set_source_rgb(cairo, 0.15, 0.12, 0.05);
    drawText(cairo, "Notes", area.width / 2, area.statusBarHeight + 30, 20, true, TextAlignment::Center);

    drawField(cairo, area);

    double y = firstBaseline(area);
    for (size_t line = 0; line < m_lines.size() && y - kLinePitch < area.height; ++line) {
        bool const struck = m_struck[line];
        if (struck)
            cairo_set_source_rgb(cairo, 0.6, 0.6, 0.6);
        else
            cairo_set_source_rgb(cairo, 0.2, 0.2, 0.2);
        drawText(cairo, m_lines[line], kMargin, y, 16, false, TextAlignment::Left);
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
}

// The field with its text (or the placeholder), and a caret after the text
// while editing; a text too long for the field shows its end, as a field
// scrolls to the caret.
void NotesScreen::drawField(cairo_t* cairo, const ScreenArea& area) const
{
    CGRect const field = fieldFrame(area);
    cairo_set_source_rgb(cairo, 1, 1, 1);
    cairo_rectangle(cairo, field.origin.x, field.origin.y, field.size.width, field.size.height);
    cairo_fill_preserve(cairo);
    cairo_set_source_rgb(cairo, 0.6, 0.6, 0.6);
    cairo_set_line_width(cairo, 1);
    cairo_stroke(cairo);

    std::string const text = fieldText();
    bool const editing = fieldEditing();
    double const left = field.origin.x + 10;
    double const room = field.size.width - 24;
    cairo_save(cairo);
    cairo_rectangle(cairo, field.origin.x + 2, field.origin.y, field.size.width - 4, field.size.height);
    cairo_clip(cairo);
    double caretX = left;
    if (text.empty()) {
        cairo_set_source_rgb(cairo, 0.65, 0.65, 0.65);
        drawText(cairo, "New note", left, field.origin.y + 24, kFieldTextSize, false, TextAlignment::Left);
    } else {
        cairo_select_font_face(cairo, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cairo, kFieldTextSize);
        cairo_text_extents_t extents;
        cairo_text_extents(cairo, text.c_str(), &extents);
        double const start = left - std::max(0.0, extents.x_advance - room);
        cairo_set_source_rgb(cairo, 0.1, 0.1, 0.1);
        drawText(cairo, text, start, field.origin.y + 24, kFieldTextSize, false, TextAlignment::Left);
        caretX = start + extents.x_advance + 1;
    }
    if (editing) {
        cairo_set_source_rgb(cairo, 0.1, 0.4, 0.95);
        cairo_rectangle(cairo, caretX - 1, field.origin.y + 8, 2, 20);
        cairo_fill(cairo);
    }
    cairo_restore(cairo);
}

void NotesScreen::addTouchViews(UIView* window, const ScreenArea& area)
{
    m_container = window;
    m_area = area;
    if (!m_field) {
        m_field = adopt(send<id>(send<id>(uikit::UITextFieldClass(), "alloc"_sel), "initWithFrame:"_sel, fieldFrame(area)));
        send(m_field.get(), "setPlaceholder:"_sel, static_cast<id>(NSSTR("New note")));
        m_fieldDelegate = makeReturnAction([this] { return returnPressed(); });
        send(m_field.get(), "setDelegate:"_sel, m_fieldDelegate.get());
    }
    send(m_field.get(), "setFrame:"_sel, fieldFrame(area));
    send(static_cast<id>(window), "addSubview:"_sel, m_field.get());
    for (size_t line = 0; line < m_lines.size(); ++line)
        addLineView(line);
}

// One view per note, from the rule above it to its own rule.
void NotesScreen::addLineView(size_t line)
{
    double const top = firstBaseline(m_area) - kLinePitch + 10 + kLinePitch * static_cast<double>(line);
    auto view = adopt(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, top, m_area.width, kLinePitch)));
    addTapAction(static_cast<UIView*>(view.get()), [this, line](CGPoint) { tapped(line); });
    send(m_container.get(), "addSubview:"_sel, view.get());
}

void NotesScreen::tapped(size_t line)
{
    m_struck[line] = !m_struck[line];
    CFLog(kCFLogLevelNotice, "%s \"%s\"", m_struck[line] ? "Struck out" : "Brought back", m_lines[line].c_str());
    ++m_version;
}

bool NotesScreen::returnPressed()
{
    std::string const text = fieldText();
    if (isBlank(text))
        return true;
    m_lines.push_back(text);
    m_struck.push_back(false);
    if (m_container)
        addLineView(m_lines.size() - 1);
    send(m_field.get(), "setText:"_sel, static_cast<id>(NSSTR("")));
    CFLog(kCFLogLevelNotice, "Added \"%s\"", text.c_str());
    ++m_version;
    return true;
}

}

#pragma once
// The notes application: a title, a text field for a new note, and the notes.
// A tap on the field edits it (the shell shows the keyboard); Return adds what
// was typed to the notes and ends editing. A tap on a note strikes it out, or
// brings it back.

#include "AppScreen.h"

#include "runtime/Strong.h"

#include <string>
#include <vector>

namespace apps {

class NotesScreen : public AppScreen {
public:
    NotesScreen();

    long long contentVersion(std::time_t) const override;
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
    void addTouchViews(UIView* window, const ScreenArea& area) override;

private:
    void tapped(size_t line);
    // Return in the field: its text, unless blank, becomes a note.
    bool returnPressed();
    void addLineView(size_t line);
    void drawField(cairo_t* cairo, const ScreenArea& area) const;
    std::string fieldText() const;
    bool fieldEditing() const;

    std::vector<std::string> m_lines;
    std::vector<bool> m_struck;
    // Made with the touch views and kept across their layouts, so a turn
    // keeps what is being typed.
    Strong<objc_object> m_field;
    Strong<objc_object> m_fieldDelegate;
    Strong<objc_object> m_container;
    ScreenArea m_area {};
    mutable long long m_version = 0;
    // The field as the version last counted it.
    mutable std::string m_countedText;
    mutable bool m_countedEditing = false;
};

}

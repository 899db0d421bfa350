#pragma once
// The notes application: a title, a few lines of a note and a text field. A
// tap on a line of the note strikes it out, or brings it back.

#include "AppScreen.h"

#include <vector>

namespace apps {

class NotesScreen : public AppScreen {
public:
    NotesScreen();

    long long contentVersion(std::time_t) const override { return m_version; }
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
    void addTouchViews(UIView* window, const ScreenArea& area) override;

private:
    void tapped(size_t line);

    std::vector<bool> m_struck;
    long long m_version = 0;
};

}

#pragma once
// The notes application: a title, a few lines of a note and a text field.

#include "AppScreen.h"

namespace apps {

class NotesScreen : public AppScreen {
public:
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
};

}

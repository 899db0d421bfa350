#pragma once
// The drawing application: a grid of colour swatches.

#include "AppScreen.h"

namespace apps {

class GridScreen : public AppScreen {
public:
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
};

}

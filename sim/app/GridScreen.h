#pragma once
// The drawing application: a grid of colour swatches. A tap on a swatch
// selects it (drawn white, framed); a tap on the selected one, or between
// swatches, clears the selection.

#include "AppScreen.h"

#include "coregraphics/CGGeometry.h"

#include <optional>

namespace apps {

class GridScreen : public AppScreen {
public:
    long long contentVersion(std::time_t) const override { return m_version; }
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
    void addTouchViews(UIView* window, const ScreenArea& area) override;

private:
    struct Cell {
        int row = 0;
        int column = 0;
        bool operator==(const Cell&) const = default;
    };

    void tapped(CGPoint point, const ScreenArea& area);

    std::optional<Cell> m_selected;
    long long m_version = 0;
};

}

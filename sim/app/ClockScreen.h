#pragma once
// The clock application: the current time, large, to the second.

#include "AppScreen.h"

namespace apps {

class ClockScreen : public AppScreen {
public:
    long long contentVersion(std::time_t now) const override { return static_cast<long long>(now); }
    void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const override;
    bool lightStatusBar() const override { return true; }
};

}

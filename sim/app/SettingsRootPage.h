#pragma once
// The Settings application's first page: a short list of panes, Drawlet's
// among them with its own icon. A tap on a row opens that pane.

#include "AppScreen.h"
#include "DeviceImage.h"

#include "coregraphics/CGGeometry.h"

#include <optional>
#include <string>

namespace apps {

inline constexpr const char* kDrawletPaneName = "Drawlet";

class SettingsRootPage {
public:
    SettingsRootPage();

    void draw(cairo_t* cairo, const ScreenArea& area) const;
    // The pane whose row is at `point`, if any.
    std::optional<std::string> paneForTap(CGPoint point, const ScreenArea& area) const;

private:
    DeviceImage m_drawletIcon;
};

}

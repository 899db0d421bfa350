#pragma once
// Drawlet's pane in the Settings application: draws the settings as the file
// holds them and turns a tap into the change it asks for. Reading and writing
// the file is the Settings screen's work.

#include "DeviceImage.h"
#include "DrawletPaneLayout.h"
#include "InstalledApplication.h"

#include "foundation/NSDictionary.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace apps {

// A key and its new value: a boolean, or a string (a colour, a bundle
// identifier).
struct SettingChange {
    std::string key;
    std::variant<bool, std::string> value;
};

class DrawletPane {
public:
    // Loads the applications' icons once; a missing icon is drawn grey.
    explicit DrawletPane(std::vector<InstalledApplication> applications);

    // `problem`, when not empty, says why the settings cannot be changed.
    void draw(cairo_t* cairo, const ScreenArea& area, NSDictionary* settings, const std::string& problem) const;
    // The change a tap at `point` asks for; nothing off the controls.
    std::optional<SettingChange> changeForTap(CGPoint point, const ScreenArea& area, NSDictionary* settings, bool withProblem) const;

private:
    DrawletPaneLayout layOut(const ScreenArea& area, bool withProblem) const;
    void drawColourRow(cairo_t* cairo, const DrawletPaneLayout& layout, const PaneColourRow& row, NSDictionary* settings) const;
    void drawApplications(cairo_t* cairo, const DrawletPaneLayout& layout, NSDictionary* settings) const;
    std::string caption(NSDictionary* settings) const;

    std::vector<InstalledApplication> m_applications;
    std::vector<DeviceImage> m_icons;
};

}

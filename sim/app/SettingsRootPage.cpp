#include "SettingsRootPage.h"
#include "ActivatorPane.h"
#include "SettingsControls.h"
#include "TextDrawing.h"

#include <iterator>

namespace apps {

namespace {

// The resource bundle Drawlet's shell library draws its grabber icon from.
constexpr const char* kDrawletIconPath = "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle/icon-small.png";

constexpr double kGroupGap = 35;
constexpr double kRowHeight = 44;
constexpr double kPaneIconSize = 29;

// One row a group: the system's own pane, then the extensions' panes.
constexpr const char* kPanes[] = { "General", kDrawletPaneName, kActivatorPaneName };

CGRect rowFrame(const ScreenArea& area, size_t index)
{
    double const top = settingsui::contentTop(area) + kGroupGap + static_cast<double>(index) * (kRowHeight + kGroupGap);
    return CGRectMake(0, top, area.width, kRowHeight);
}

}

SettingsRootPage::SettingsRootPage()
    : m_drawletIcon(loadDeviceImage(kDrawletIconPath))
{
}

void SettingsRootPage::draw(cairo_t* cairo, const ScreenArea& area) const
{
    settingsui::drawPageBackground(cairo, area);
    for (size_t index = 0; index < std::size(kPanes); ++index) {
        CGRect const row = rowFrame(area, index);
        settingsui::drawRow(cairo, row, true);
        CGRect const icon = CGRectMake(settingsui::kMargin, row.origin.y + (kRowHeight - kPaneIconSize) / 2, kPaneIconSize, kPaneIconSize);
        bool const drawlet = std::string_view(kPanes[index]) == kDrawletPaneName;
        settingsui::drawIcon(cairo, drawlet ? m_drawletIcon.get() : nullptr, icon);
        settingsui::drawRowLabel(cairo, row, kPanes[index], settingsui::kMargin + kPaneIconSize + 14);
        cairo_set_source_rgb(cairo, 0.78, 0.78, 0.8);
        drawText(cairo, "\u203A", row.size.width - settingsui::kMargin, row.origin.y + kRowHeight / 2 + 7, 20, false, TextAlignment::Right);
    }
    settingsui::drawNavigationBar(cairo, area, "Settings", "");
}

std::optional<std::string> SettingsRootPage::paneForTap(CGPoint point, const ScreenArea& area) const
{
    for (size_t index = 0; index < std::size(kPanes); ++index) {
        if (CGRectContainsPoint(rowFrame(area, index), point))
            return kPanes[index];
    }
    return std::nullopt;
}

}

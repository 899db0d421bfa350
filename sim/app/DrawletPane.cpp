#include "DrawletPane.h"
#include "SettingsControls.h"
#include "SettingsValues.h"
#include "TextDrawing.h"

#include <algorithm>

namespace apps {

namespace {

constexpr double kValueTextSize = 13;

std::string swatchText(const std::string& colour)
{
    return colourText(colorpicker::parseColorString(colour).value_or(colorpicker::RGBA {}));
}

}

DrawletPane::DrawletPane(std::vector<InstalledApplication> applications)
    : m_applications(std::move(applications))
{
    for (auto const& application : m_applications)
        m_icons.push_back(loadDeviceImage(application.iconPath));
}

DrawletPaneLayout DrawletPane::layOut(const ScreenArea& area, bool withProblem) const
{
    return layOutDrawletPane(area, m_applications.size(), withProblem);
}

void DrawletPane::draw(cairo_t* cairo, const ScreenArea& area, NSDictionary* settings, const std::string& problem) const
{
    DrawletPaneLayout const layout = layOut(area, !problem.empty());
    if (!problem.empty()) {
        CGRect const frame = layout.problem;
        cairo_set_source_rgb(cairo, 1.0, 0.88, 0.86);
        cairo_rectangle(cairo, frame.origin.x, frame.origin.y, frame.size.width, frame.size.height);
        cairo_fill(cairo);
        cairo_set_source_rgb(cairo, 0.7, 0.1, 0.05);
        double const width = area.width - 2 * settingsui::kMargin;
        drawText(cairo, fitText(cairo, "The settings file cannot be read.", width, 13, true), settingsui::kMargin, frame.origin.y + 16, 13, true,
            TextAlignment::Left);
        drawText(cairo, fitText(cairo, "It is left as it is; nothing here can be changed.", width, 12, false), settingsui::kMargin, frame.origin.y + 32,
            12, false, TextAlignment::Left);
    }
    for (auto const& section : layout.sections)
        settingsui::drawSectionHeader(cairo, section.title, section.frame);
    for (size_t index = 0; index < layout.rows.size(); ++index) {
        CGRect const& row = layout.rows[index];
        // A row with another right under it gets a separator.
        bool const followed = index + 1 < layout.rows.size() && layout.rows[index + 1].origin == CGPointMake(row.origin.x, CGRectGetMaxY(row));
        settingsui::drawRow(cairo, row, !followed);
    }
    for (auto const& each : layout.switches) {
        settingsui::drawRowLabel(cairo, each.row, each.label);
        settingsui::drawSwitch(cairo, each.row, settingsBool(settings, each.key));
    }
    for (auto const& row : layout.colourRows)
        drawColourRow(cairo, layout, row, settings);
    drawApplications(cairo, layout, settings);
}

void DrawletPane::drawColourRow(cairo_t* cairo, const DrawletPaneLayout& layout, const PaneColourRow& row, NSDictionary* settings) const
{
    std::string const current = colourText(settingsColour(settings, row.key, row.fallback));
    for (auto const& swatch : layout.swatches) {
        if (swatch.key != row.key)
            continue;
        auto const colour = colorpicker::parseColorString(swatch.colour).value_or(colorpicker::RGBA {});
        settingsui::drawSwatch(cairo, swatch.frame, colour, swatchText(swatch.colour) == current);
    }
    // Grey while its switch is off: the shell does not use the colour then.
    if (settingsBool(settings, row.switchKey))
        cairo_set_source_rgb(cairo, 0.05, 0.05, 0.05);
    else
        cairo_set_source_rgb(cairo, 0.55, 0.55, 0.57);
    drawText(cairo, current, CGRectGetMaxX(row.row) - settingsui::kMargin, row.row.origin.y + row.row.size.height / 2 + 5, kValueTextSize, false,
        TextAlignment::Right);
}

void DrawletPane::drawApplications(cairo_t* cairo, const DrawletPaneLayout& layout, NSDictionary* settings) const
{
    CGRect const area = layout.applicationsArea;
    settingsui::drawRow(cairo, area, true);
    auto const chosen = settingsString(settings, kStartupApplicationKey);
    for (auto const& cell : layout.applications) {
        auto const& application = m_applications[cell.application];
        bool const selected = chosen == application.bundleIdentifier;
        settingsui::drawIcon(cairo, m_icons[cell.application].get(), cell.icon);
        if (selected)
            settingsui::drawSelectionRing(cairo, cell.icon, cell.icon.size.width * 0.22 + 3);
        if (selected)
            cairo_set_source_rgb(cairo, 0.0, 0.48, 1.0);
        else
            cairo_set_source_rgb(cairo, 0.05, 0.05, 0.05);
        double const middle = cell.frame.origin.x + cell.frame.size.width / 2;
        drawText(cairo, fitText(cairo, application.displayName, cell.frame.size.width - 4, 11, selected), middle, CGRectGetMaxY(cell.icon) + 15, 11,
            selected, TextAlignment::Center);
    }
    cairo_set_source_rgb(cairo, 0.43, 0.43, 0.45);
    drawText(cairo, fitText(cairo, caption(settings), area.size.width - 2 * settingsui::kMargin, 12, false), layout.caption.x, layout.caption.y, 12,
        false, TextAlignment::Left);
}

std::string DrawletPane::caption(NSDictionary* settings) const
{
    auto const chosen = settingsString(settings, kStartupApplicationKey);
    // The shell counts an empty string as no start-up application.
    if (!chosen || chosen->empty())
        return "No start-up application chosen.";
    auto const found = std::find_if(m_applications.begin(), m_applications.end(),
        [&](const InstalledApplication& application) { return application.bundleIdentifier == *chosen; });
    if (found == m_applications.end())
        return "Start-up application: " + *chosen + " (not installed)";
    return "Start-up application: " + found->displayName;
}

std::optional<SettingChange> DrawletPane::changeForTap(CGPoint point, const ScreenArea& area, NSDictionary* settings, bool withProblem) const
{
    DrawletPaneLayout const layout = layOut(area, withProblem);
    for (auto const& each : layout.switches) {
        if (CGRectContainsPoint(each.row, point))
            return SettingChange { each.key, !settingsBool(settings, each.key) };
    }
    for (auto const& swatch : layout.swatches) {
        // A little room around each swatch: a finger is wider than it.
        CGRect const target = CGRectMake(swatch.frame.origin.x - 4, swatch.frame.origin.y - 6, swatch.frame.size.width + 8, swatch.frame.size.height + 12);
        if (CGRectContainsPoint(target, point))
            return SettingChange { swatch.key, swatch.colour };
    }
    for (auto const& cell : layout.applications) {
        if (CGRectContainsPoint(cell.frame, point))
            return SettingChange { kStartupApplicationKey, m_applications[cell.application].bundleIdentifier };
    }
    return std::nullopt;
}

}

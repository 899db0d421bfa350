#include "DrawletPaneLayout.h"
#include "SettingsControls.h"

#include <algorithm>

namespace apps {

namespace {

constexpr double kSectionHeight = 28;
constexpr double kRowHeight = 36;
constexpr double kProblemHeight = 40;
constexpr double kSwatchSize = 24;
constexpr double kSwatchGap = 10;
constexpr double kCellWidth = 72;
constexpr double kCellHeight = 64;
constexpr double kApplicationIconSize = 40;
constexpr double kCellPadding = 6;

constexpr const char* kPalette[] = { "#FFFFFF", "#000000", "#FF3B30", "#FF9500", "#4CD964", "#007AFF" };

struct SwitchRow {
    const char* key;
    const char* label;
};

// The narrowest column the pane's rows fit in.
constexpr double kColumnWidth = 320;

// Lays out one column from the top down.
class Cursor {
public:
    Cursor(DrawletPaneLayout* layout, double top, double left, double width)
        : m_layout(layout)
        , m_y(top)
        , m_x(left)
        , m_width(width)
    {
    }

    void section(const char* title)
    {
        m_layout->sections.push_back({ title, CGRectMake(m_x, m_y, m_width, kSectionHeight) });
        m_y += kSectionHeight;
    }

    CGRect row()
    {
        CGRect const frame = CGRectMake(m_x, m_y, m_width, kRowHeight);
        m_layout->rows.push_back(frame);
        m_y += kRowHeight;
        return frame;
    }

    void switches(std::initializer_list<SwitchRow> rows)
    {
        for (auto const& each : rows)
            m_layout->switches.push_back({ each.key, each.label, row() });
    }

    void colours(const char* key, const char* fallback, const char* switchKey)
    {
        CGRect const frame = row();
        m_layout->colourRows.push_back({ key, fallback, switchKey, frame });
        double x = m_x + settingsui::kMargin;
        double const y = frame.origin.y + (kRowHeight - kSwatchSize) / 2;
        for (auto const* colour : kPalette) {
            m_layout->swatches.push_back({ key, colour, CGRectMake(x, y, kSwatchSize, kSwatchSize) });
            x += kSwatchSize + kSwatchGap;
        }
    }

    void applications(size_t count)
    {
        double const usable = m_width - 2 * settingsui::kMargin;
        size_t const columns = std::max<size_t>(1, static_cast<size_t>(usable / kCellWidth));
        double const cellWidth = usable / static_cast<double>(columns);
        size_t const lines = std::max<size_t>(1, (count + columns - 1) / columns);
        double const height = 2 * kCellPadding + static_cast<double>(lines) * kCellHeight;
        m_layout->applicationsArea = CGRectMake(m_x, m_y, m_width, height);
        for (size_t index = 0; index < count; ++index) {
            size_t const column = index % columns;
            size_t const line = index / columns;
            double const x = m_x + settingsui::kMargin + static_cast<double>(column) * cellWidth;
            double const y = m_y + kCellPadding + static_cast<double>(line) * kCellHeight;
            CGRect const icon = CGRectMake(x + (cellWidth - kApplicationIconSize) / 2, y + 4, kApplicationIconSize, kApplicationIconSize);
            m_layout->applications.push_back({ index, CGRectMake(x, y, cellWidth, kCellHeight), icon });
        }
        m_y += height;
        m_layout->caption = CGPointMake(m_x + settingsui::kMargin, m_y + 18);
    }

private:
    DrawletPaneLayout* m_layout;
    double m_y;
    double m_x;
    double m_width;
};

}

DrawletPaneLayout layOutDrawletPane(const ScreenArea& area, size_t applicationCount, bool withProblem)
{
    DrawletPaneLayout layout;
    double top = settingsui::contentTop(area);
    if (withProblem) {
        layout.problem = CGRectMake(0, top, area.width, kProblemHeight);
        top += kProblemHeight;
    }
    bool const twoColumns = area.width > area.height && area.width >= 2 * kColumnWidth;
    double const columnWidth = twoColumns ? area.width / 2 : area.width;
    Cursor first(&layout, top, 0, columnWidth);
    Cursor second(&layout, top, columnWidth, columnWidth);
    Cursor& grabber = twoColumns ? second : first;

    first.section("DRAWLET");
    first.switches({ { "tweakEnabled", "Enabled" }, { "autoPinEnabled", "Pin the start-up app at launch" } });
    grabber.section("GRABBER");
    grabber.switches({ { "smallGrabber", "Small grabber" }, { "iconOnly", "Icon only (small grabber)" },
        { "useCustomGrabberColor", "Custom grabber colour" } });
    grabber.colours("customGrabberColor", "#FFFFFF", "useCustomGrabberColor");
    grabber.switches({ { "useCustomArrowColor", "Custom arrow colour" } });
    grabber.colours("customArrowColor", "#000000", "useCustomArrowColor");
    first.section("START-UP APPLICATION");
    first.applications(applicationCount);
    return layout;
}

}

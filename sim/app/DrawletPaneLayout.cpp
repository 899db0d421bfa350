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
constexpr double kIconSize = 40;
constexpr double kCellPadding = 6;

constexpr const char* kPalette[] = { "#FFFFFF", "#000000", "#FF3B30", "#FF9500", "#4CD964", "#007AFF" };

struct SwitchRow {
    const char* key;
    const char* label;
};

class Cursor {
public:
    Cursor(DrawletPaneLayout* layout, double top, double width)
        : m_layout(layout)
        , m_y(top)
        , m_width(width)
    {
    }

    double y() const { return m_y; }
    double width() const { return m_width; }
    void skip(double height) { m_y += height; }

    void section(const char* title)
    {
        m_layout->sections.push_back({ title, m_y, kSectionHeight });
        m_y += kSectionHeight;
    }

    CGRect row()
    {
        CGRect const frame = CGRectMake(0, m_y, m_width, kRowHeight);
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
        double x = settingsui::kMargin;
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
        m_layout->applicationsArea = CGRectMake(0, m_y, m_width, height);
        for (size_t index = 0; index < count; ++index) {
            double const x = settingsui::kMargin + static_cast<double>(index % columns) * cellWidth;
            double const y = m_y + kCellPadding + static_cast<double>(index / columns) * kCellHeight;
            CGRect const icon = CGRectMake(x + (cellWidth - kIconSize) / 2, y + 4, kIconSize, kIconSize);
            m_layout->applications.push_back({ index, CGRectMake(x, y, cellWidth, kCellHeight), icon });
        }
        m_y += height;
    }

private:
    DrawletPaneLayout* m_layout;
    double m_y;
    double m_width;
};

}

DrawletPaneLayout layOutDrawletPane(const ScreenArea& area, size_t applicationCount, bool withProblem)
{
    DrawletPaneLayout layout;
    Cursor cursor(&layout, settingsui::contentTop(area), area.width);
    if (withProblem) {
        layout.problem = CGRectMake(0, cursor.y(), area.width, kProblemHeight);
        cursor.skip(kProblemHeight);
    }
    cursor.section("DRAWLET");
    cursor.switches({ { "tweakEnabled", "Enabled" }, { "autoPinEnabled", "Pin the start-up app at launch" } });
    cursor.section("GRABBER");
    cursor.switches({ { "smallGrabber", "Small grabber" }, { "iconOnly", "Icon only (small grabber)" },
        { "useCustomGrabberColor", "Custom grabber colour" } });
    cursor.colours("customGrabberColor", "#FFFFFF", "useCustomGrabberColor");
    cursor.switches({ { "useCustomArrowColor", "Custom arrow colour" } });
    cursor.colours("customArrowColor", "#000000", "useCustomArrowColor");
    cursor.section("START-UP APPLICATION");
    cursor.applications(applicationCount);
    layout.captionBaseline = cursor.y() + 18;
    return layout;
}

}

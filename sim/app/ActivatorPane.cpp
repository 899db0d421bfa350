#include "ActivatorPane.h"
#include "SettingsControls.h"
#include "TextDrawing.h"

#include "activator/ActivatorRemote.h"
#include "activator/DeviceEvents.h"
#include "foundation/SystemLog.h"

#include <algorithm>
#include <cctype>

namespace apps {

namespace {

constexpr double kHeaderHeight = 34;
constexpr double kListenerRowHeight = 66;
constexpr double kChoiceRowHeight = 44;
constexpr double kListenerIconSize = 29;

activator::ActivatorRemote& remote() { return activator::ActivatorRemote::shared(); }

std::string capitals(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string eventTitle(const std::string& event)
{
    auto const* known = activator::findDeviceEvent(event);
    return known ? known->title : event;
}

std::string eventsText(const activator::ListenerDescription& listener)
{
    if (listener.events.empty())
        return "No event";
    std::string text;
    for (auto const& event : listener.events)
        text += (text.empty() ? "" : ", ") + eventTitle(event);
    return text;
}

std::string titleOf(const activator::ListenerDescription& listener)
{
    return listener.title.empty() ? listener.name : listener.title;
}

// Groups in alphabetical order, listeners in the order they came within each.
std::vector<std::pair<std::string, std::vector<size_t>>> grouped(const std::vector<activator::ListenerDescription>& listeners)
{
    std::vector<std::pair<std::string, std::vector<size_t>>> groups;
    for (size_t index = 0; index < listeners.size(); ++index) {
        auto found = std::find_if(groups.begin(), groups.end(), [&](auto const& group) { return group.first == listeners[index].group; });
        if (found == groups.end())
            groups.push_back({ listeners[index].group, { index } });
        else
            found->second.push_back(index);
    }
    std::stable_sort(groups.begin(), groups.end(), [](auto const& a, auto const& b) { return a.first < b.first; });
    return groups;
}

}

void ActivatorPane::shown()
{
    m_asked = remote().requestListeners();
    if (!m_asked)
        CFLog(kCFLogLevelError, "Settings: cannot ask Activator for its listeners: no bus");
    ++m_version;
}

long long ActivatorPane::version() const
{
    return m_version + remote().version();
}

const std::vector<activator::ListenerDescription>* ActivatorPane::listeners() const
{
    auto const& answered = remote().listeners();
    return answered ? &*answered : nullptr;
}

const activator::ListenerDescription* ActivatorPane::openListener() const
{
    auto const* all = listeners();
    if (!m_open || !all)
        return nullptr;
    auto found = std::find_if(all->begin(), all->end(), [&](auto const& listener) { return listener.name == *m_open; });
    return found == all->end() ? nullptr : &*found;
}

bool ActivatorPane::goBack()
{
    if (!m_open)
        return false;
    m_open.reset();
    ++m_version;
    return true;
}

ActivatorPane::ListLayout ActivatorPane::layOutList(const ScreenArea& area) const
{
    ListLayout layout;
    auto const* all = listeners();
    if (!all)
        return layout;
    double y = settingsui::contentTop(area);
    for (auto const& [group, members] : grouped(*all)) {
        layout.headers.push_back({ capitals(group), CGRectMake(0, y, area.width, kHeaderHeight) });
        y += kHeaderHeight;
        for (size_t const index : members) {
            layout.rows.push_back({ CGRectMake(0, y, area.width, kListenerRowHeight), index });
            y += kListenerRowHeight;
        }
    }
    return layout;
}

std::vector<ActivatorPane::Choice> ActivatorPane::layOutChoices(const ScreenArea& area) const
{
    std::vector<Choice> choices;
    double y = settingsui::contentTop(area) + kHeaderHeight;
    choices.push_back({ CGRectMake(0, y, area.width, kChoiceRowHeight), "", "None" });
    for (auto const& event : activator::kDeviceEvents) {
        y += kChoiceRowHeight;
        choices.push_back({ CGRectMake(0, y, area.width, kChoiceRowHeight), event.name, event.title });
    }
    return choices;
}

void ActivatorPane::draw(cairo_t* cairo, const ScreenArea& area) const
{
    settingsui::drawPageBackground(cairo, area);
    if (auto const* listener = openListener()) {
        drawListener(cairo, area, *listener);
        settingsui::drawNavigationBar(cairo, area, titleOf(*listener), kActivatorPaneName);
        return;
    }
    if (!listeners())
        drawMessage(cairo, area, m_asked ? "Asking Activator\u2026" : "Activator is not running.");
    else if (listeners()->empty())
        drawMessage(cairo, area, "No listeners are registered.");
    else
        drawList(cairo, area);
    settingsui::drawNavigationBar(cairo, area, kActivatorPaneName, "Settings");
}

void ActivatorPane::drawMessage(cairo_t* cairo, const ScreenArea& area, const std::string& message) const
{
    cairo_set_source_rgb(cairo, 0.43, 0.43, 0.45);
    drawText(cairo, message, area.width / 2, settingsui::contentTop(area) + 60, 15, false, TextAlignment::Center);
}

void ActivatorPane::drawList(cairo_t* cairo, const ScreenArea& area) const
{
    auto const& all = *listeners();
    ListLayout const layout = layOutList(area);
    for (auto const& [title, frame] : layout.headers)
        settingsui::drawSectionHeader(cairo, title, frame);
    double const textLeft = settingsui::kMargin + kListenerIconSize + 14;
    double const textWidth = area.width - textLeft - 34;
    for (size_t index = 0; index < layout.rows.size(); ++index) {
        CGRect const& row = layout.rows[index].frame;
        auto const& listener = all[layout.rows[index].listener];
        bool const followed = index + 1 < layout.rows.size() && layout.rows[index + 1].frame.origin.y == CGRectGetMaxY(row);
        settingsui::drawRow(cairo, row, !followed);
        settingsui::drawIcon(cairo, icon(listener), CGRectMake(settingsui::kMargin, row.origin.y + (kListenerRowHeight - kListenerIconSize) / 2, kListenerIconSize, kListenerIconSize));
        cairo_set_source_rgb(cairo, 0.05, 0.05, 0.05);
        drawText(cairo, fitText(cairo, titleOf(listener), textWidth, 15, false), textLeft, row.origin.y + 21, 15, false, TextAlignment::Left);
        cairo_set_source_rgb(cairo, 0.43, 0.43, 0.45);
        drawText(cairo, fitText(cairo, listener.description, textWidth, 12, false), textLeft, row.origin.y + 38, 12, false, TextAlignment::Left);
        cairo_set_source_rgb(cairo, 0.0, 0.48, 1.0);
        drawText(cairo, fitText(cairo, eventsText(listener), textWidth, 12, false), textLeft, row.origin.y + 55, 12, false, TextAlignment::Left);
        cairo_set_source_rgb(cairo, 0.78, 0.78, 0.8);
        drawText(cairo, "\u203A", row.size.width - settingsui::kMargin, row.origin.y + kListenerRowHeight / 2 + 7, 20, false, TextAlignment::Right);
    }
}

void ActivatorPane::drawListener(cairo_t* cairo, const ScreenArea& area, const activator::ListenerDescription& listener) const
{
    auto const choices = layOutChoices(area);
    settingsui::drawSectionHeader(cairo, "EVENT", CGRectMake(0, settingsui::contentTop(area), area.width, kHeaderHeight));
    for (size_t index = 0; index < choices.size(); ++index) {
        auto const& choice = choices[index];
        settingsui::drawRow(cairo, choice.frame, index + 1 == choices.size());
        settingsui::drawRowLabel(cairo, choice.frame, choice.title);
        bool const chosen = choice.event.empty() ? listener.events.empty()
                                                 : std::find(listener.events.begin(), listener.events.end(), choice.event) != listener.events.end();
        if (!chosen)
            continue;
        cairo_set_source_rgb(cairo, 0.0, 0.48, 1.0);
        drawText(cairo, "\u2713", choice.frame.size.width - settingsui::kMargin, choice.frame.origin.y + kChoiceRowHeight / 2 + 6, 17, true,
            TextAlignment::Right);
    }
    CGRect const last = choices.back().frame;
    cairo_set_source_rgb(cairo, 0.43, 0.43, 0.45);
    drawText(cairo, fitText(cairo, listener.description, area.width - 2 * settingsui::kMargin, 12, false), settingsui::kMargin, CGRectGetMaxY(last) + 22,
        12, false, TextAlignment::Left);
}

void ActivatorPane::tapped(CGPoint point, const ScreenArea& area)
{
    if (auto const* listener = openListener()) {
        for (auto const& choice : layOutChoices(area)) {
            if (!CGRectContainsPoint(choice.frame, point))
                continue;
            if (!remote().chooseEvent(listener->name, choice.event)) {
                CFLog(kCFLogLevelError, "Settings: cannot tell Activator: no bus");
                return;
            }
            CFLog(kCFLogLevelNotice, "Settings: chose %s for %s", choice.event.empty() ? "no event" : choice.event.c_str(), listener->name.c_str());
            return;
        }
        return;
    }
    auto const* all = listeners();
    if (!all)
        return;
    for (auto const& row : layOutList(area).rows) {
        if (CGRectContainsPoint(row.frame, point)) {
            m_open = (*all)[row.listener].name;
            ++m_version;
            return;
        }
    }
}

cairo_surface_t* ActivatorPane::icon(const activator::ListenerDescription& listener) const
{
    if (listener.icon.empty())
        return nullptr;
    auto& cached = m_icons[listener.name];
    if (cached.first != listener.icon) {
        cached.first = listener.icon;
        cached.second = decodePngImage(listener.icon);
    }
    return cached.second.get();
}

}

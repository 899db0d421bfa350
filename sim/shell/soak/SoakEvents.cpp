#include "SoakEvents.h"
#include "SoakInvariants.h"

#include "HomeScreenLayout.h"

#include <cstdio>

namespace sim {

namespace {

const std::vector<std::string> kSettingsKeys { "tweakEnabled", "autoPinEnabled", "smallGrabber", "iconOnly", "useCustomGrabberColor",
    "useCustomArrowColor", "customGrabberColor", "customArrowColor", "startupApp", "hasBeenLaunchedBefore" };
// Values of every type for every key: the right ones most often, and the
// wrong ones a careless pane or hand would write.
const std::vector<std::string> kSettingsValues { "true", "false", "true", "false", "YES", "NO", "#FF8800", "#00FF0080", "#123", "3", "-1", "2.5",
    "com.drawlet.demo.clock", "com.drawlet.demo.notes", "com.example.missing", "purple" };
const std::vector<std::string> kWords { "Hello", "Lunch?", "Done", "ok", "x", "Meeting\\nnow", "\\x08" };
const std::vector<std::string> kFileBreakages { "empty", "garbage" };
const std::vector<std::string> kBadges { "1", "4", "0", "-", "New" };
const std::vector<std::string> kActivatorEvents { "libactivator.statusbar.tap.double", "libactivator.lock.hold.short" };
const std::vector<std::string> kActivatorListeners { "com.quillbrook.drawlet.toggleHidden", "com.quillbrook.drawlet.pinCurrentApp" };

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

CGRect inset(CGRect rect, double by)
{
    if (rect.size.width <= 2 * by || rect.size.height <= 2 * by)
        return rect;
    return CGRectMake(rect.origin.x + by, rect.origin.y + by, rect.size.width - 2 * by, rect.size.height - 2 * by);
}

}

SoakEvents::SoakEvents(SoakRandom& random, const std::set<std::string>& without)
    : m_random(random)
    , m_without(without)
{
    addTouches();
    addShellEvents();
    addApplicationEvents();
    addSettingsEvents();
}

void SoakEvents::add(std::string verb, unsigned weight, std::function<std::string(const DeviceObservation&)> make)
{
    if (m_without.contains(verb))
        return;
    m_totalWeight += weight;
    m_kinds.push_back({ std::move(verb), weight, std::move(make) });
}

std::string SoakEvents::next(const DeviceObservation& device)
{
    uint64_t choice = m_random.below(m_totalWeight);
    for (auto const& kind : m_kinds) {
        if (choice < kind.weight)
            return kind.make(device);
        choice -= kind.weight;
    }
    return "wait 0.1";
}

std::string SoakEvents::point(CGRect area)
{
    if (area.size.width < 1 || area.size.height < 1)
        area = CGRectMake(area.origin.x, area.origin.y, 1, 1);
    double const x = area.origin.x + static_cast<double>(m_random.below(static_cast<uint64_t>(area.size.width)));
    double const y = area.origin.y + static_cast<double>(m_random.below(static_cast<uint64_t>(area.size.height)));
    return number(x) + " " + number(y);
}

std::string SoakEvents::anywhere(const DeviceObservation& device)
{
    return point(CGRectMake(0, 0, device.screen.width, device.screen.height));
}

std::string SoakEvents::seconds(int64_t lowHundredths, int64_t highHundredths)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(m_random.between(lowHundredths, highHundredths)) / 100);
    return text;
}

std::string SoakEvents::anyApplication(const DeviceObservation& device)
{
    return device.installed.empty() ? "com.drawlet.demo.clock" : pick(device.installed);
}

std::string SoakEvents::runningApplication(const DeviceObservation& device)
{
    return device.running.empty() ? anyApplication(device) : pick(device.running);
}

void SoakEvents::addTouches()
{
    add("tap", 8, [this](const DeviceObservation& device) { return "tap " + anywhere(device); });
    add("tap", 10, [this](const DeviceObservation& device) { return "tap " + point(inset(device.panel.grabber, 2)); });
    // The panel, and the hosted application inside it.
    add("tap", 8, [this](const DeviceObservation& device) { return "tap " + point(inset(device.panel.container, 2)); });
    // The dimmed strip the open panel leaves at the left edge, and the top
    // of the screen, where two taps are Activator's double tap.
    add("tap", 3, [this](const DeviceObservation& device) { return "tap " + point(CGRectMake(0, 0, 4, device.screen.height)); });
    add("tap", 3, [this](const DeviceObservation& device) { return "tap " + point(CGRectMake(0, 0, device.screen.width, 20)); });
    add("tap", 3, [this](const DeviceObservation& device) {
        size_t const count = device.installed.empty() ? 1 : device.installed.size();
        auto const place = compositor::homeScreenIconPlace(device.screen, m_random.below(count));
        return "tap " + point(inset(place.icon, 4));
    });
    // Pulls on the grabber, open and closed, quick and slow.
    add("drag", 5, [this](const DeviceObservation& device) {
        CGRect const grabber = device.panel.grabber;
        double const x = grabber.origin.x + grabber.size.width / 2;
        double const y = grabber.origin.y + grabber.size.height / 2;
        double const to = static_cast<double>(m_random.between(0, static_cast<int64_t>(device.screen.width)));
        return "drag " + number(x) + " " + number(y) + " " + number(to) + " " + number(y) + " " + seconds(5, 80);
    });
    add("drag", 2, [this](const DeviceObservation& device) { return "drag " + anywhere(device) + " " + anywhere(device) + " " + seconds(5, 100); });
    add("swipe", 3, [](const DeviceObservation& device) {
        CGRect const panel = inset(device.panel.container, 10);
        double const y = panel.origin.y + panel.size.height / 2;
        return "swipe " + number(panel.origin.x + 10) + " " + number(y) + " " + number(panel.origin.x + 200) + " " + number(y);
    });
    // To the right across the lock screen: an unlock.
    add("swipe", 2, [this](const DeviceObservation& device) {
        double const y = static_cast<double>(m_random.between(100, static_cast<int64_t>(device.screen.height) - 100));
        return "swipe 30 " + number(y) + " " + number(device.screen.width - 30) + " " + number(y);
    });
    add("swipe", 1, [this](const DeviceObservation& device) { return "swipe " + anywhere(device) + " " + anywhere(device); });
    add("hold", 2, [this](const DeviceObservation& device) { return "hold " + point(inset(device.panel.grabber, 2)) + " " + seconds(30, 150); });
    add("hold", 1, [this](const DeviceObservation& device) { return "hold " + anywhere(device) + " " + seconds(10, 120); });
}

void SoakEvents::addShellEvents()
{
    add("home", 8, [](const DeviceObservation&) { return std::string("home"); });
    // A person opens the switcher with two presses of home, and the first
    // closes an open panel: the verb's shortcut past that press would leave
    // the panel open under the switcher, a state the device never reaches.
    add("switcher", 3, [](const DeviceObservation& device) { return std::string(restsOpen(device.panel) ? "home" : "switcher"); });
    add("switcher", 3, [this](const DeviceObservation& device) {
        if (restsOpen(device.panel))
            return std::string("home");
        return m_random.oneIn(3) ? std::string("switcher home") : "switcher " + runningApplication(device);
    });
    add("lock", 3, [](const DeviceObservation&) { return std::string("lock"); });
    add("unlock", 4, [](const DeviceObservation&) { return std::string("unlock"); });
    add("alert", 2, [this](const DeviceObservation&) {
        return m_random.oneIn(2) ? std::string("alert \"Low Battery\" \"20% of battery remaining\" OK Dismiss") : std::string("alert Update \"Ready\" OK");
    });
    add("answer", 3, [this](const DeviceObservation& device) {
        return "answer \"" + (device.alertButtons.empty() ? std::string("OK") : pick(device.alertButtons)) + "\"";
    });
    add("activator", 6, [this](const DeviceObservation&) { return "activator " + pick(kActivatorEvents); });
    // With an application in front, this is the pin (on the first launch's
    // assignments), which everything the panel does starts from.
    add("activator", 4, [](const DeviceObservation&) { return std::string("activator libactivator.lock.hold.short"); });
    add("activator", 1, [this](const DeviceObservation&) {
        if (m_random.oneIn(4))
            return "activator unassign " + pick(kActivatorEvents);
        return "activator assign " + pick(kActivatorEvents) + " " + pick(kActivatorListeners);
    });
    add("rotate", 3, [this](const DeviceObservation&) { return "rotate " + std::to_string(m_random.between(1, 4)); });
    add("keyboard", 2, [](const DeviceObservation&) { return std::string("keyboard show"); });
    add("keyboard", 2, [](const DeviceObservation&) { return std::string("keyboard hide"); });
    add("type", 2, [this](const DeviceObservation&) { return "type \"" + pick(kWords) + "\""; });
    add("notify", 3, [this](const DeviceObservation& device) { return "notify " + anyApplication(device) + " \"" + pick(kWords) + "\" " + pick(kBadges); });
    add("wait", 3, [this](const DeviceObservation&) { return "wait " + seconds(5, 300); });
}

void SoakEvents::addApplicationEvents()
{
    add("launch", 2, [this](const DeviceObservation& device) { return "launch " + anyApplication(device); });
    add("activate", 2, [this](const DeviceObservation& device) { return "activate " + anyApplication(device); });
    add("open", 5, [this](const DeviceObservation& device) { return "open " + anyApplication(device); });
    add("url", 1, [this](const DeviceObservation&) { return m_random.oneIn(2) ? std::string("url prefs:root=Drawlet") : std::string("url prefs:root=Activator"); });
    add("crash", 1, [this](const DeviceObservation& device) { return "crash " + runningApplication(device); });
    // Mostly short hangs, each costing its length in real time; now and
    // then a long one, close to the longest a hang may be.
    add("hang", 1, [this](const DeviceObservation& device) {
        return "hang " + runningApplication(device) + " " + (m_random.oneIn(4) ? seconds(50, 200) : seconds(5, 30));
    });
}

void SoakEvents::addSettingsEvents()
{
    // Drawlet does nothing with the tweak off, so it is turned on again
    // more often than anything else is set.
    add("settings", 4, [](const DeviceObservation&) { return std::string("settings set tweakEnabled true"); });
    add("settings", 4, [this](const DeviceObservation&) {
        std::string const key = pick(kSettingsKeys);
        std::string const value = pick(kSettingsValues);
        return "settings set " + std::string(m_random.oneIn(6) ? "--string " : "") + key + " " + value;
    });
    add("settings", 1, [this](const DeviceObservation&) { return "settings delete " + pick(kSettingsKeys); });
    // A broken file is mended (removed) more often than it is broken, so
    // the soak spends most of its time with a file the shell can read.
    add("settings", 1, [this](const DeviceObservation&) { return "settings file " + pick(kFileBreakages); });
    add("settings", 2, [](const DeviceObservation&) { return std::string("settings file delete"); });
}

}

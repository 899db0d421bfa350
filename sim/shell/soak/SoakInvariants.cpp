#include "SoakInvariants.h"

#include "settings/SettingsStore.h"

#include "foundation/NSObject.h"
#include "runtime/AutoreleasePool.h"

#include <cmath>
#include <cstdio>

namespace sim {

namespace {

constexpr double kOpenX = 4;
constexpr double kGrabberStrip = 50;
// The single-precision 0.8 the panel dims with.
constexpr double kOpenDimmingAlpha = 0.8F;

bool near(double a, double b) { return std::fabs(a - b) < 0.01; }

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}

bool restsOpen(const PanelObservation& panel) { return panel.overlayKnown && !panel.overlayHidden && near(panel.overlayFrame.origin.x, kOpenX); }

std::optional<std::string> checkPanel(const DeviceObservation& device, bool drawletLoaded)
{
    if (!drawletLoaded)
        return std::nullopt;
    auto const& panel = device.panel;
    double const width = device.screen.width;
    if (panel.overlayKnown && !panel.overlayHidden) {
        double const x = panel.overlayFrame.origin.x;
        if (!near(x, kOpenX) && !near(x, width - kGrabberStrip) && !near(x, width))
            return "the overlay window rests at x " + number(x) + ", not at 4, " + number(width - kGrabberStrip) + " or " + number(width);
    }
    if (panel.dimmingKnown && !panel.dimmingHidden) {
        bool const dimmed = std::fabs(panel.dimmingAlpha - kOpenDimmingAlpha) < 1e-6;
        if (!dimmed && panel.dimmingAlpha != 0)
            return "the dimming window's alpha is " + number(panel.dimmingAlpha) + ", neither 0 nor 0.8";
        if (dimmed && !restsOpen(panel))
            return "the screen stays dimmed while the panel is not open at x 4";
    }
    if (panel.hostViews > 1)
        return "the panel holds " + std::to_string(panel.hostViews) + " host views";
    if (device.hostingEnabled.size() > 1)
        return "hosting is enabled for " + std::to_string(device.hostingEnabled.size()) + " applications";
    if (device.hostingEnabled.size() == 1 && panel.hostedApplication != device.hostingEnabled[0])
        return "hosting is enabled for " + device.hostingEnabled[0] + ", which the panel does not hold";
    return std::nullopt;
}

std::optional<std::string> checkProcesses(const DeviceObservation& device)
{
    if (device.running.size() > device.installed.size())
        return std::to_string(device.running.size()) + " application processes for " + std::to_string(device.installed.size()) + " installed applications";
    return std::nullopt;
}

SoakSettingsModel::SoakSettingsModel(std::string home)
    : m_home(std::move(home))
{
}

void SoakSettingsModel::follow(const std::vector<std::string>& words, bool succeeded)
{
    if (words.size() < 3 || words[0] != "settings")
        return;
    if (words[1] == "file") {
        // Deleting the file starts afresh; an empty or broken file is
        // refused by the tool until then.
        m_brokenOnPurpose = words[2] != "delete";
        m_written.clear();
        return;
    }
    if (!succeeded)
        return;
    if (words[1] == "delete") {
        m_written.erase(words[2]);
        return;
    }
    bool const forceString = words[2] == "--string";
    size_t const key = forceString ? 3 : 2;
    if (words[1] != "set" || words.size() != key + 2)
        return;
    m_written.insert(words[key]);
}

std::optional<std::string> SoakSettingsModel::check() const
{
    if (m_brokenOnPurpose)
        return std::nullopt;
    AutoreleasePool pool;
    settings::SettingsStore store(m_home);
    Strong<NSDictionary> contents;
    auto const status = store.read(&contents);
    if (!status.ok())
        return "the settings file cannot be read: " + status.message;
    // Only the keys: the Settings application, which the soak's taps reach,
    // changes values as a user would.
    for (auto const& key : m_written) {
        Strong<objc_object> stored;
        if (!store.get(key, &stored).ok())
            return "the settings file lost the key " + key;
    }
    return std::nullopt;
}

}

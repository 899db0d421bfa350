#pragma once
// What must hold after every event of a soak, once nothing animates.

#include "SoakObservation.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sim {

// The panel's window rests open, at the screen's left edge but 4 points.
bool restsOpen(const PanelObservation& panel);

// The panel's resting places and the dimming's values; `drawletLoaded` false
// skips them (the shell alone has no panel).
std::optional<std::string> checkPanel(const DeviceObservation& device, bool drawletLoaded);

// No more application processes than installed applications.
std::optional<std::string> checkProcesses(const DeviceObservation& device);

// The settings the soak wrote, as the file must still hold them.
class SoakSettingsModel {
public:
    explicit SoakSettingsModel(std::string home);
    // Follows a `settings ...` line that ran, `succeeded` or refused.
    void follow(const std::vector<std::string>& words, bool succeeded);
    std::optional<std::string> check() const;

private:
    std::string m_home;
    std::set<std::string> m_written;
    bool m_brokenOnPurpose = false;
};

}

#pragma once
// What the soak sees of the device between events. The simulator does not
// link Drawlet: its panel is found among the platform's own objects (the
// windows at the panel's level, their views, the scenes' hosting), never in
// the library's variables.

#include "coregraphics/CGGeometry.h"
#include "runtime/Runtime.h"
#include "uikit/UIWindow.h"

#include <optional>
#include <string>
#include <vector>

namespace sim {

struct PanelObservation {
    // The window holding the grabber and the panel, and the one that dims.
    bool overlayKnown = false;
    bool overlayHidden = true;
    CGRect overlayFrame {};
    // The grabber and the panel's container, in screen points.
    CGRect grabber {};
    CGRect container {};
    bool dimmingKnown = false;
    bool dimmingHidden = true;
    double dimmingAlpha = 0;
    // Host views inside the overlay, and the application of the first.
    int hostViews = 0;
    std::string hostedApplication;
};

struct DeviceObservation {
    CGSize screen {};
    bool locked = false;
    std::vector<std::string> alertButtons;
    bool switcherShown = false;
    bool keyboardShown = false;
    bool bannerShown = false;
    // Empty on the home screen.
    std::string frontApplication;
    std::vector<std::string> installed;
    std::vector<std::string> running;
    std::vector<std::string> hostingEnabled;
    bool animating = false;
    PanelObservation panel;
};

// Finds Drawlet's windows as they show, and keeps them once seen: the overlay
// may be hidden for long stretches.
class PanelWindows {
public:
    void lookForWindows();
    UIWindow* overlay() const { return m_overlay.get(); }
    UIWindow* dimming() const { return m_dimming.get(); }

private:
    Strong<UIWindow> m_overlay;
    Strong<UIWindow> m_dimming;
};

DeviceObservation observeDevice(PanelWindows& windows);

// One line a fact, for a violation's report.
std::string describeObservation(const DeviceObservation& observation);

}

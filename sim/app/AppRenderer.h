#pragma once
// Draws an application's screen when what it shows has changed: its content's
// version, the status bar's time, whether the status bar is hidden
// (uikit::statusBarHidden, as the last appearance update left it), or the
// screen's orientation (uikit::mainScreenOrientation, as the shell last set
// it): a turned screen is drawn at its turned size, laid out for it.

#include "AppScreen.h"
#include "LastDrawnFrame.h"

#include <ctime>
#include <memory>
#include <optional>

namespace apps {

class AppRenderer {
public:
    // The screen's size in points held upright, and its scale (pixels per
    // point).
    AppRenderer(std::unique_ptr<AppScreen> screen, int width, int height, double scale);

    // True when it drew a new frame.
    bool redrawIfChanged(std::time_t now);

    const AppScreen& screen() const { return *m_screen; }
    AppScreen& screen() { return *m_screen; }
    // The area the screen draws in, turned as the screen is now.
    ScreenArea area() const;
    const LastDrawnFrame& lastDrawnFrame() const { return m_frame; }

private:
    ScreenArea areaFor(bool landscape) const;

    struct Appearance {
        bool statusBarShown;
        long long statusBarVersion;
        long long contentVersion;
        bool landscape;
        bool operator==(const Appearance&) const = default;
    };

    Appearance appearanceAt(std::time_t now) const;
    void draw(const Appearance& appearance, std::time_t now);

    std::unique_ptr<AppScreen> m_screen;
    int m_width;
    int m_height;
    double m_scale;
    std::optional<Appearance> m_drawn;
    LastDrawnFrame m_frame;
};

}

#pragma once
// The status bar an application draws at the top of its screen: the time in
// the middle and a battery glyph on the right, over the content.

#include <cairo.h>

#include <ctime>

namespace apps {

inline constexpr double kStatusBarHeight = 20; // points

class StatusBarPainter {
public:
    explicit StatusBarPainter(bool lightText)
        : m_lightText(lightText)
    {
    }

    // Minutes since the epoch: the status bar looks different when this changes.
    static long long version(std::time_t now) { return static_cast<long long>(now) / 60; }
    void draw(cairo_t* cairo, double screenWidth, std::time_t now) const;

private:
    bool m_lightText;
};

}

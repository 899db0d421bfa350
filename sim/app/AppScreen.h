#pragma once
// What one demo application draws below (and behind) the status bar. Each
// application is one subclass; the renderer asks it for a version of its
// content and redraws only when that or the status bar changes. An
// application that answers touches puts its views, with their recognizers, in
// its key window; what a touch changes shows in the content's version.

#include <cairo.h>

#include <ctime>
#include <string>

struct UIView;

namespace apps {

struct ScreenArea {
    double width = 0; // points
    double height = 0; // points
    double statusBarHeight = 0;
};

class AppScreen {
public:
    virtual ~AppScreen() = default;

    // Changes whenever the content would look different at `now`; static
    // content keeps one version.
    virtual long long contentVersion(std::time_t) const { return 0; }
    // Draws the whole screen in points (the context is already scaled).
    virtual void draw(cairo_t* cairo, const ScreenArea& area, std::time_t now) const = 0;
    // Light status-bar text, for dark content.
    virtual bool lightStatusBar() const { return false; }
    // The application's own answer to prefersStatusBarHidden.
    virtual bool prefersStatusBarHidden() const { return false; }
    // Adds the views that take touches to `window` (the screen's size).
    virtual void addTouchViews(UIView* /*window*/, const ScreenArea&) { }
    // The application came to the front, or its scene back to the foreground.
    virtual void activated() { }
    // An address the shell opened with this application; false when the
    // application shows nothing for it.
    virtual bool openURL(const std::string& /*address*/) { return false; }
};

}

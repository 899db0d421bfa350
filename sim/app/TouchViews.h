#pragma once
// The views an application's screen takes taps on, in one container on the key
// window. Their layout follows the screen's size, so a turn lays them out
// afresh; what the screen remembers of earlier taps stays with the screen.

#include "AppRenderer.h"

#include "runtime/Strong.h"

struct UIView;

namespace apps {

class TouchViews {
public:
    TouchViews(UIView* window, AppRenderer& renderer);

    // Lays the views out again when the screen has turned since the last time.
    void followScreen();

private:
    void layOut();

    UIView* m_window;
    AppRenderer& m_renderer;
    Strong<objc_object> m_container;
    ScreenArea m_laidOutFor {};
};

}

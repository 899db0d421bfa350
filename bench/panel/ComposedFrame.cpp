#include "ComposedFrame.h"
#include "PinnedShell.h"

#include "Compositor.h"

#include "core/PanelState.h"
#include "runtime/AutoreleasePool.h"
#include "uikit/UIKit.h"

#include <string>
#include <vector>

namespace bench {

namespace {

// One frame composed as the window composes it: into the compositor's own
// image, without the copy a headless `shot` takes.
bool composeFrame(benchmark::State& state)
{
    std::string error;
    compositor::ScreenUpdate update;
    if (compositor::updateScreen(&update, &error))
        return true;
    state.SkipWithError(error.c_str());
    return false;
}

// Each frame drawn whole, as before damage tracking: the reference.
void compose(benchmark::State& state)
{
    compositor::setFullRedraw(true);
    for (auto _ : state) {
        if (!composeFrame(state))
            return;
    }
    compositor::setFullRedraw(false);
    state.counters["pixels"] = static_cast<double>(uikit::mainScreenBounds().size.width * uikit::mainScreenScale())
        * (uikit::mainScreenBounds().size.height * uikit::mainScreenScale());
}

// The panel slid in by a tap on the grabber and its 0.3 s slide over.
bool openPanelAtRest(id shell)
{
    if (!isActive) {
        AutoreleasePool pool;
        send(shell, "tapGrabber:"_sel, static_cast<id>(grabber.get()));
    }
    settle(1.0);
    CGRect const frame = send<CGRect>(window.get(), "frame"_sel);
    return isActive && frame.origin.x == 4 && send<double>(bounds.get(), "alpha"_sel) > 0.79 && applicationView
        && send<id>(applicationView.get(), "superview"_sel) == applicationContainerView.get();
}

}

void composeOpenPanel(benchmark::State& state, id shell)
{
    if (!openPanelAtRest(shell)) {
        state.SkipWithError("the panel did not open with the application in it");
        return;
    }
    compose(state);
}

void composeOpenPanelClockChanged(benchmark::State& state, id shell)
{
    if (!openPanelAtRest(shell)) {
        state.SkipWithError("the panel did not open with the application in it");
        return;
    }
    if (!composeFrame(state))
        return;
    for (auto _ : state) {
        // A second on: Clock ticks and draws its next frame (untimed).
        state.PauseTiming();
        settle(1.0);
        state.ResumeTiming();
        if (!composeFrame(state))
            return;
    }
}

void composeDuringDrag(benchmark::State& state, id shell)
{
    if (!openPanelAtRest(shell)) {
        state.SkipWithError("the panel did not open with the application in it");
        return;
    }
    if (!composeFrame(state))
        return;
    CGRect frame = send<CGRect>(window.get(), "frame"_sel);
    double const start = frame.origin.x;
    int step = 0;
    for (auto _ : state) {
        // The overlay window follows the finger, 3 points a movement, back
        // and forth over 60 points.
        step = (step + 1) % 40;
        frame.origin.x = start + 3 * (step < 20 ? step : 40 - step);
        send(window.get(), "setFrame:"_sel, frame);
        if (!composeFrame(state))
            return;
    }
    frame.origin.x = start;
    send(window.get(), "setFrame:"_sel, frame);
}

void composeHomeScreen(benchmark::State& state)
{
    std::vector<Strong<UIWindow>> hidden;
    for (UIWindow* visible : uikit::visibleWindowsBackToFront())
        hidden.emplace_back(visible);
    for (auto const& each : hidden)
        send(each.get(), "setHidden:"_sel, true);
    compose(state);
    for (auto const& each : hidden)
        send(each.get(), "setHidden:"_sel, false);
}

}

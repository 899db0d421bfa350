// The panel's hot paths:
// - hit testing a 200-view tree: the platform's own hit test, then the same
//   through the shell library's replacement (installed between the two),
//   which runs for every view the platform visits;
// - one movement of a drag of the grabber (pullGrabber:, handler only), with
//   the panel open, and with it closed, where each movement also loads the
//   pinned application into the panel and posts its status-bar notification;
// - one composed frame of the whole screen with the panel open and the
//   pinned application live in it, beside the home screen alone;
// - a bulletin arriving for the pinned application: the replacement's own
//   cost (the shake built and added, the badge set) beside the shell's
//   implementation (its banner) alone.
// The shell hosts Clock, a real application process on a private bus.

#include "BulletinArrival.h"
#include "ComposedFrame.h"
#include "PinnedShell.h"

#include "activator/ActivatorClasses.h"
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/Startup.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "support/PrivateBusMain.h"
#include "uikit/UIKit.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

Strong<objc_object> g_window;
std::string g_busAddress;

id makeView(Class cls, CGRect frame)
{
    return objc_autorelease(send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame));
}

// A window of 20 columns of 9 stacked views each (200 views with the window
// and the columns); the point lands in the backmost column, so the hit test
// visits every column in front of it first.
void buildTree()
{
    AutoreleasePool pool;
    g_window = makeView(uikit::UIWindowClass(), CGRectMake(0, 0, 400, 900));
    send(g_window.get(), "setHidden:"_sel, false);
    for (int column = 0; column < 20; ++column) {
        id columnView = makeView(uikit::UIViewClass(), CGRectMake(column * 10, 0, 200, 900));
        for (int row = 0; row < 9; ++row)
            send(columnView, "addSubview:"_sel, makeView(uikit::UIViewClass(), CGRectMake(0, row * 100, 10, 100)));
        send(g_window.get(), "addSubview:"_sel, columnView);
    }
}

void hitTest(benchmark::State& state)
{
    CGPoint const point = CGPointMake(5, 850);
    send(g_window.get(), "setHidden:"_sel, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(send<id>(g_window.get(), "hitTest:withEvent:"_sel, point, static_cast<id>(nullptr)));
}

void BM_HitTestPlain(benchmark::State& state)
{
    hitTest(state);
}

bool installHooksOnce()
{
    installHooks();
    return true;
}

void ensureHooks()
{
    static bool const installed = installHooksOnce();
    (void)installed;
}

void BM_HitTestThroughReplacement(benchmark::State& state)
{
    ensureHooks();
    if (!previous_UIView_hitTest) {
        state.SkipWithError("the hit-test replacement is not installed");
        return;
    }
    hitTest(state);
}

// The shell with the panel built and Clock pinned; nil (the benchmark
// skipped) when it could not be launched.
id shellOrSkip(benchmark::State& state)
{
    ensureHooks();
    std::string error;
    id shell = bench::launchPinnedShell(g_busAddress, &error);
    if (!shell)
        state.SkipWithError(error.c_str());
    return shell;
}

id makePanRecognizer()
{
    return objc_autorelease(send<id>(send<id>(objc_getClass("UIPanGestureRecognizer"), "alloc"_sel), "initWithTarget:action:"_sel,
        static_cast<id>(nullptr), static_cast<SEL>(nullptr)));
}

void BM_PullGrabberMovementOpenPanel(benchmark::State& state)
{
    id shell = shellOrSkip(state);
    if (!shell)
        return;
    AutoreleasePool pool;
    id recognizer = makePanRecognizer();
    isActive = true;
    for (auto _ : state)
        added_SpringBoard_pullGrabber(shell, "pullGrabber:"_sel, recognizer);
}

// Each movement loads Clock into the panel again (a host view from its
// scene's context-host manager, the scene kept in the foreground) and posts
// its status-bar notification. What the movement leaves for the end of its
// run-loop callback (the scene's state sent to Clock) runs between movements,
// untimed, with Clock taking its messages in lock-step.
void BM_PullGrabberMovementClosedPanel(benchmark::State& state)
{
    id shell = shellOrSkip(state);
    if (!shell)
        return;
    AutoreleasePool pool;
    id recognizer = makePanRecognizer();
    isActive = false;
    size_t const mappings = bench::frameMappings();
    size_t const applications = bench::runningApplications();
    for (auto _ : state) {
        {
            AutoreleasePool movement;
            added_SpringBoard_pullGrabber(shell, "pullGrabber:"_sel, recognizer);
        }
        state.PauseTiming();
        bench::settle();
        state.ResumeTiming();
    }
    if (bench::frameMappings() != mappings || bench::runningApplications() != applications)
        state.SkipWithError("a movement mapped new frames or started a process");
    else if (!bench::showsOneLiveHostView())
        state.SkipWithError("the panel does not show one host view with Clock's frames");
    state.counters["frame_mappings"] = static_cast<double>(mappings);
    state.counters["applications"] = static_cast<double>(applications);
}

void BM_ComposedFrameHomeScreen(benchmark::State& state)
{
    if (!shellOrSkip(state))
        return;
    send(g_window.get(), "setHidden:"_sel, true);
    bench::composeHomeScreen(state);
}

void BM_ComposedFrameOpenPanel(benchmark::State& state)
{
    id shell = shellOrSkip(state);
    if (!shell)
        return;
    send(g_window.get(), "setHidden:"_sel, true);
    bench::composeOpenPanel(state, shell);
}

void BM_ComposedFrameClockChanged(benchmark::State& state)
{
    id shell = shellOrSkip(state);
    if (!shell)
        return;
    send(g_window.get(), "setHidden:"_sel, true);
    bench::composeOpenPanelClockChanged(state, shell);
}

void BM_ComposedFrameDuringDrag(benchmark::State& state)
{
    id shell = shellOrSkip(state);
    if (!shell)
        return;
    send(g_window.get(), "setHidden:"_sel, true);
    bench::composeDuringDrag(state, shell);
}

void BM_BulletinShellImplementation(benchmark::State& state)
{
    if (shellOrSkip(state))
        bench::bulletinShellImplementation(state);
}

void BM_BulletinReplacementAlone(benchmark::State& state)
{
    if (shellOrSkip(state))
        bench::bulletinReplacementAlone(state);
}

void BM_BulletinThroughReplacement(benchmark::State& state)
{
    if (shellOrSkip(state))
        bench::bulletinThroughReplacement(state);
}

// Registered in this order: the plain hit test runs before the hooks exist.
BENCHMARK(BM_HitTestPlain);
BENCHMARK(BM_HitTestThroughReplacement);
BENCHMARK(BM_PullGrabberMovementOpenPanel);
BENCHMARK(BM_PullGrabberMovementClosedPanel)->Unit(benchmark::kMicrosecond)->MinTime(0.3);
BENCHMARK(BM_ComposedFrameHomeScreen)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ComposedFrameOpenPanel)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ComposedFrameClockChanged)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_ComposedFrameDuringDrag)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_BulletinShellImplementation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BulletinReplacementAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BulletinThroughReplacement)->Unit(benchmark::kMicrosecond);

bool setUp(const std::string& address)
{
    g_busAddress = address;
    springboard::registerClasses();
    activator::registerClasses();
    buildTree();
    return true;
}

}

int main(int argc, char** argv)
{
    int const status = bench::runOnPrivateBus(argc, argv, "panel_bench", setUp);
    bench::removePinnedShellHome();
    return status;
}

// The panel's hot paths:
// - hit testing a 200-view tree: the platform's own hit test, then the same
//   through the shell library's replacement (installed between the two),
//   which runs for every view the platform visits;
// - one movement of a drag of the open panel (pullGrabber:, handler only).

#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/Startup.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

Strong<objc_object> g_window;

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

// The shell launched with the hooks in a home of its own, the panel built.
id launchShell()
{
    char pattern[] = "/tmp/drawlet-panel-bench-XXXXXX";
    std::string const home = mkdtemp(pattern);
    std::filesystem::create_directories(home + "/Library/Preferences");
    foundation::setHomeDirectory(home);
    systemlog::setWritesToStandardError(false);
    ensureHooks();
    uikit::setMainScreenSize(375, 667);
    id shell = uikit::launchApplication(springboard::SpringBoardClass());
    send(shell, "applicationDidFinishLaunching:"_sel, shell);
    return shell;
}

void BM_PullGrabberMovementOpenPanel(benchmark::State& state)
{
    static id const shell = launchShell();
    AutoreleasePool pool;
    id recognizer = objc_autorelease(send<id>(send<id>(objc_getClass("UIPanGestureRecognizer"), "alloc"_sel), "initWithTarget:action:"_sel,
        static_cast<id>(nullptr), static_cast<SEL>(nullptr)));
    if (!window || !grabber) {
        state.SkipWithError("the panel was not built");
        return;
    }
    isActive = true;
    for (auto _ : state)
        added_SpringBoard_pullGrabber(shell, "pullGrabber:"_sel, recognizer);
}

// Registered in this order: the plain one runs before the hooks exist.
BENCHMARK(BM_HitTestPlain);
BENCHMARK(BM_HitTestThroughReplacement);
BENCHMARK(BM_PullGrabberMovementOpenPanel);

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    springboard::registerClasses();
    buildTree();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

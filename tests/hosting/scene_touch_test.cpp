// Touches on a hosted scene: the host view's touch sink places them in the
// application's own points and sends them to its process alone; the views
// around the host view never see them. Touches no window takes go to the
// application in front the same way.
#include "HostingFixture.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "frontboard/FrontBoardClasses.h"
#include "frontboard/SceneTouchForwarding.h"
#include "runtime/AutoreleasePool.h"
#include "sim/ProgramRun.h"
#include "springboard/FrontApplicationTouches.h"
#include "springboard/SBApplicationController.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIKit.h"

#include <cairo.h>

#include <cmath>
#include <csignal>

using namespace hostingtest;

namespace {

constexpr const char* kGrid = "com.drawlet.demo.grid";

// Counts the actions of the recognizers it is the target of.
struct ActionCounter : NSObject {
    int count = 0;
};

void countAction(id self, SEL, id) { ++static_cast<ActionCounter*>(self)->count; }

Class actionCounterClass()
{
    static Class cls = nullptr;
    if (!cls) {
        cls = runtime::defineClass("SceneTouchTestActionCounter", foundation::NSObjectClass(), runtime::makeInstance<ActionCounter>);
        addMethod(cls, "count:"_sel, countAction);
    }
    return cls;
}

void addRecognizer(Class cls, id view, id target)
{
    auto recognizer = adopt(send<id>(send<id>(cls, "alloc"_sel), "initWithTarget:action:"_sel, target, "count:"_sel));
    send(view, "addGestureRecognizer:"_sel, recognizer.get());
}

// The overlay as the open panel has it: a window at x 4 with the panel at
// (53, 50) in it, `application` loaded into the panel by the shell library.
id openPanelWith(const char* application)
{
    id window = objc_autorelease(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(4, 0, 320, 568)));
    send(window, "setHidden:"_sel, false);
    id panel = makePanel(CGRectMake(53, 50, 320, 468));
    send(window, "addSubview:"_sel, panel);
    added_SpringBoard_loadAppInApplicationView(shell(), "loadAppInApplicationView:"_sel, static_cast<id>(NSString::make(application)));
    return window;
}

FBSceneHostView* hostViewProper()
{
    auto* wrapper = static_cast<UIView*>(applicationView.get());
    return wrapper && !wrapper->subviews.empty() ? static_cast<FBSceneHostView*>(wrapper->subviews[0].get()) : nullptr;
}

// Where the application's point (x, y) shows on the screen, with the panel of
// openPanelWith: its origin on the screen, then the scale of 468 / 568.
CGPoint onScreen(double x, double y)
{
    double const scale = 468.0 / 568.0;
    return { 4 + 53 + x * scale, 50 + y * scale };
}

double now() { return dispatch::RunLoop::main().now(); }

void tap(CGPoint point)
{
    auto& input = uikit::TouchInput::shared();
    input.touchBegan(point, now());
    runFor(0.05);
    input.touchEnded(point, now());
    runFor(0);
}

// The application's last frame at its point (x, y), as 0xAARRGGBB (scale 2).
uint32_t framePixel(const char* application, double x, double y)
{
    cairo_surface_t* frame = frontboard::ApplicationProcesses::shared().copyLastFrame(application);
    if (!frame)
        return 0;
    cairo_surface_flush(frame);
    auto const* row = cairo_image_surface_get_data(frame) + static_cast<ptrdiff_t>(std::lround(y * 2)) * cairo_image_surface_get_stride(frame);
    uint32_t const pixel = reinterpret_cast<const uint32_t*>(row)[std::lround(x * 2)];
    cairo_surface_destroy(frame);
    return pixel;
}

constexpr uint32_t kWhite = 0xffffffff;

// Adds a log file to the applications' command line.
std::filesystem::path logApplications()
{
    auto& processes = frontboard::ApplicationProcesses::shared();
    auto launcher = processes.launcher();
    auto path = std::filesystem::path(launcher.arguments.at(3)) / "applications.log";
    launcher.arguments.insert(launcher.arguments.end(), { "--log", path.string() });
    processes.setLauncher(launcher);
    return path;
}

}

FORKED_TEST(SceneTouch, TheHostedPointFollowsEveryFrameAndTransformAndNoRecognizerAroundSeesTheTouch)
{
    setUpShell(320, 568);
    {
        AutoreleasePool pool;
        id window = openPanelWith(kNotes);
        FBSceneHostView* hostView = hostViewProper();
        ASSERT_NE(hostView, nullptr);
        auto expectNear = [](std::optional<CGPoint> point, double x, double y) {
            ASSERT_TRUE(point);
            EXPECT_NEAR(point->x, x, 1e-4) << "the scale is kept as a 32-bit float";
            EXPECT_NEAR(point->y, y, 1e-4);
        };
        expectNear(frontboard::hostedApplicationPoint(hostView, onScreen(30, 120)), 30, 120);
        expectNear(frontboard::hostedApplicationPoint(hostView, onScreen(0, 0)), 0, 0);
        expectNear(frontboard::hostedApplicationPoint(hostView, onScreen(320, 568)), 320, 568);
        // The window moves and the panel scrolls: both count.
        send(window, "setFrame:"_sel, CGRectMake(104, 0, 320, 568));
        send(applicationContainerView.get(), "setBounds:"_sel, CGRectMake(0, 10, 320, 468));
        CGPoint const moved = onScreen(30, 120);
        expectNear(frontboard::hostedApplicationPoint(hostView, { moved.x + 100, moved.y - 10 }), 30, 120);
        send(window, "setFrame:"_sel, CGRectMake(4, 0, 320, 568));
        send(applicationContainerView.get(), "setBounds:"_sel, CGRectMake(0, 0, 320, 468));

        // The panel's own recognizers, on the window and the panel, hear
        // nothing of a tap or a drag on the hosted scene; beside it they do.
        auto counter = adopt(send<id>(send<id>(actionCounterClass(), "alloc"_sel), "init"_sel));
        addRecognizer(uikit::UITapGestureRecognizerClass(), window, counter.get());
        addRecognizer(uikit::UIPanGestureRecognizerClass(), applicationContainerView.get(), counter.get());
        addRecognizer(uikit::UISwipeGestureRecognizerClass(), window, counter.get());
        auto& input = uikit::TouchInput::shared();
        EXPECT_EQ(input.touchBegan(onScreen(30, 120), now()), hostView);
        for (int step = 1; step <= 12; ++step) {
            runFor(1.0 / 120);
            input.touchMoved(onScreen(30 + step * 20, 120), now());
        }
        input.touchEnded(onScreen(270, 120), now());
        tap(onScreen(100, 300));
        runFor(0.1);
        EXPECT_EQ(static_cast<ActionCounter*>(counter.get())->count, 0);
        // The application is not running here: each touch is dropped with a
        // line when it lands, and its later events quietly.
        EXPECT_EQ(logged("frontboard: dropped a touch on the hosted scene of com.drawlet.demo.notes, which is not running").size(), 2u);
        tap(onScreen(322, 300));
        EXPECT_EQ(static_cast<ActionCounter*>(counter.get())->count, 1) << "the panel's white strip right of the scene is the panel's own";
    }
    tearDownShell();
}

FORKED_TEST(SceneTouch, ATapOnTheHostedGridReachesItsProcessAtTheApplicationsPoint)
{
    setUpShell(320, 568, true);
    springboard::installApplication(SBApplication::make(kGrid, "Grid"));
    std::filesystem::path const applicationLog = logApplications();
    {
        AutoreleasePool pool;
        openPanelWith(kGrid);
        runFor(0.5);
        // (30, 120) is on the swatch of row 1, column 0; where the scene shows
        // it on the screen, the unscaled screen has the swatch of column 1.
        ASSERT_NE(framePixel(kGrid, 30, 120), 0u);
        EXPECT_NE(framePixel(kGrid, 30, 120), kWhite);
        tap(onScreen(30, 120));
        EXPECT_EQ(framePixel(kGrid, 30, 120), kWhite) << "the tapped swatch is selected";
        EXPECT_NE(framePixel(kGrid, 90, 120), kWhite) << "its neighbour is not";
        std::string const log = simtest::readFile(applicationLog);
        EXPECT_NE(log.find("Grid[" + std::to_string(frontboard::ApplicationProcesses::shared().processIdentifier(kGrid)) + "]: Tapped (30.0, 120.0): row 1, column 0"),
            std::string::npos)
            << log;
        tap(onScreen(30, 120));
        EXPECT_NE(framePixel(kGrid, 30, 120), kWhite) << "a second tap clears the selection";

        // Malformed or stale events reach the process and are refused there,
        // with a line each; the application goes on taking touches.
        auto& processes = frontboard::ApplicationProcesses::shared();
        pid_t const pid = processes.processIdentifier(kGrid);
        double const t = now();
        EXPECT_TRUE(processes.sendTouch(kGrid, pid, { 7, UITouchPhaseStationary, 30, 120, t }));
        EXPECT_TRUE(processes.sendTouch(kGrid, pid, { 7, UITouchPhaseBegan, NAN, 120, t }));
        EXPECT_TRUE(processes.sendTouch(kGrid, pid, { 7, UITouchPhaseMoved, 30, 130, t }));
        EXPECT_TRUE(processes.sendTouch(kGrid, pid, { 7, UITouchPhaseEnded, 30, 130, t - 1 }));
        EXPECT_TRUE(processes.sendTouch(kGrid, pid, { 7, 99, 30, 130, t }));
        EXPECT_FALSE(processes.sendTouch(kGrid, pid + 100000, { 7, UITouchPhaseBegan, 30, 130, t })) << "another process's touch";
        runFor(0.1);
        tap(onScreen(30, 120));
        EXPECT_EQ(framePixel(kGrid, 30, 120), kWhite);
        std::string const refusals = simtest::readFile(applicationLog);
        EXPECT_NE(refusals.find("uikit: ignored a malformed touch from "), std::string::npos) << refusals;
        EXPECT_NE(refusals.find("its phase 2 is not one the shell sends"), std::string::npos);
        EXPECT_NE(refusals.find("its phase 99 is not one the shell sends"), std::string::npos);
        EXPECT_NE(refusals.find("its point or timestamp is not a finite number"), std::string::npos);
        EXPECT_NE(refusals.find("uikit::TouchInput::touchMoved: finger 7 is not down; the event is dropped"), std::string::npos);
        EXPECT_NE(refusals.find("uikit: ignored a touch of finger 7 stamped"), std::string::npos);
    }
    tearDownShell();
}

FORKED_TEST(SceneTouch, AnApplicationThatDiesMidTouchLosesTheRestOfItQuietly)
{
    setUpShell(320, 568, true);
    springboard::installApplication(SBApplication::make(kGrid, "Grid"));
    {
        AutoreleasePool pool;
        openPanelWith(kGrid);
        runFor(0.5);
        auto& input = uikit::TouchInput::shared();
        input.touchBegan(onScreen(30, 120), now());
        runFor(0.02);
        ASSERT_EQ(kill(frontboard::ApplicationProcesses::shared().processIdentifier(kGrid), SIGKILL), 0);
        runFor(0.3);
        input.touchMoved(onScreen(40, 120), now());
        input.touchMoved(onScreen(50, 120), now());
        input.touchEnded(onScreen(50, 120), now());
        EXPECT_EQ(logged("frontboard: com.drawlet.demo.grid[").size(), 2u) << "its end, and the touch it no longer takes, once";
        EXPECT_EQ(logged("no longer takes touches; the rest of its touch is dropped").size(), 1u);
        tap(onScreen(30, 120));
        EXPECT_EQ(logged("frontboard: dropped a touch on the hosted scene of com.drawlet.demo.grid, which is not running").size(), 1u);
        EXPECT_EQ(input.activeTouchCount(), 0u);
    }
    tearDownShell();
}

FORKED_TEST(SceneTouch, TouchesNoWindowTakesGoToTheApplicationInFront)
{
    setUpShell(320, 568, true);
    springboard::installApplication(SBApplication::make(kGrid, "Grid"));
    springboard::routeUnclaimedTouchesToFrontApplication();
    {
        AutoreleasePool pool;
        // On the home screen they go nowhere, without a word.
        tap({ 30, 120 });
        EXPECT_TRUE(logged("frontboard:").empty());

        std::string error;
        ASSERT_TRUE(springboard::openApplication(kGrid, &error)) << error;
        runFor(0.5);
        tap({ 30, 120 });
        EXPECT_EQ(framePixel(kGrid, 30, 120), kWhite) << "the front application's swatch under the finger is selected";

        // A window above it keeps its own touches.
        id window = objc_autorelease(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 320, 100)));
        send(window, "setHidden:"_sel, false);
        auto counter = adopt(send<id>(send<id>(actionCounterClass(), "alloc"_sel), "init"_sel));
        addRecognizer(uikit::UITapGestureRecognizerClass(), window, counter.get());
        tap({ 30, 60 });
        EXPECT_EQ(static_cast<ActionCounter*>(counter.get())->count, 1);
        EXPECT_NE(framePixel(kGrid, 30, 60), kWhite);

        // Gone from the front, it hears nothing more.
        send(shell(), "_handleMenuButtonEvent"_sel);
        tap({ 30, 120 });
        runFor(0.1);
        EXPECT_EQ(framePixel(kGrid, 30, 120), kWhite) << "still selected: the tap on the home screen did not reach it";
    }
    tearDownShell();
}

FORKED_TEST(SceneTouch, TouchesThatLandOnTheHomeScreenStayWithItWhateverComesToTheFrontMeanwhile)
{
    setUpShell(320, 568, true);
    springboard::installApplication(SBApplication::make(kGrid, "Grid"));
    std::vector<long> homePhases;
    springboard::routeUnclaimedTouchesToFrontApplication([&homePhases](UITouch* touch) { homePhases.push_back(touch->phase); });
    {
        AutoreleasePool pool;
        auto& input = uikit::TouchInput::shared();
        // The application opens while the finger is down: the touch stays
        // with the home screen, where it landed.
        input.touchBegan({ 30, 120 }, now());
        std::string error;
        ASSERT_TRUE(springboard::openApplication(kGrid, &error)) << error;
        runFor(0.5);
        input.touchMoved({ 32, 121 }, now());
        input.touchEnded({ 32, 121 }, now());
        runFor(0);
        EXPECT_EQ(homePhases, (std::vector<long> { UITouchPhaseBegan, UITouchPhaseMoved, UITouchPhaseEnded }));
        EXPECT_NE(framePixel(kGrid, 30, 120), kWhite) << "the application heard none of it";

        // With it in front, the home screen hears nothing.
        tap({ 30, 120 });
        EXPECT_EQ(homePhases.size(), 3u);
        EXPECT_EQ(framePixel(kGrid, 30, 120), kWhite);

        send(shell(), "_handleMenuButtonEvent"_sel);
        tap({ 30, 120 });
        EXPECT_EQ(homePhases.size(), 5u) << "home again: the home screen hears the tap";
    }
    tearDownShell();
}

// Hosting a real application process (drawlet-app) in the shell's host view.
#include "HostingFixture.h"

#include "Compositor.h"
#include "HostedContent.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "frontboard/FrontBoardClasses.h"
#include "runtime/AutoreleasePool.h"
#include "uikit/UIKit.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

using namespace hostingtest;

namespace {

FBSceneHostView* hostViewProper(id wrapper)
{
    auto* view = static_cast<UIView*>(wrapper);
    if (!view || view->subviews.empty())
        return nullptr;
    return static_cast<FBSceneHostView*>(view->subviews[0].get());
}

// The frame the host view shows now, as bytes; empty when it shows none.
std::string shownFrame(id wrapper)
{
    cairo_surface_t* frame = frontboard::copyHostedFrame(hostViewProper(wrapper));
    if (!frame)
        return {};
    cairo_surface_flush(frame);
    std::string bytes(reinterpret_cast<const char*>(cairo_image_surface_get_data(frame)),
        static_cast<size_t>(cairo_image_surface_get_stride(frame)) * cairo_image_surface_get_height(frame));
    cairo_surface_destroy(frame);
    return bytes;
}

size_t entriesIn(const char* folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

// Resident memory in kilobytes.
long residentKilobytes()
{
    std::ifstream stream("/proc/self/status");
    for (std::string line; std::getline(stream, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsQuarantined = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryIsQuarantined = true;
#else
constexpr bool kMemoryIsQuarantined = false;
#endif
#else
constexpr bool kMemoryIsQuarantined = false;
#endif

// Mappings of applications' frames in this process (the memfd's name shows in
// /proc/self/maps). Other mappings come and go with the allocator, most of all
// under a sanitizer, and say nothing about hosting.
size_t frameMappings()
{
    std::ifstream stream("/proc/self/maps");
    size_t count = 0;
    for (std::string line; std::getline(stream, line);)
        count += line.find("drawlet-frames") != std::string::npos ? 1 : 0;
    return count;
}

id hostView(const char* bundleIdentifier)
{
    return send<id>(provider(), "hostViewForApplicationWithBundleID:"_sel, static_cast<id>(NSString::make(bundleIdentifier)));
}

}

FORKED_TEST(LiveHosting, TheClocksFramesAdvanceWhileHostedAndStopOnceItIsStopped)
{
    setUpShell(320, 568, true);
    {
        AutoreleasePool pool;
        id view = hostView(kClock);
        ASSERT_NE(view, nullptr);
        runFor(0);
        EXPECT_TRUE(send<bool>(provider(), "isHostViewHosting:"_sel, view));
        std::string const first = shownFrame(view);
        ASSERT_FALSE(first.empty());
        runFor(1.0);
        std::string const second = shownFrame(view);
        EXPECT_NE(first, second) << "the clock ticked in the host view while not in front";

        send(provider(), "stopHostingForBundleID:"_sel, static_cast<id>(NSSTR(kClock)));
        runFor(0);
        EXPECT_FALSE(send<bool>(provider(), "isHostViewHosting:"_sel, view));
        EXPECT_EQ(frontboard::ApplicationProcesses::shared().state(kClock), frontboard::ApplicationState::Background);
        cairo_surface_t* before = frontboard::ApplicationProcesses::shared().copyLastFrame(kClock);
        runFor(3.0);
        cairo_surface_t* after = frontboard::ApplicationProcesses::shared().copyLastFrame(kClock);
        ASSERT_TRUE(before && after);
        EXPECT_EQ(std::memcmp(cairo_image_surface_get_data(before), cairo_image_surface_get_data(after),
                      static_cast<size_t>(cairo_image_surface_get_stride(before)) * cairo_image_surface_get_height(before)),
            0)
            << "a backgrounded application draws nothing";
        cairo_surface_destroy(before);
        cairo_surface_destroy(after);
    }
    tearDownShell();
}

FORKED_TEST(LiveHosting, AnApplicationThatDiesWhileHostedLeavesTheViewEmptyAndTheShellRunning)
{
    setUpShell(320, 568, true);
    {
        AutoreleasePool pool;
        id view = hostView(kNotes);
        runFor(0);
        ASSERT_TRUE(send<bool>(provider(), "isHostViewHosting:"_sel, view));
        ASSERT_EQ(kill(frontboard::ApplicationProcesses::shared().processIdentifier(kNotes), SIGKILL), 0);
        runFor(0.5);
        EXPECT_FALSE(send<bool>(provider(), "isHostViewHosting:"_sel, view));
        EXPECT_TRUE(shownFrame(view).empty());
        EXPECT_EQ(logged("frontboard: com.drawlet.demo.notes[").size(), 1u) << "its end is logged once";
        // Loading it again starts it again.
        id again = hostView(kNotes);
        runFor(0);
        EXPECT_TRUE(send<bool>(provider(), "isHostViewHosting:"_sel, again));
    }
    tearDownShell();
}

FORKED_TEST(LiveHosting, FramesOfTheWrongSizeAreRefusedWithOneLine)
{
    setUpShell(320, 568, true);
    auto& processes = frontboard::ApplicationProcesses::shared();
    // The application draws for another screen than the shell's.
    auto launcher = processes.launcher();
    auto screen = std::find(launcher.arguments.begin(), launcher.arguments.end(), "--screen");
    ASSERT_NE(screen, launcher.arguments.end());
    *(screen + 1) = "200x300";
    processes.setLauncher(launcher);
    {
        AutoreleasePool pool;
        id view = hostView(kNotes);
        runFor(0);
        EXPECT_FALSE(send<bool>(provider(), "isHostViewHosting:"_sel, view));
        EXPECT_EQ(logged("reported frames the shell cannot show").size(), 1u);
        EXPECT_EQ(processes.state(kNotes), frontboard::ApplicationState::Foreground) << "the application itself runs on";
    }
    tearDownShell();
}

FORKED_TEST(LiveHosting, ApplicationsThatNeverStartLeaveNothingHosted)
{
    setUpShell(320, 568, true);
    {
        AutoreleasePool pool;
        frontboard::ApplicationProcesses::shared().setLauncher({ "/nonexistent/drawlet-app", {} });
        id view = hostView(kNotes);
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(send<bool>(provider(), "isHostViewHosting:"_sel, view));
        EXPECT_EQ(logged("cannot launch com.drawlet.demo.notes").size(), 1u);
    }
    tearDownShell();
}

FORKED_TEST(LiveHosting, AHundredLoadAndStopCyclesLeaveNothingBehind)
{
    setUpShell(320, 568, true);
    makePanel(CGRectMake(53, 50, 320, 468));
    auto cycle = [] {
        AutoreleasePool pool;
        added_SpringBoard_loadAppInApplicationView(shell(), "loadAppInApplicationView:"_sel, static_cast<id>(NSSTR(kNotes)));
        runFor(0.05);
        send(provider(), "stopHostingForBundleID:"_sel, static_cast<id>(NSSTR(kNotes)));
        setApplicationView(nullptr);
        runFor(0.05);
    };
    cycle();
    size_t const descriptors = entriesIn("/proc/self/fd");
    size_t const mappings = frameMappings();
    EXPECT_GT(mappings, 0u) << "the hosted application's frames are mapped";
    long const resident = residentKilobytes();
    for (int i = 0; i < 100; ++i)
        cycle();
    // A sanitizer keeps freed memory aside on purpose, so only a plain build
    // can tell growth.
    if (!kMemoryIsQuarantined) {
        EXPECT_LT(residentKilobytes() - resident, 2048) << "kB grown over 100 cycles";
    }
    EXPECT_EQ(frontboard::ApplicationProcesses::shared().runningBundleIdentifiers().size(), 1u);
    EXPECT_LE(entriesIn("/proc/self/fd"), descriptors);
    EXPECT_EQ(frameMappings(), mappings);
    EXPECT_EQ(static_cast<UIView*>(applicationContainerView.get())->subviews.size(), 0u);
    tearDownShell();
}

FORKED_TEST(LiveHosting, TheScreenShowsTheHostedFrameScaledInThePanel)
{
    setUpShell(320, 568, true);
    compositor::registerHostedContent();
    {
        AutoreleasePool pool;
        id window = objc_autorelease(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 320, 568)));
        send(window, "setHidden:"_sel, false);
        id panel = makePanel(CGRectMake(53, 50, 267, 468));
        send(panel, "setBackgroundColor:"_sel, static_cast<id>(UIColor::make(1, 1, 1, 1)));
        send(window, "addSubview:"_sel, panel);
        added_SpringBoard_loadAppInApplicationView(shell(), "loadAppInApplicationView:"_sel, static_cast<id>(NSSTR(kClock)));
        runFor(0);

        cairo_surface_t* screen = compositor::drawScreen();
        ASSERT_NE(screen, nullptr);
        cairo_surface_flush(screen);
        auto pixel = [&](double x, double y) {
            auto const* row = cairo_image_surface_get_data(screen) + static_cast<ptrdiff_t>(y * 2) * cairo_image_surface_get_stride(screen);
            return reinterpret_cast<const uint32_t*>(row)[static_cast<int>(x * 2)];
        };
        auto brightness = [](uint32_t argb) { return ((argb >> 16) & 0xff) + ((argb >> 8) & 0xff) + (argb & 0xff); };
        // Inside the host view (scaled to about 264 × 468 points): the
        // clock's dark screen. Right of it, the panel's white.
        EXPECT_LT(brightness(pixel(53 + 20, 50 + 400)), 120u);
        EXPECT_EQ(pixel(53 + 266, 50 + 400), 0xffffffffu);
        cairo_surface_destroy(screen);
    }
    tearDownShell();
}

// Nothing in the shell's views changes when a hosted application dies, only
// what its host view can show: the frame drawn over the last one must still
// lose the application's picture, as a whole redraw does.
FORKED_TEST(LiveHosting, TheScreenLosesTheFrameOfAHostedApplicationThatDies)
{
    setUpShell(320, 568, true);
    compositor::registerHostedContent();
    {
        AutoreleasePool pool;
        id window = objc_autorelease(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 320, 568)));
        send(window, "setHidden:"_sel, false);
        id panel = makePanel(CGRectMake(53, 50, 267, 468));
        send(window, "addSubview:"_sel, panel);
        added_SpringBoard_loadAppInApplicationView(shell(), "loadAppInApplicationView:"_sel, static_cast<id>(NSSTR(kClock)));
        runFor(0);
        cairo_surface_destroy(compositor::drawScreen());

        ASSERT_EQ(kill(frontboard::ApplicationProcesses::shared().processIdentifier(kClock), SIGKILL), 0);
        runFor(0.5);
        cairo_surface_t* tracked = compositor::drawScreen();
        compositor::setFullRedraw(true);
        cairo_surface_t* full = compositor::drawScreen();
        compositor::setFullRedraw(false);
        ASSERT_TRUE(tracked && full);
        EXPECT_EQ(std::memcmp(cairo_image_surface_get_data(tracked), cairo_image_surface_get_data(full),
                      static_cast<size_t>(cairo_image_surface_get_stride(full)) * cairo_image_surface_get_height(full)),
            0);
        cairo_surface_destroy(tracked);
        cairo_surface_destroy(full);
    }
    tearDownShell();
}

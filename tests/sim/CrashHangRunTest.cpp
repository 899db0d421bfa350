// Applications that die or stop answering, in drawlet-sim run as a program:
// the panel shows a note for a dead hosted application and relaunches it on
// the next open; an application that keeps dying at launch waits before its
// next launch; a stopped one keeps its last frame and holds up nothing.
#include "PngPixels.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

using namespace simtest;

namespace {

constexpr const char* kClock = "com.drawlet.demo.clock";
// A pixel (scale 2) inside the open panel, on the hosted screen's background.
constexpr int kPanelX = 200;
constexpr int kPanelY = 400;

unsigned brightness(uint32_t pixel) { return ((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff); }

class CrashAndHang : public SimulatorRun {
protected:
    std::string shot(const std::string& name) const { return "shot " + file(name).string() + "\n"; }
    uint32_t panelPixel(const std::string& name) const { return pngPixel(file(name), kPanelX, kPanelY); }
};

TEST_F(CrashAndHang, AHostedApplicationThatDiesLeavesANoteAndTheNextOpenRelaunchesIt)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning(kClock));
    ASSERT_EQ(runHeadless("wait 0.5\ntap 360 554\nwait 0.5\n" + shot("live.png") + "crash " + kClock + "\n" + shot("dead.png")
                  + "tap 30 554\nwait 0.5\ntap 360 554\nwait 0.5\n" + shot("again.png") + "quit\n"),
        0)
        << m_output;

    EXPECT_LT(brightness(panelPixel("live.png")), 200u) << "Clock's dark screen";
    EXPECT_GT(brightness(panelPixel("dead.png")), 700u) << "the light note in its place";
    EXPECT_EQ(panelPixel("again.png"), panelPixel("live.png")) << "Clock again";
    EXPECT_EQ(count("frontboard: launched com.drawlet.demo.clock["), 2u) << log();
    EXPECT_EQ(count("was ended by signal 9 (Killed)"), 1u) << log();
}

TEST_F(CrashAndHang, AnApplicationThatKeepsDyingAtLaunchWaitsLongerBeforeEachLaunch)
{
    std::string script;
    for (int death = 0; death < 3; ++death)
        script += std::string("launch ") + kClock + "\ncrash " + kClock + "\n";
    // The fourth launch waits a second; after it, a fifth quick death
    // doubles the wait.
    script += std::string("launch ") + kClock + "\nwait 1\nlaunch " + kClock + "\ncrash " + kClock + "\nlaunch " + kClock + "\nwait 2\nlaunch " + kClock
        + "\nquit\n";
    EXPECT_EQ(runHeadless(script), 1) << "two launches were refused";

    EXPECT_TRUE(logged("0.000",
        "frontboard: com.drawlet.demo.clock died within 2 s of each of its last 3 launches; it waits before each launch from now on, 1 s at first"))
        << log();
    EXPECT_EQ(count("it waits before each launch"), 1u) << "said once";
    EXPECT_TRUE(logged("0.000", "drawlet-sim: script line 7: launch failed: cannot launch com.drawlet.demo.clock: it died soon after each of its last 3 "
                                "launches; the next launch waits 1.000 s more"))
        << log();
    EXPECT_TRUE(logged("1.000", "drawlet-sim: script line 11: launch failed: cannot launch com.drawlet.demo.clock: it died soon after each of its last 4 "
                                "launches; the next launch waits 2.000 s more"))
        << log();
    EXPECT_EQ(count("frontboard: launched com.drawlet.demo.clock["), 5u) << log();
}

TEST_F(CrashAndHang, APinnedApplicationThatDiesAtEachLaunchLeavesThePanelUsable)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning(kClock));
    std::string script = "wait 0.5\n";
    for (int open = 0; open < 5; ++open)
        script += "tap 360 554\nwait 0.5\n" + shot("open-" + std::to_string(open) + ".png") + "tap 30 554\nwait 0.5\n";
    ASSERT_EQ(runHeadless(script + "quit\n", { "--app-program", std::string(kClock) + "=" + CRASHING_APP }), 0) << m_output;

    EXPECT_EQ(count("[Drawlet] tapGrabber"), 10u) << "every tap opened or closed the panel: " << log();
    EXPECT_GT(brightness(panelPixel("open-4.png")), 700u) << "the not-running note";
    EXPECT_EQ(count("it waits before each launch from now on"), 1u) << log();
    EXPECT_LT(count("frontboard: launched com.drawlet.demo.clock["), 6u) << "no relaunch at every open once it waits: " << log();
}

TEST_F(CrashAndHang, AStoppedHostedApplicationKeepsItsLastFrameAndHoldsUpNothing)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning(kClock));
    ASSERT_EQ(runHeadless("wait 0.5\ntap 360 554\nwait 0.5\n" + shot("live.png") + "hang " + kClock + " 1\n" + shot("hung.png")
                  + "tap 30 554\nwait 0.5\n" + shot("closed.png") + "quit\n"),
        0)
        << m_output;

    EXPECT_EQ(panelPixel("hung.png"), panelPixel("live.png"));
    EXPECT_NE(panelPixel("closed.png"), panelPixel("live.png")) << "the panel closed while Clock was stopped";
    EXPECT_TRUE(logged("1.050", "drawlet-sim: com.drawlet.demo.clock stops answering for 1 s")) << log();
    EXPECT_EQ(count("no longer waits for it"), 0u) << "the clock waited for it: " << log();
    EXPECT_EQ(count("[Drawlet] tapGrabber"), 2u) << log();
}

}

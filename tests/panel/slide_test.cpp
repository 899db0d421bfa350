// Opening and closing the panel by tap and by drag, through real touches,
// with the platform's 0.3 s animations in virtual time.
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/TouchInput.h"
#include "uikit/UIKit.h"

#include <algorithm>

using namespace shelltest;
using namespace paneltest;

namespace {

constexpr double kWidth = 375;
constexpr double kHeight = 667;
constexpr double kClosedX = kWidth - 50;

double dimming()
{
    return send<double>(bounds.get(), "alpha"_sel);
}

// The grabber's middle, in screen points, wherever the window is.
CGPoint grabberPoint()
{
    CGRect const frame = send<CGRect>(grabber.get(), "frame"_sel);
    return CGPointMake(windowX() + frame.origin.x + 12, frame.origin.y + 12);
}

void tap(CGPoint point)
{
    touchDown(point.x, point.y);
    runFor(0.05);
    touchUp(point.x, point.y);
}

void dragBy(double dx, double seconds = 0.3)
{
    CGPoint const start = grabberPoint();
    touchDown(start.x, start.y);
    int const steps = static_cast<int>(seconds * 120);
    for (int step = 1; step <= steps; ++step) {
        runFor(1.0 / 120);
        touchMove(start.x + dx * step / steps, start.y);
    }
    runFor(0.1);
    touchUp(start.x + dx, start.y);
}

size_t count(const std::vector<std::string>& list, const std::string& item)
{
    return static_cast<size_t>(std::count(list.begin(), list.end(), item));
}

const std::string kHiddenPost = "com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=1";
const std::string kShownPost = "com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=0";

}

FORKED_TEST(PanelSlide, ATapOpensAndASecondTapClosesOverThreeTenthsOfASecond)
{
    AutoreleasePool pool;
    launchPinnedShell(kWidth, kHeight);
    tap(grabberPoint());
    EXPECT_TRUE(isActive) << "the state changes as the slide starts";
    runFor(0);
    EXPECT_EQ(count(distributedPosts(), kHiddenPost), 1u);
    runFor(0.4);
    EXPECT_DOUBLE_EQ(windowX(), 4);
    EXPECT_DOUBLE_EQ(dimming(), static_cast<double>(0.8f));
    EXPECT_TRUE(send<bool>(badgeLabel.get(), "isHidden"_sel));
    EXPECT_EQ(send<id>(applicationView.get(), "superview"_sel), applicationContainerView.get());

    // A tap on the open panel's empty window area closes it.
    tap(CGPointMake(2 + 4, 300));
    EXPECT_FALSE(isActive);
    runFor(0.4);
    EXPECT_DOUBLE_EQ(windowX(), kClosedX);
    EXPECT_DOUBLE_EQ(dimming(), 0);
    EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), 1u);
    EXPECT_EQ(count(distributedPosts(), kShownPost), 1u);
    EXPECT_EQ(distributedPosts().back(), kShownPost) << "the status bar comes back last";
    EXPECT_EQ(static_cast<SpringBoard*>(shell())->homePressCount, 1) << "closed on the home screen: home is pressed once";
}

FORKED_TEST(PanelSlide, ReopeningDuringTheClosingSlideKeepsThePanelOpenAndHosted)
{
    AutoreleasePool pool;
    launchPinnedShell(kWidth, kHeight);
    tap(grabberPoint());
    runFor(0.4);
    send(shell(), "tapGrabber:"_sel, shell());
    runFor(0.1);
    send(shell(), "tapGrabber:"_sel, shell());
    runFor(0.5);
    EXPECT_TRUE(isActive);
    EXPECT_DOUBLE_EQ(windowX(), 4);
    EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), 0u) << "the stale closing completion does nothing";
    EXPECT_EQ(static_cast<SpringBoard*>(shell())->homePressCount, 0);
    EXPECT_EQ(count(distributedPosts(), kShownPost), 0u);
}

FORKED_TEST(PanelSlide, ADragSnapsToTheSideItWasReleasedOn)
{
    AutoreleasePool pool;
    launchPinnedShell(kWidth, kHeight);
    dragBy(-250);
    EXPECT_TRUE(isActive) << "released left of the middle: open";
    runFor(0.4);
    EXPECT_DOUBLE_EQ(windowX(), 4);
    EXPECT_DOUBLE_EQ(dimming(), static_cast<double>(0.8f));

    // Slowly, so it is no swipe (which would close the panel too).
    dragBy(200, 1.0);
    EXPECT_FALSE(isActive) << "released right of the middle: closed";
    runFor(0.4);
    EXPECT_DOUBLE_EQ(windowX(), kClosedX);
    EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), 1u);
    EXPECT_EQ(distributedPosts().back(), kShownPost) << "the drag's close gives the status bar back too";
}

FORKED_TEST(PanelSlide, AReleaseExactlyOnTheMiddleCloses)
{
    AutoreleasePool pool;
    launchPinnedShell(kWidth, kHeight);
    // From the closed position (firstX 325) to exactly W / 2.
    dragBy(kWidth / 2 - kClosedX);
    EXPECT_FALSE(isActive);
    runFor(0.4);
    EXPECT_DOUBLE_EQ(windowX(), kClosedX) << "a resting state, not the finger's position";
}

FORKED_TEST(PanelSlide, ACancelledDragIsReleasedLikeAnEndedOne)
{
    AutoreleasePool pool;
    launchPinnedShell(kWidth, kHeight);
    CGPoint const start = grabberPoint();
    touchDown(start.x, start.y);
    for (int step = 1; step <= 30; ++step) {
        runFor(1.0 / 120);
        touchMove(start.x - 8 * step, start.y);
    }
    uikit::TouchInput::shared().touchCancelled(dispatch::RunLoop::main().now());
    runFor(0.4);
    EXPECT_TRUE(isActive);
    EXPECT_DOUBLE_EQ(windowX(), 4) << "not stranded where the finger was";
}

FORKED_TEST(PanelSlide, HoldingTheGrabberChangesNothingOpenOrClosed)
{
    AutoreleasePool pool;
    launchPinnedShell(kWidth, kHeight);
    auto hold = [](CGPoint point) {
        touchDown(point.x, point.y);
        runFor(1.5);
        touchUp(point.x, point.y);
        runFor(0.4);
    };
    size_t const postsBefore = distributedPosts().size();
    hold(grabberPoint());
    EXPECT_FALSE(isActive);
    EXPECT_DOUBLE_EQ(windowX(), kClosedX);
    EXPECT_DOUBLE_EQ(dimming(), 0);
    EXPECT_EQ(distributedPosts().size(), postsBefore) << "no load, no post";

    tap(grabberPoint());
    runFor(0.4);
    hold(grabberPoint());
    EXPECT_TRUE(isActive) << "a long press is no tap";
    EXPECT_DOUBLE_EQ(windowX(), 4);
    EXPECT_EQ(loggedLines("[Drawlet] tapGrabber"), 1u);
}

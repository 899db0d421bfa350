// Keyboard avoidance on a 320 × 568 screen: the keyboard's will-show and
// will-hide as UIKit posts them on the shell's default center, and real
// touches for the drag.
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "notifications/NSNotificationCenter.h"
#include "runtime/AutoreleasePool.h"
#include "uikit/KeyboardNotifications.h"
#include "uikit/UIViewAnimation.h"

using namespace shelltest;
using namespace paneltest;

namespace {

// The smallest phone screen, where the keyboard reaches the grabber.
constexpr double kSmallWidth = 320;
constexpr double kSmallHeight = 568;
constexpr double kLaunchY = 443;

// The keyboard coming up from below the screen, `height` tall.
void willShow(double height)
{
    uikit::postKeyboardNotification(UIKeyboardWillShowNotification, CGRectMake(0, kSmallHeight, kSmallWidth, height), CGRectMake(0, kSmallHeight - height, kSmallWidth, height));
}

void willHide(double height = 216)
{
    uikit::postKeyboardNotification(UIKeyboardWillHideNotification, CGRectMake(0, kSmallHeight - height, kSmallWidth, height), CGRectMake(0, kSmallHeight, kSmallWidth, height));
}

double grabberY()
{
    return frameOf(grabber.get()).origin.y;
}

void placeGrabber(double y)
{
    CGRect frame = frameOf(grabber.get());
    frame.origin.y = y;
    send(grabber.get(), "setFrame:"_sel, frame);
}

// Each case lets the 0.3 s animation end before looking.
void settle()
{
    runFor(0.35);
}

}

FORKED_TEST(KeyboardAvoidance, TheLaunchPositionIsLiftedAboveTheKeyboardAndPutBack)
{
    AutoreleasePool pool;
    launchPinnedShell(kSmallWidth, kSmallHeight);
    ASSERT_EQ(grabberY(), kLaunchY);

    willShow(216);
    runFor(0.15);
    double const midway = uikit::presentationFrame(static_cast<UIView*>(grabber.get())).origin.y;
    EXPECT_LT(midway, kLaunchY) << "the lift is animated";
    EXPECT_GT(midway, 274);
    settle();
    EXPECT_EQ(grabberY(), 274) << "78 points above the keyboard's top edge at 352";
    EXPECT_TRUE(needsToPutGrabberBack);
    EXPECT_EQ(grabberOrigXBeforeKeyboardPop, 443);

    willHide();
    EXPECT_FALSE(needsToPutGrabberBack) << "cleared without waiting for the animation";
    settle();
    EXPECT_EQ(grabberY(), kLaunchY);
}

FORKED_TEST(KeyboardAvoidance, AGrabberAtTheKeyboardsTopEdgeOrAboveStays)
{
    AutoreleasePool pool;
    launchPinnedShell(kSmallWidth, kSmallHeight);
    for (double const y : { 352.0, 300.0 }) {
        placeGrabber(y);
        willShow(216);
        settle();
        EXPECT_EQ(grabberY(), y);
        EXPECT_FALSE(needsToPutGrabberBack);
        placeGrabber(y + 10);
        willHide();
        settle();
        EXPECT_EQ(grabberY(), y + 10) << "the hide does nothing either";
    }
}

FORKED_TEST(KeyboardAvoidance, ASecondShowKeepsTheSavedPositionAndStillLifts)
{
    AutoreleasePool pool;
    launchPinnedShell(kSmallWidth, kSmallHeight);

    // The keyboard gets shorter while up: the lifted grabber is clear of it.
    willShow(216);
    settle();
    willShow(162);
    settle();
    EXPECT_EQ(grabberY(), 274);
    EXPECT_EQ(grabberOrigXBeforeKeyboardPop, 443) << "not the lifted height";
    willHide(162);
    settle();
    EXPECT_EQ(grabberY(), kLaunchY) << "back where the user had it";

    // Taller: the grabber is lifted again, above the new keyboard.
    willShow(216);
    settle();
    willShow(300);
    settle();
    EXPECT_EQ(grabberY(), kSmallHeight - 300 - 78);
    willHide(300);
    settle();
    EXPECT_EQ(grabberY(), kLaunchY);
}

FORKED_TEST(KeyboardAvoidance, AHideWithoutAShowDoesNothing)
{
    AutoreleasePool pool;
    launchPinnedShell(kSmallWidth, kSmallHeight);
    placeGrabber(500);
    willHide();
    settle();
    EXPECT_EQ(grabberY(), 500);
    EXPECT_FALSE(needsToPutGrabberBack);
}

FORKED_TEST(KeyboardAvoidance, ItActsWhileThePanelIsOpenAndWhileTheGrabberIsHidden)
{
    AutoreleasePool pool;
    launchPinnedShell(kSmallWidth, kSmallHeight);
    isActive = true;
    willShow(216);
    settle();
    EXPECT_EQ(grabberY(), 274) << "open";
    willHide();
    settle();
    EXPECT_EQ(grabberY(), kLaunchY);

    isActive = false;
    isHidden = true;
    willShow(216);
    settle();
    EXPECT_EQ(grabberY(), 274) << "hidden";
    willHide();
    settle();
    EXPECT_EQ(grabberY(), kLaunchY);
}

FORKED_TEST(KeyboardAvoidance, ADragWhileTheKeyboardIsUpKeepsTheSavedPosition)
{
    AutoreleasePool pool;
    launchPinnedShell(kSmallWidth, kSmallHeight);
    willShow(216);
    settle();

    // A vertical pull of the lifted grabber, on the strip at the screen's edge.
    double const x = kSmallWidth - 50 + frameOf(grabber.get()).origin.x + 10;
    double const y = grabberY() + 12;
    touchDown(x, y);
    for (int step = 1; step <= 24; ++step) {
        runFor(1.0 / 120);
        touchMove(x, y - step * 5);
    }
    touchUp(x, y - 120);
    settle();
    EXPECT_LT(grabberY(), 200) << "the drag moved it";
    EXPECT_EQ(grabberOrigXBeforeKeyboardPop, 443);

    willHide();
    settle();
    EXPECT_EQ(grabberY(), kLaunchY);
}

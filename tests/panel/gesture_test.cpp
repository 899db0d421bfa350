// The panel's touch rule, its drag, the swipe, the home button and
// orientation changes, with the shell library's code and real touches through
// the platform's recognizers.
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "foundation/NSString.h"
#include "frontboard/FBScene.h"
#include "frontboard/FBSceneContextHostManager.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <algorithm>

using namespace shelltest;
using namespace paneltest;

namespace {

id hitTest(id view, CGPoint point)
{
    return send<id>(view, "hitTest:withEvent:"_sel, point, static_cast<id>(nullptr));
}

size_t countLines(const std::string& text)
{
    auto const lines = drawletLines();
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), text));
}

}

FORKED_TEST(PanelTouches, TheClosedOverlayLetsTouchesThroughExceptOnTheGrabber)
{
    AutoreleasePool pool;
    launchPinnedShell();
    // Window coordinates: x 0 to 50 is the strip on screen.
    EXPECT_EQ(hitTest(window.get(), CGPointMake(10, 100)), nullptr) << "the empty strip lets the touch through";
    EXPECT_EQ(hitTest(window.get(), CGPointMake(36, 554)), grabber.get());
    isActive = true;
    EXPECT_EQ(hitTest(window.get(), CGPointMake(10, 100)), window.get()) << "the open panel's window takes touches";
    // Other views answer exactly as the platform does.
    EXPECT_EQ(hitTest(grabber.get(), CGPointMake(5, 5)), grabber.get());
}

FORKED_TEST(PanelTouches, APullFollowsTheFingerAndDimsInProportion)
{
    AutoreleasePool pool;
    launchPinnedShell(375, 667);
    double const startX = 375 - 50;
    CGRect const grabberFrame = send<CGRect>(grabber.get(), "frame"_sel);
    double const x = startX + grabberFrame.origin.x + 10;
    double const y = grabberFrame.origin.y + 12;
    touchDown(x, y);
    for (int step = 1; step <= 13; ++step) {
        runFor(1.0 / 120);
        touchMove(x - step * 12.5, y - step);
    }
    // 162.5 points to the left of where the drag began: half of the span.
    EXPECT_DOUBLE_EQ(send<CGRect>(window.get(), "frame"_sel).origin.x, startX - 162.5);
    EXPECT_NEAR(send<double>(bounds.get(), "alpha"_sel), 0.5, 1e-6);
    EXPECT_FALSE(isActive) << "a drag changes the state only at its release";
    EXPECT_NE(applicationView.get(), nullptr) << "the application is loaded while pulling a closed panel";
    std::string const perApplication = "com.drawlet.demo.notesVeskStatusBarChange isHidden=1";
    EXPECT_GE(std::count(distributedPosts().begin(), distributedPosts().end(), perApplication), 2);
    EXPECT_EQ(std::count_if(distributedPosts().begin(), distributedPosts().end(),
                  [](const std::string& post) { return post.starts_with("com.quillbrook.drawlet.changeHostedAppStatusBar"); }),
        0)
        << "a drag never posts the status-bar notification while moving";
}

FORKED_TEST(PanelTouches, TheSwipeAndTheHomeButtonCloseOnlyAnOpenPanel)
{
    AutoreleasePool pool;
    launchPinnedShell();
    auto* springBoard = static_cast<SpringBoard*>(shell());
    send(shell(), "handleSwipeFromLeft:"_sel, shell());
    EXPECT_EQ(countLines("[Drawlet] Swiped!"), 1u);
    EXPECT_EQ(countLines("[Drawlet] tapGrabber"), 0u) << "a swipe on a closed panel only logs";

    send(shell(), "_handleMenuButtonEvent"_sel);
    EXPECT_EQ(springBoard->homePressCount, 1) << "closed: the shell goes home";

    isActive = true;
    send(shell(), "_handleMenuButtonEvent"_sel);
    EXPECT_EQ(springBoard->homePressCount, 1) << "open: the press closes the panel instead";
    EXPECT_EQ(countLines("[Drawlet] tapGrabber"), 1u);
    EXPECT_FALSE(isActive);
    isActive = true;
    send(shell(), "handleSwipeFromLeft:"_sel, shell());
    EXPECT_EQ(countLines("[Drawlet] tapGrabber"), 2u);
}

FORKED_TEST(PanelOrientation, AlwaysTellsTheApplicationsAndRehostsOnlyAnOpenPanel)
{
    AutoreleasePool pool;
    launchPinnedShell(320, 568);
    send(shell(), "noteInterfaceOrientationChanged:duration:"_sel, 3l, 0.4);
    runFor(0);
    EXPECT_EQ(countLines("[Drawlet] noteInterfaceOrientationChanged: 3"), 1u);
    EXPECT_EQ(distributedPosts(), std::vector<std::string> { "com.quillbrook.drawlet.changeHostedAppOrientation orientation=3" });
    EXPECT_EQ(static_cast<SpringBoard*>(shell())->interfaceOrientation, 3) << "the shell's own handling ran first";

    // Open: the view is re-hosted and scaled back to the panel's corner.
    isActive = true;
    send(applicationView.get(), "setTransform:"_sel, CGAffineTransformIdentity);
    send(applicationView.get(), "setFrame:"_sel, CGRectMake(30, 30, 320, 568));
    send(shell(), "noteInterfaceOrientationChanged:duration:"_sel, 1l, 0.4);
    runFor(0);
    CGRect const frame = send<CGRect>(applicationView.get(), "frame"_sel);
    EXPECT_EQ(frame.origin.x, 0);
    EXPECT_EQ(frame.origin.y, 0);
    EXPECT_NEAR(frame.size.height, 468, 1e-3);
    EXPECT_EQ(distributedPosts().back(), "com.quillbrook.drawlet.changeHostedAppOrientation orientation=1");
}

FORKED_TEST(PanelOrientation, TurningTheOpenPanelTurnsTheScreenRehostsAndScalesByScaleFactor)
{
    AutoreleasePool pool;
    launchPinnedShell(375, 667);
    ASSERT_NE(applicationView.get(), nullptr);
    double const scale = scaleFactor;
    EXPECT_NEAR(scale, 567.0 / 667.0, 1e-6) << "the panel's height over the screen's";
    auto* manager = frontboard::sceneForApplication("com.drawlet.demo.notes")->contextHostManager.get();
    ASSERT_NE(manager, nullptr);

    // Open, with hosting stopped and the view moved and unscaled meanwhile.
    isActive = true;
    manager->enabledRequesters.clear();
    send(applicationView.get(), "setTransform:"_sel, CGAffineTransformIdentity);
    send(applicationView.get(), "setFrame:"_sel, CGRectMake(30, 30, 375, 667));
    send(shell(), "noteInterfaceOrientationChanged:duration:"_sel, 3l, 0.4);
    runFor(0);

    EXPECT_EQ(uikit::mainScreenBounds(), CGRectMake(0, 0, 667, 375)) << "the shell's own handling turned the screen first";
    EXPECT_EQ(send<CGAffineTransform>(applicationView.get(), "transform"_sel), CGAffineTransformScale(CGAffineTransformIdentity, scale, scale));
    CGRect const frame = send<CGRect>(applicationView.get(), "frame"_sel);
    EXPECT_EQ(frame.origin, CGPointMake(0, 0));
    EXPECT_NEAR(frame.size.width, 375 * scale, 1e-6);
    EXPECT_NEAR(frame.size.height, 667 * scale, 1e-6);
    EXPECT_EQ(manager->enabledRequesters.count("com.drawlet.demo.notes"), 1u) << "hosted again";
    EXPECT_EQ(scaleFactor, static_cast<float>(scale)) << "the factor is not worked out again on a turn";
    EXPECT_EQ(distributedPosts().back(), "com.quillbrook.drawlet.changeHostedAppOrientation orientation=3");
}

FORKED_TEST(PanelOrientation, DeviceOrientationEventsAreOnlyLogged)
{
    AutoreleasePool pool;
    launchPinnedShell();
    send(shell(), "_handleDeviceOrientationChangedEvent:"_sel, static_cast<id>(NSSTR("event")));
    EXPECT_EQ(countLines("[Drawlet] com.apple.springboard _handleDeviceOrientationChangedEvent:event"), 1u);
    EXPECT_EQ(static_cast<UIApplication*>(shell())->deviceOrientationEventCount, 0) << "the shell's own handler is not called";
}

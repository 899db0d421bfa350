// loadAppInApplicationView: with the shell's classes and no process running:
// the scale, the host view's geometry, the panel's contents.
#include "HostingFixture.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "foundation/NSString.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <cmath>

using namespace hostingtest;

namespace {

void load(id bundleIdentifier)
{
    added_SpringBoard_loadAppInApplicationView(shell(), "loadAppInApplicationView:"_sel, bundleIdentifier);
}

size_t panelSubviewCount()
{
    return static_cast<UIView*>(applicationContainerView.get())->subviews.size();
}

}

FORKED_TEST(LoadApp, TheHostViewFillsThePanelsHeightAtItsTopLeftCorner)
{
    for (auto [width, height] : { std::pair { 320, 568 }, std::pair { 375, 667 }, std::pair { 414, 736 } }) {
        setUpShell(width, height);
        AutoreleasePool pool;
        makePanel(CGRectMake(width - 267, 50, width, height - 100));
        load(NSSTR(kNotes));
        EXPECT_FLOAT_EQ(scaleFactor, static_cast<float>((height - 100.0) / height)) << width << "x" << height;
        ASSERT_NE(applicationView.get(), nullptr);
        auto transform = send<CGAffineTransform>(applicationView.get(), "transform"_sel);
        EXPECT_EQ(transform, CGAffineTransformMakeScale(double(scaleFactor), double(scaleFactor)));
        CGRect const frame = send<CGRect>(applicationView.get(), "frame"_sel);
        EXPECT_EQ(frame.origin.x, 0);
        EXPECT_EQ(frame.origin.y, 0);
        EXPECT_NEAR(frame.size.width, width * double(scaleFactor), 1e-6);
        EXPECT_NEAR(frame.size.height, height - 100.0, 1e-3);
        EXPECT_EQ(send<id>(applicationView.get(), "superview"_sel), applicationContainerView.get());
        setApplicationView(nullptr);
        applicationContainerView = nullptr;
    }
}

FORKED_TEST(LoadApp, RepeatedLoadsLeaveOneHostViewInThePanel)
{
    setUpShell();
    AutoreleasePool pool;
    makePanel(CGRectMake(53, 50, 320, 468));
    for (int drag = 0; drag < 30; ++drag)
        load(NSSTR(kNotes));
    EXPECT_EQ(panelSubviewCount(), 1u);
    setApplicationView(nullptr);
    EXPECT_EQ(panelSubviewCount(), 0u) << "clearing the view takes it out of the panel";
}

FORKED_TEST(LoadApp, AnUnknownApplicationLeavesThePanelEmptyButTheScaleIsRecomputed)
{
    setUpShell();
    AutoreleasePool pool;
    makePanel(CGRectMake(53, 50, 320, 468));
    load(NSSTR(kNotes));
    scaleFactor = 0;
    load(NSSTR("com.example.none"));
    EXPECT_FLOAT_EQ(scaleFactor, 468.0f / 568.0f);
    EXPECT_EQ(applicationView.get(), nullptr);
    EXPECT_EQ(panelSubviewCount(), 0u);
}

FORKED_TEST(LoadApp, WithoutAnIdentifierTheFrontApplicationIsHostedAfterGoingHome)
{
    setUpShell();
    AutoreleasePool pool;
    makePanel(CGRectMake(53, 50, 320, 468));
    auto* springBoard = static_cast<SpringBoard*>(shell());
    springBoard->frontMostApplication = send<id>(send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel),
        "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSSTR(kClock)));
    load(nullptr);
    EXPECT_EQ(springBoard->homePressCount, 1);
    EXPECT_EQ(springBoard->frontMostApplication.get(), nullptr);
    ASSERT_NE(applicationView.get(), nullptr);
    EXPECT_EQ(static_cast<UIView*>(applicationView.get())->accessibilityHint->value, kClock);
    EXPECT_EQ(currentHostedApplicationBundleIdentifier.get(), nullptr) << "hosting the front application does not pin it";

    // On the home screen the press still happens, and nothing is hosted.
    load(nullptr);
    EXPECT_EQ(springBoard->homePressCount, 2);
    EXPECT_EQ(applicationView.get(), nullptr);
}

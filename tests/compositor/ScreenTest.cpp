// The screen as a whole: its image, and the windows in it by level.

#include "CompositorFixture.h"

#include <cmath>

namespace {

using namespace compositortest;
using ScreenTest = CompositorTest;

TEST_F(ScreenTest, ImageIsTheScreenInPixelsAsOpaqueArgb)
{
    struct Case {
        CGSize points;
        double scale;
        int width, height;
    };
    for (auto const& c : { Case { { 320, 568 }, 2, 640, 1136 }, Case { { 375, 667 }, 3, 1125, 2001 }, Case { { 414, 736 }, 1.5, 621, 1104 } }) {
        uikit::setMainScreenSize(c.points.width, c.points.height);
        uikit::setMainScreenScale(c.scale);
        auto screen = draw();
        ASSERT_TRUE(screen);
        EXPECT_EQ(cairo_image_surface_get_format(screen.get()), CAIRO_FORMAT_ARGB32);
        EXPECT_EQ(cairo_image_surface_get_width(screen.get()), c.width);
        EXPECT_EQ(cairo_image_surface_get_height(screen.get()), c.height);
        // The wallpaper leaves nothing transparent.
        EXPECT_EQ(pixelAt(screen.get(), 0, 0).alpha, 255);
        EXPECT_EQ(pixelAt(screen.get(), c.width - 1, c.height - 1).alpha, 255);
    }

    // More pixels than an image can hold: refused with a reason, not drawn.
    uikit::setMainScreenScale(100);
    std::string error;
    EXPECT_EQ(compositor::drawScreen(&error), nullptr);
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}

TEST_F(ScreenTest, HigherLevelsAndLaterWindowsAreInFront)
{
    auto status = showWindow(CGRectMake(0, 0, 100, 100), color(kBlue), UIWindowLevelStatusBar);
    auto normal = showWindow(CGRectMake(50, 0, 100, 100), color(kRed));
    auto later = showWindow(CGRectMake(75, 0, 100, 100), color(kGreen));

    auto screen = draw();
    // Shown after the status-bar window, the normal one is still below it.
    EXPECT_EQ(pixelAt(screen.get(), 2 * 60, 20), kBlue);
    // At equal levels the window shown last is in front.
    EXPECT_EQ(pixelAt(screen.get(), 2 * 110, 20), kGreen);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 140, 20), kGreen);

    send(normal.get(), "setHidden:"_sel, true);
    send(normal.get(), "setHidden:"_sel, false);
    screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 2 * 110, 20), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 60, 20), kBlue);
}

TEST_F(ScreenTest, ViewsThatCannotBeDrawnLeaveTheRestOfTheScreen)
{
    auto back = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    auto front = showWindow(CGRectMake(0, 0, 100, 100), nullptr, 1);
    auto nanFrame = addView(front.get(), CGRectMake(0, 0, 10, 10), color(kRed));
    nanFrame->untransformedFrame.origin.x = std::nan("");
    auto flattened = addView(front.get(), CGRectMake(0, 0, 50, 50), color(kRed));
    flattened->transform = CGAffineTransformMakeScale(0, 1);
    auto infinite = addView(front.get(), CGRectMake(0, 0, 50, 50), color(kRed));
    infinite->transform = CGAffineTransformMakeScale(INFINITY, 1);
    auto label = make<UILabel>(uikit::UILabelClass(), CGRectMake(0, 60, 100, 20));
    label->text = NSString::make("bad \xff\xfe bytes");
    send(front.get(), "addSubview:"_sel, static_cast<id>(label.get()));
    auto shown = addView(front.get(), CGRectMake(20, 20, 10, 10), color(kBlue));

    auto screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 2 * 25, 2 * 25), kBlue);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 5, 2 * 5), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 150, 2 * 50), kWhite);
    bool textDrawn = false;
    for (int x = 0; x < 200 && !textDrawn; ++x)
        textDrawn = pixelAt(screen.get(), x, 2 * 70).red < 128;
    EXPECT_TRUE(textDrawn) << "the label's valid characters are drawn";
}

}

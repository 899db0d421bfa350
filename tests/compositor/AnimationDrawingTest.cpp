// Mid-animation the compositor draws what is on screen, not the model: views
// and windows at their presentation frame and alpha.

#include "CompositorFixture.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSBlock.h"

namespace {

using namespace compositortest;

class AnimationDrawingTest : public CompositorTest {
protected:
    void SetUp() override
    {
        CompositorTest::SetUp();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    }

    void TearDown() override
    {
        CompositorTest::TearDown();
        dispatch::RunLoop::main().reset();
    }
};

TEST_F(AnimationDrawingTest, ViewsAndWindowsAreDrawnWhereTheAnimationHasThem)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kBlack));
    auto moving = addView(window.get(), CGRectMake(0, 0, 20, 20), color(kRed));
    auto fading = addView(window.get(), CGRectMake(0, 60, 20, 20), color(kGreen));
    auto sliding = showWindow(CGRectMake(0, 30, 20, 20), color(kBlue), UIWindowLevelStatusBar);
    id changes = makeBlock([&] {
        send(moving.get(), "setFrame:"_sel, CGRectMake(100, 0, 20, 20));
        send(fading.get(), "setAlpha:"_sel, 0.0);
        send(sliding.get(), "setFrame:"_sel, CGRectMake(180, 30, 20, 20));
    });
    send(uikit::UIViewClass(), "animateWithDuration:animations:"_sel, 0.3, changes);
    dispatch::RunLoop::main().runFor(0.15);

    auto screen = draw();
    // Half way: the red view at x 50 points (pixel 100), not at its model x 100.
    EXPECT_EQ(pixelAt(screen.get(), 99, 10), kBlack);
    EXPECT_EQ(pixelAt(screen.get(), 100, 10), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 139, 39), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 140, 10), kBlack);
    EXPECT_EQ(pixelAt(screen.get(), 200, 10), kBlack);
    // Half faded over black.
    EXPECT_TRUE(near(pixelAt(screen.get(), 10, 130), Pixel { 0, 128, 0, 255 })) << pixelAt(screen.get(), 10, 130);
    // The window half way across: x 90 points.
    EXPECT_EQ(pixelAt(screen.get(), 180, 70), kBlue);
    EXPECT_EQ(pixelAt(screen.get(), 179, 70), kBlack);
    EXPECT_EQ(pixelAt(screen.get(), 219, 99), kBlue);
    EXPECT_EQ(pixelAt(screen.get(), 220, 70), kBlack);

    dispatch::RunLoop::main().runFor(0.15);
    screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 200, 10), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 100, 10), kBlack);
    EXPECT_EQ(pixelAt(screen.get(), 10, 130), kBlack);
    EXPECT_EQ(pixelAt(screen.get(), 360, 70), kBlue);
}

}

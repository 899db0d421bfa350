// Drawing only what changed gives the pixels of a full redraw, also for the
// changes that leave nothing of their own to compare: the end of an
// animation, and a view that is hidden (with the shadow it cast beyond it).

#include "CompositorFixture.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "quartz/CAKeyframeAnimation.h"
#include "quartz/CAMediaTimingFunction.h"

#include <cstring>

namespace {

using namespace compositortest;

class DamageTest : public CompositorTest {
protected:
    void SetUp() override
    {
        CompositorTest::SetUp();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    }

    void TearDown() override
    {
        compositor::setFullRedraw(false);
        CompositorTest::TearDown();
        dispatch::RunLoop::main().reset();
    }

    // The frame drawn over the last one, then the same screen drawn whole.
    void expectSameAsFullRedraw(const char* what)
    {
        auto tracked = draw();
        compositor::setFullRedraw(true);
        auto full = draw();
        compositor::setFullRedraw(false);
        ASSERT_TRUE(tracked && full);
        size_t const bytes = static_cast<size_t>(cairo_image_surface_get_stride(full.get())) * cairo_image_surface_get_height(full.get());
        EXPECT_EQ(std::memcmp(cairo_image_surface_get_data(tracked.get()), cairo_image_surface_get_data(full.get()), bytes), 0) << what;
    }
};

TEST_F(DamageTest, TheEndOfAKeyframeAnimationPutsTheViewBack)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kBlack));
    auto shaken = addView(window.get(), CGRectMake(10, 10, 20, 20), color(kRed));
    id animation = send<id>(quartz::CAKeyframeAnimationClass(), "animationWithKeyPath:"_sel, static_cast<id>(NSString::make("transform.translation.x")));
    NSArray* values = NSArray::mutableArray();
    for (double value : { 0.0, 100.0 })
        values->items.emplace_back(NSNumber::numberWithDouble(value));
    send(animation, "setValues:"_sel, static_cast<id>(values));
    send(animation, "setDuration:"_sel, 0.5);
    send(static_cast<id>(shaken->layer.get()), "addAnimation:forKey:"_sel, animation, static_cast<id>(NSString::make("shake")));

    dispatch::RunLoop::main().runFor(0.45);
    auto moved = draw();
    EXPECT_EQ(pixelAt(moved.get(), 20, 40), kBlack) << "moved away mid-animation";
    dispatch::RunLoop::main().runFor(0.1);
    expectSameAsFullRedraw("back at its own place once the animation ended");
    EXPECT_EQ(pixelAt(draw().get(), 40, 40), kRed);
}

TEST_F(DamageTest, AHiddenViewTakesItsShadowWithIt)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    auto card = addView(window.get(), CGRectMake(50, 30, 40, 40), color(kBlue));
    CALayer* layer = card->layer.get();
    layer->shadowOpacity = 1;
    layer->shadowRadius = 8;
    layer->shadowOffset = { 6, 6 };
    layer->cornerRadius = 6;
    auto shown = draw();
    EXPECT_NE(pixelAt(shown.get(), 2 * 94, 2 * 74), kWhite) << "the shadow reaches beyond the card";

    send(card.get(), "setHidden:"_sel, true);
    expectSameAsFullRedraw("no card and no shadow");
    EXPECT_EQ(pixelAt(draw().get(), 2 * 94, 2 * 74), kWhite);
}

}

// Drawing only what changed gives the pixels of a full redraw, also for the
// changes that leave nothing of their own to compare: the end of an
// animation, and a view that is hidden (with the shadow it cast beyond it);
// and a hosted application's frame that changed in a few rows draws those
// rows again, and no more.

#include "CompositorFixture.h"

#include "Damage.h"
#include "HostedFrames.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "quartz/CAKeyframeAnimation.h"
#include "quartz/CAMediaTimingFunction.h"
#include "quartz/SharedFrameBuffer.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

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

Class frameHostViewClass()
{
    static Class cls = runtime::defineClass("DamageTestHostView", uikit::UIViewClass(), runtime::makeInstance<UIView>);
    return cls;
}

// A frame of the test's 300 x 400 pixels in thin stripes, so a row drawn
// from the wrong frame or filtered differently shows; two rows red from each
// of `redRows`.
cairo_surface_t* stripedFrame(std::initializer_list<int> redRows = {})
{
    cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 300, 400);
    cairo_surface_flush(frame);
    auto* data = cairo_image_surface_get_data(frame);
    int const stride = cairo_image_surface_get_stride(frame);
    for (int y = 0; y < 400; ++y) {
        bool const red = std::any_of(redRows.begin(), redRows.end(), [y](int from) { return y >= from && y < from + 2; });
        uint32_t const colour = red ? 0xFFFF0000 : (y / 3 % 2 ? 0xFF202020 : 0xFFE0E0E0);
        for (int x = 0; x < 300; ++x)
            reinterpret_cast<uint32_t*>(data + y * stride)[x] = colour;
    }
    cairo_surface_mark_dirty(frame);
    return frame;
}

TEST_F(DamageTest, AHostedFrameChangedInAFewRowsRedrawsThoseRowsOnly)
{
    std::string error;
    auto application = quartz::SharedFrameBuffer::create(300, 400, &error);
    ASSERT_TRUE(application) << error;
    auto shell = quartz::SharedFrameBuffer::map(application->fileDescriptor(), &error);
    ASSERT_TRUE(shell) << error;
    auto* frames = shell.get();
    // Drawn as the shell's host views draw an application's frames.
    compositor::registerContentDrawer(
        frameHostViewClass(),
        [frames](id, cairo_t* cairo, CGSize size) { compositor::paintFrame(frames->takeLatestFrame(), cairo, size); },
        [frames](id) { return std::to_string(frames->latestFrameNumber()); },
        [frames](id, const std::string& since, CGSize size) {
            return compositor::changedPartOfView(*frames, std::stoull(since), frames->latestFrameNumber(), size);
        });
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    // Shrunk by a scale that is no simple fraction, as in the panel.
    addView(window.get(), CGRectMake(13, 4, 61, 91), color(kBlue), frameHostViewClass());

    auto publish = [&](cairo_surface_t* frame) {
        EXPECT_TRUE(application->publish(frame));
        cairo_surface_destroy(frame);
    };
    publish(stripedFrame());
    compositor::ScreenUpdate update;
    ASSERT_TRUE(compositor::updateScreen(&update));
    // Two frames before the next compose: both changes are drawn.
    publish(stripedFrame({ 100 }));
    publish(stripedFrame({ 100, 250 }));
    ASSERT_TRUE(compositor::updateScreen(&update));
    int rows = 0;
    for (auto const& rect : update.changed)
        rows += rect.height;
    EXPECT_GT(rows, 0);
    // Two bands of rows and the edges filtering reaches, of the six bands the
    // host view spans.
    EXPECT_LE(rows, 3 * compositor::kDamageRowBand);
    expectSameAsFullRedraw("the two changed bands drawn from the latest frame");
}

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

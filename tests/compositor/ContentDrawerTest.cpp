// Views whose content comes from elsewhere: the registered drawer is called in
// the view's own space, between its background and its subviews.

#include "CompositorFixture.h"

#include <vector>

namespace {

using namespace compositortest;
using ContentDrawerTest = CompositorTest;

Class hostViewClass()
{
    static Class cls = runtime::defineClass("CompositorTestHostView", uikit::UIViewClass(), runtime::makeInstance<UIView>);
    return cls;
}

Class hostViewSubclass()
{
    static Class cls = runtime::defineClass("CompositorTestHostSubview", hostViewClass(), runtime::makeInstance<UIView>);
    return cls;
}

struct Call {
    id view;
    CGSize size;
    // Where the drawer's (0, 0) and (width, height) land, in pixels.
    double left, top, right, bottom;
};

compositor::ContentDrawer recordingDrawer(std::vector<Call>* calls, Pixel fill)
{
    return [calls, fill](id view, cairo_t* cairo, CGSize size) {
        double left = 0, top = 0, right = size.width, bottom = size.height;
        cairo_user_to_device(cairo, &left, &top);
        cairo_user_to_device(cairo, &right, &bottom);
        calls->push_back({ view, size, left, top, right, bottom });
        cairo_set_source_rgb(cairo, fill.red / 255.0, fill.green / 255.0, fill.blue / 255.0);
        // Beyond the bounds on purpose: the drawing is clipped to them.
        cairo_rectangle(cairo, -50, -50, size.width + 100, size.height + 100);
        cairo_fill(cairo);
    };
}

int count(cairo_surface_t* screen, const Pixel& wanted)
{
    int matching = 0;
    for (int y = 0; y < cairo_image_surface_get_height(screen); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(screen); ++x)
            matching += near(pixelAt(screen, x, y), wanted);
    }
    return matching;
}

TEST_F(ContentDrawerTest, DrawerWorksInTheViewsOwnSpaceUnderItsTransform)
{
    std::vector<Call> calls;
    compositor::registerContentDrawer(hostViewClass(), recordingDrawer(&calls, kGreen));
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    auto host = addView(window.get(), CGRectMake(20, 10, 100, 60), color(kBlue), hostViewClass());
    send(host.get(), "setBounds:"_sel, CGRectMake(10, 0, 100, 60));
    send(host.get(), "setTransform:"_sel, CGAffineTransformMakeScale(0.5, 0.5));
    // At the bounds origin, so at the view's top left corner, above the drawing.
    addView(host.get(), CGRectMake(10, 0, 20, 20), color(kRed));

    auto screen = draw();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].view, host.get());
    EXPECT_EQ(calls[0].size, CGSizeMake(100, 60));
    // Scaled by half about the centre (70, 40): points (45, 25) to (95, 55).
    EXPECT_DOUBLE_EQ(calls[0].left, 90);
    EXPECT_DOUBLE_EQ(calls[0].top, 50);
    EXPECT_DOUBLE_EQ(calls[0].right, 190);
    EXPECT_DOUBLE_EQ(calls[0].bottom, 110);
    EXPECT_EQ(count(screen.get(), kRed), 20 * 20);
    EXPECT_EQ(count(screen.get(), kGreen), 100 * 60 - 20 * 20);
    EXPECT_EQ(count(screen.get(), kBlue), 0);
    EXPECT_EQ(pixelAt(screen.get(), 90, 50), kRed);

    // The view's alpha is applied to what the drawer draws.
    send(host.get(), "setAlpha:"_sel, 0.5);
    screen = draw();
    EXPECT_TRUE(near(pixelAt(screen.get(), 180, 100), { 128, 255, 128, 255 })) << pixelAt(screen.get(), 180, 100);
}

TEST_F(ContentDrawerTest, ClosestRegisteredClassWinsAndResetForgetsThem)
{
    std::vector<Call> baseCalls, subclassCalls;
    compositor::registerContentDrawer(hostViewClass(), recordingDrawer(&baseCalls, kGreen));
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    auto base = addView(window.get(), CGRectMake(0, 0, 50, 50), nullptr, hostViewClass());
    auto derived = addView(window.get(), CGRectMake(100, 0, 50, 50), nullptr, hostViewSubclass());

    draw();
    EXPECT_EQ(baseCalls.size(), 2u) << "a subclass gets its superclass's drawer";

    compositor::registerContentDrawer(hostViewSubclass(), recordingDrawer(&subclassCalls, kBlue));
    baseCalls.clear();
    auto screen = draw();
    ASSERT_EQ(baseCalls.size(), 1u);
    EXPECT_EQ(baseCalls[0].view, base.get());
    ASSERT_EQ(subclassCalls.size(), 1u);
    EXPECT_EQ(subclassCalls[0].view, derived.get());
    EXPECT_EQ(pixelAt(screen.get(), 2 * 125, 2 * 25), kBlue);

    // Hidden views are not drawn, so not asked.
    send(derived.get(), "setHidden:"_sel, true);
    subclassCalls.clear();
    draw();
    EXPECT_TRUE(subclassCalls.empty());

    // An empty drawer unregisters; a reset forgets every drawer.
    compositor::registerContentDrawer(hostViewClass(), nullptr);
    baseCalls.clear();
    draw();
    EXPECT_TRUE(baseCalls.empty());
    send(derived.get(), "setHidden:"_sel, false);
    compositor::reset();
    draw();
    EXPECT_TRUE(subclassCalls.empty());
}

}

// Hit testing: which view a touch reaches, and that a replacement of UIView's
// method decides for windows too.

#include "RefuseWindowsOwnArea.h"
#include "UIKitFixture.h"

#include "substrate/Substrate.h"
#include "support/ForkedTest.h"

#include <cmath>

namespace {

id hitTest(id view, CGPoint point)
{
    return send<id>(view, "hitTest:withEvent:"_sel, point, static_cast<id>(nullptr));
}

// A window with two overlapping subviews; `front` was added last.
class HitTest : public UIKitTest {
protected:
    void SetUp() override
    {
        UIKitTest::SetUp();
        window = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(100, 0, 100, 100));
        send(window.get(), "setHidden:"_sel, false);
        back = make<UIView>(uikit::UIViewClass(), CGRectMake(10, 10, 50, 50));
        front = make<UIView>(uikit::UIViewClass(), CGRectMake(30, 30, 50, 50));
        send(window.get(), "addSubview:"_sel, static_cast<id>(back.get()));
        send(window.get(), "addSubview:"_sel, static_cast<id>(front.get()));
    }

    Strong<UIWindow> window;
    Strong<UIView> back;
    Strong<UIView> front;
};

TEST_F(HitTest, FrontmostContainingViewWinsAndEmptyAreaIsTheWindow)
{
    EXPECT_EQ(hitTest(window, { 40, 40 }), front.get());
    EXPECT_EQ(hitTest(window, { 15, 15 }), back.get());
    EXPECT_EQ(hitTest(window, { 90, 5 }), window.get());
    // Points are in the receiver's coordinates; edges are half open.
    EXPECT_EQ(hitTest(window, { 100, 50 }), nullptr);
    EXPECT_EQ(hitTest(window, { -1, 50 }), nullptr);
    EXPECT_EQ(hitTest(window, { 79.999, 79.999 }), front.get());
    EXPECT_EQ(hitTest(window, { 80, 80 }), window.get());
}

TEST_F(HitTest, HiddenTransparentAndNonInteractiveViewsArePassedOver)
{
    send(front.get(), "setHidden:"_sel, true);
    EXPECT_EQ(hitTest(window, { 40, 40 }), back.get());
    send(front.get(), "setHidden:"_sel, false);

    send(front.get(), "setAlpha:"_sel, 0.0099);
    EXPECT_EQ(hitTest(window, { 40, 40 }), back.get());
    send(front.get(), "setAlpha:"_sel, 0.01);
    EXPECT_EQ(hitTest(window, { 40, 40 }), front.get());
    send(front.get(), "setAlpha:"_sel, std::nan(""));
    EXPECT_EQ(hitTest(window, { 40, 40 }), back.get());
    send(front.get(), "setAlpha:"_sel, -0.5);
    EXPECT_EQ(hitTest(window, { 40, 40 }), back.get());
    send(front.get(), "setAlpha:"_sel, 1.0);

    // A view that takes no touches takes none for its subviews either.
    auto child = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 50, 50));
    send(front.get(), "addSubview:"_sel, static_cast<id>(child.get()));
    EXPECT_EQ(hitTest(window, { 40, 40 }), child.get());
    send(front.get(), "setUserInteractionEnabled:"_sel, false);
    EXPECT_EQ(hitTest(window, { 40, 40 }), back.get());

    send(window.get(), "setHidden:"_sel, true);
    EXPECT_EQ(hitTest(window, { 15, 15 }), nullptr);
}

TEST_F(HitTest, SubviewOutsideItsParentIsUnreachableThere)
{
    // Without clipping a subview may draw outside its parent, but touches there
    // never reach it: the parent's own test fails first.
    auto stray = make<UIView>(uikit::UIViewClass(), CGRectMake(40, 40, 30, 30));
    send(back.get(), "addSubview:"_sel, static_cast<id>(stray.get()));
    send(front.get(), "setHidden:"_sel, true);
    EXPECT_EQ(hitTest(window, { 55, 55 }), stray.get());
    EXPECT_EQ(hitTest(window, { 65, 65 }), window.get());
}

TEST_F(HitTest, PointsAreConvertedThroughBoundsAndTransforms)
{
    send(front.get(), "setHidden:"_sel, true);
    auto inner = make<UIView>(uikit::UIViewClass(), CGRectMake(20, 20, 10, 10));
    send(back.get(), "addSubview:"_sel, static_cast<id>(inner.get()));
    EXPECT_EQ(hitTest(window, { 35, 35 }), inner.get());

    // Scrolling the parent's bounds moves its contents.
    send(back.get(), "setBounds:"_sel, CGRectMake(10, 10, 50, 50));
    EXPECT_EQ(hitTest(window, { 35, 35 }), back.get());
    EXPECT_EQ(hitTest(window, { 25, 25 }), inner.get());
    send(back.get(), "setBounds:"_sel, CGRectMake(0, 0, 50, 50));

    // Scaled to half about its centre, `back` covers 22.5 to 47.5.
    send(back.get(), "setTransform:"_sel, CGAffineTransformMakeScale(0.5, 0.5));
    EXPECT_EQ(hitTest(window, { 20, 20 }), window.get());
    EXPECT_EQ(hitTest(window, { 25, 25 }), back.get());
    EXPECT_EQ(hitTest(window, { 33, 33 }), inner.get());

    send(back.get(), "setTransform:"_sel, CGAffineTransformMakeScale(0, 0));
    EXPECT_EQ(hitTest(window, { 35, 35 }), window.get());
}

TEST_F(HitTest, WindowsAndViewsShareOneMethod)
{
    SEL const selector = "hitTest:withEvent:"_sel;
    EXPECT_EQ(class_getInstanceMethod(uikit::UIWindowClass(), selector), class_getInstanceMethod(uikit::UIViewClass(), selector));
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(uikit::UIViewClass(), selector)), "@@:{CGPoint=dd}@");
    EXPECT_STREQ(method_getTypeEncoding(class_getInstanceMethod(uikit::UIViewClass(), "pointInside:withEvent:"_sel)), "B@:{CGPoint=dd}@");
}

FORKED_TEST(HitTestReplacement, ReplacementOnUIViewDecidesForWindowsAndEverySubview)
{
    uikit::registerClasses();
    AutoreleasePool pool;
    auto window = adopt(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 0, 100, 100)));
    auto grabber = adopt(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(0, 40, 50, 20)));
    send(window.get(), "setHidden:"_sel, false);
    send(window.get(), "addSubview:"_sel, grabber.get());
    ASSERT_EQ(hitTest(window, { 10, 10 }), window.get());

    MSHookMessageEx(uikit::UIViewClass(), "hitTest:withEvent:"_sel, uikittest::refuseWindowsOwnArea, &uikittest::previousHitTest);
    ASSERT_NE(uikittest::previousHitTest, nullptr);

    EXPECT_EQ(hitTest(window, { 10, 10 }), nullptr);
    EXPECT_EQ(hitTest(window, { 10, 50 }), grabber.get());
    // Each window test and the one it made to its subview ran the replacement.
    EXPECT_EQ(uikittest::refuseWindowsOwnAreaCalls, 4);
}

}

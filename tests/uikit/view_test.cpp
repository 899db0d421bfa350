// Views: geometry under transforms, the view tree, defaults and typed properties.

#include "UIKitFixture.h"

#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"

namespace {

using ViewTest = UIKitTest;

TEST_F(ViewTest, FrameIsExactlyWhatWasSetAndBoundsFollowIt)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0.1, 0.7, 0.3, 20.9));
    EXPECT_EQ(send<CGRect>(view.get(), "frame"_sel), CGRectMake(0.1, 0.7, 0.3, 20.9));
    EXPECT_EQ(send<CGRect>(view.get(), "bounds"_sel), CGRectMake(0, 0, 0.3, 20.9));

    send(view.get(), "setBounds:"_sel, CGRectMake(5, 5, 10, 30));
    // A new bounds size keeps the centre; the origin scrolls the contents.
    CGPoint const center = send<CGPoint>(view.get(), "center"_sel);
    EXPECT_DOUBLE_EQ(center.x, 0.1 + 0.15);
    EXPECT_DOUBLE_EQ(center.y, 0.7 + 10.45);
    EXPECT_EQ(send<CGRect>(view.get(), "bounds"_sel), CGRectMake(5, 5, 10, 30));
}

TEST_F(ViewTest, ScaledViewReportsScaledFrameAndCanBeMovedToTheOrigin)
{
    // How a hosted view is fitted into the panel: scale, then move its frame to (0, 0).
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 375, 667));
    send(view.get(), "setTransform:"_sel, CGAffineTransformMakeScale(0.5, 0.5));
    CGRect frame = send<CGRect>(view.get(), "frame"_sel);
    EXPECT_EQ(frame, CGRectMake(93.75, 166.75, 187.5, 333.5));

    frame.origin = CGPointMake(0, 0);
    send(view.get(), "setFrame:"_sel, frame);
    EXPECT_EQ(send<CGRect>(view.get(), "frame"_sel), CGRectMake(0, 0, 187.5, 333.5));
    EXPECT_EQ(send<CGRect>(view.get(), "bounds"_sel), CGRectMake(0, 0, 375, 667));
    EXPECT_EQ(send<CGAffineTransform>(view.get(), "transform"_sel), CGAffineTransformMakeScale(0.5, 0.5));

    send(view.get(), "setTransform:"_sel, CGAffineTransformIdentity);
    EXPECT_EQ(send<CGRect>(view.get(), "frame"_sel), CGRectMake(-93.75, -166.75, 375, 667));
}

TEST_F(ViewTest, PointConversionRoundTripsThroughTransforms)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(10, 20, 100, 50));
    send(view.get(), "setBounds:"_sel, CGRectMake(3, 4, 100, 50));
    CGPoint const inside { 13, 9 };
    EXPECT_EQ(uikit::convertToSuperview(view.get(), inside), CGPointMake(20, 25));
    EXPECT_EQ(uikit::convertFromSuperview(view.get(), CGPointMake(20, 25)), inside);

    view->transform = { 0, 2, -2, 0, 7, -3 };
    std::optional<CGPoint> const back = uikit::convertFromSuperview(view.get(), uikit::convertToSuperview(view.get(), inside));
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->x, inside.x, 1e-9);
    EXPECT_NEAR(back->y, inside.y, 1e-9);

    view->transform = CGAffineTransformMakeScale(0, 1);
    EXPECT_FALSE(uikit::convertFromSuperview(view.get(), CGPointMake(20, 25)));
}

TEST_F(ViewTest, SubviewsMoveBetweenParentsAndNeverFormACycle)
{
    auto first = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 10, 10));
    auto second = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 10, 10));
    auto child = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 5, 5));
    auto sibling = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 5, 5));

    send(first.get(), "addSubview:"_sel, static_cast<id>(child.get()));
    send(first.get(), "addSubview:"_sel, static_cast<id>(sibling.get()));
    // Adding again brings it to the front.
    send(first.get(), "addSubview:"_sel, static_cast<id>(child.get()));
    auto* list = send<NSArray*>(first.get(), "subviews"_sel);
    ASSERT_EQ(list->items.size(), 2u);
    EXPECT_EQ(list->items[0].get(), sibling.get());
    EXPECT_EQ(list->items[1].get(), child.get());

    send(second.get(), "addSubview:"_sel, static_cast<id>(child.get()));
    EXPECT_EQ(send<id>(child.get(), "superview"_sel), second.get());
    EXPECT_EQ(first->subviews.size(), 1u);

    systemlog::reset();
    send(child.get(), "addSubview:"_sel, static_cast<id>(second.get()));
    send(child.get(), "addSubview:"_sel, static_cast<id>(child.get()));
    EXPECT_TRUE(child->subviews.empty());
    EXPECT_EQ(systemlog::captured().size(), 2u);

    send(child.get(), "removeFromSuperview"_sel);
    EXPECT_EQ(send<id>(child.get(), "superview"_sel), nullptr);
    EXPECT_TRUE(second->subviews.empty());
    send(child.get(), "removeFromSuperview"_sel);
}

TEST_F(ViewTest, FreedSuperviewLeavesNoDanglingPointer)
{
    auto child = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 5, 5));
    {
        auto parent = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 10, 10));
        send(parent.get(), "addSubview:"_sel, static_cast<id>(child.get()));
    }
    EXPECT_EQ(send<id>(child.get(), "superview"_sel), nullptr);
    EXPECT_EQ(send<id>(child.get(), "window"_sel), nullptr);
}

TEST_F(ViewTest, WindowIsTheRootWindowOfTheTree)
{
    auto window = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(0, 0, 100, 100));
    auto middle = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 50, 50));
    auto leaf = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 5, 5));
    send(middle.get(), "addSubview:"_sel, static_cast<id>(leaf.get()));
    EXPECT_EQ(send<id>(leaf.get(), "window"_sel), nullptr);
    send(window.get(), "addSubview:"_sel, static_cast<id>(middle.get()));
    EXPECT_EQ(send<id>(leaf.get(), "window"_sel), window.get());
}

TEST_F(ViewTest, DefaultsMatchThePhone)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectZero);
    auto window = make<UIWindow>(uikit::UIWindowClass(), CGRectZero);
    auto imageView = make<UIImageView>(uikit::UIImageViewClass(), CGRectZero);
    auto label = make<UILabel>(uikit::UILabelClass(), CGRectZero);

    EXPECT_FALSE(send<bool>(view.get(), "isHidden"_sel));
    EXPECT_TRUE(send<bool>(window.get(), "isHidden"_sel));
    EXPECT_TRUE(send<bool>(view.get(), "isUserInteractionEnabled"_sel));
    EXPECT_FALSE(send<bool>(imageView.get(), "isUserInteractionEnabled"_sel));
    EXPECT_FALSE(send<bool>(label.get(), "isUserInteractionEnabled"_sel));
    EXPECT_EQ(send<double>(view.get(), "alpha"_sel), 1.0);
    EXPECT_EQ(send<id>(view.get(), "backgroundColor"_sel), nullptr);
    EXPECT_NE(send<id>(view.get(), "layer"_sel), nullptr);
    EXPECT_TRUE(send<bool>(send<id>(label.get(), "textColor"_sel), "isEqual:"_sel, send<id>(uikit::UIColorClass(), "blackColor"_sel)));
    EXPECT_EQ(send<double>(send<id>(label.get(), "font"_sel), "pointSize"_sel), 17.0);

    auto* plain = send<UIView*>(send<id>(send<id>(uikit::UIViewClass(), "alloc"_sel), "init"_sel), "autorelease"_sel);
    EXPECT_EQ(plain->frame(), CGRectZero);
}

TEST_F(ViewTest, ClippingIsTheLayersMasksToBounds)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectZero);
    id layer = send<id>(view.get(), "layer"_sel);
    send(view.get(), "setClipsToBounds:"_sel, true);
    EXPECT_TRUE(send<bool>(layer, "masksToBounds"_sel));
    send(layer, "setMasksToBounds:"_sel, false);
    EXPECT_FALSE(send<bool>(view.get(), "clipsToBounds"_sel));

    send(layer, "setCornerRadius:"_sel, 5.0);
    send(layer, "setShadowOpacity:"_sel, 0.5f);
    send(layer, "setShadowOffset:"_sel, CGSizeMake(0, 2));
    auto* raw = static_cast<CALayer*>(layer);
    EXPECT_EQ(raw->cornerRadius, 5.0);
    EXPECT_EQ(raw->shadowOpacity, 0.5f);
    EXPECT_EQ(raw->shadowOffset, CGSizeMake(0, 2));
    EXPECT_EQ(raw->delegate, view.get());
}

TEST_F(ViewTest, TintIsInheritedFromTheNearestSuperviewThatSetsOne)
{
    auto parent = make<UIView>(uikit::UIViewClass(), CGRectZero);
    auto arrow = make<UIImageView>(uikit::UIImageViewClass(), CGRectZero);
    send(parent.get(), "addSubview:"_sel, static_cast<id>(arrow.get()));
    EXPECT_TRUE(send<bool>(send<id>(arrow.get(), "tintColor"_sel), "isEqual:"_sel, static_cast<id>(uikit::defaultTintColor())));

    send(parent.get(), "setTintColor:"_sel, send<id>(uikit::UIColorClass(), "redColor"_sel));
    EXPECT_TRUE(send<bool>(send<id>(arrow.get(), "tintColor"_sel), "isEqual:"_sel, send<id>(uikit::UIColorClass(), "redColor"_sel)));
    send(arrow.get(), "setTintColor:"_sel, send<id>(uikit::UIColorClass(), "blackColor"_sel));
    EXPECT_TRUE(send<bool>(send<id>(arrow.get(), "tintColor"_sel), "isEqual:"_sel, send<id>(uikit::UIColorClass(), "blackColor"_sel)));
}

TEST_F(ViewTest, WronglyTypedObjectsAreRefusedNotStored)
{
    auto label = make<UILabel>(uikit::UILabelClass(), CGRectZero);
    id number = NSNumber::numberWithInteger(3);
    send(label.get(), "setBackgroundColor:"_sel, number);
    send(label.get(), "setText:"_sel, number);
    send(label.get(), "setFont:"_sel, number);
    EXPECT_EQ(label->backgroundColor.get(), nullptr);
    EXPECT_EQ(label->text.get(), nullptr);
    EXPECT_EQ(label->font.get(), nullptr);
    EXPECT_EQ(systemlog::captured().size(), 3u);

    send(label.get(), "setText:"_sel, static_cast<id>(NSString::make("3")));
    send(label.get(), "setText:"_sel, nullptr);
    EXPECT_EQ(label->text.get(), nullptr);
    EXPECT_EQ(systemlog::captured().size(), 3u);
}

TEST_F(ViewTest, ColoursAreEqualByComponents)
{
    Class color = uikit::UIColorClass();
    id white = send<id>(color, "whiteColor"_sel);
    id sameWhite = send<id>(color, "colorWithRed:green:blue:alpha:"_sel, 1.0, 1.0, 1.0, 1.0);
    EXPECT_TRUE(send<bool>(white, "isEqual:"_sel, sameWhite));
    EXPECT_EQ(send<unsigned long>(white, "hash"_sel), send<unsigned long>(sameWhite, "hash"_sel));
    EXPECT_FALSE(send<bool>(white, "isEqual:"_sel, send<id>(color, "colorWithRed:green:blue:alpha:"_sel, 1.0, 1.0, 1.0, 0.5)));
    EXPECT_FALSE(send<bool>(white, "isEqual:"_sel, nullptr));
    EXPECT_FALSE(send<bool>(white, "isEqual:"_sel, static_cast<id>(NSString::make("white"))));
    EXPECT_EQ(foundation::describe(send<id>(color, "clearColor"_sel)), "UIExtendedSRGBColorSpace 0 0 0 0");
}

}

#pragma once
// Views: a rectangle in the superview's coordinates, drawing attributes, and a
// tree of subviews (the last subview is the frontmost). Each view owns a layer.
//
// Geometry is kept as the untransformed frame plus a transform applied about
// the frame's centre, as the phone keeps centre, bounds and transform: with the
// identity transform `frame` is exactly what was set; with a transform it is
// the bounding box of the transformed rectangle.
//
// Encodings: Boolean properties "B", CGFloat "d", NSInteger "q"; hit testing is
// "hitTest:withEvent:" "@@:{CGPoint=dd}@" and "pointInside:withEvent:"
// "B@:{CGPoint=dd}@"; gesture recognizers are in UIGestureRecognizer.h.

#include "UIColor.h"
#include "UIGestureRecognizer.h"
#include "UIResponder.h"

#include "coregraphics/CGGeometry.h"
#include "foundation/NSString.h"
#include "quartz/CALayer.h"

#include <functional>
#include <optional>
#include <vector>

enum UIViewContentMode : long {
    UIViewContentModeScaleToFill = 0,
    UIViewContentModeScaleAspectFit = 1,
    UIViewContentModeScaleAspectFill = 2,
};

struct UITouch;

struct UIView : UIResponder {
    UIView();
    ~UIView() override;

    CGRect untransformedFrame;
    CGPoint boundsOrigin;
    CGAffineTransform transform;
    bool hidden = false;
    CGFloat alpha = 1;
    bool userInteractionEnabled = true;
    long contentMode = UIViewContentModeScaleToFill;
    Strong<UIColor> backgroundColor;
    // Only the view's own tint; `effectiveTintColor` follows the superviews.
    Strong<UIColor> tintColor;
    Strong<NSString> accessibilityHint;
    Strong<CALayer> layer;
    std::vector<Strong<UIView>> subviews;
    // Not retained: the superview owns its subviews.
    UIView* superview = nullptr;
    std::vector<Strong<UIGestureRecognizer>> gestureRecognizers;
    // When set, touches that land on this view or its subviews go here, each
    // of their events, and no recognizer sees them (a hosted application's
    // view hands them to its process).
    std::function<void(UITouch*)> touchSink;

    CGRect frame() const;
    void setFrame(CGRect frame);
    CGRect bounds() const { return { boundsOrigin, untransformedFrame.size }; }
    void setBounds(CGRect bounds);
    CGPoint center() const;
    void setCenter(CGPoint center);

    UIColor* effectiveTintColor() const;

    // Called when the hidden flag changes; windows keep the list of visible windows.
    virtual void hiddenDidChange() { }
};

namespace uikit {

Class UIViewClass();
void registerUIView();

// Converts a point between a view's superview coordinates (or, for a window,
// screen coordinates) and the view's own; nothing when the view's transform
// cannot be inverted.
std::optional<CGPoint> convertFromSuperview(const UIView* view, CGPoint point);
CGPoint convertToSuperview(const UIView* view, CGPoint point);

// The tint a view has when neither it nor any superview sets one.
UIColor* defaultTintColor();

// Returns `object` when it is of class `cls`; otherwise logs that `what`
// refused it and returns nil, so a wrongly typed argument never reaches code
// that relies on the type.
id acceptOnly(id object, Class cls, const char* what);
// acceptOnly for a string argument.
NSString* acceptString(id object, const char* what);

}

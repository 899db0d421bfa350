// A view's frame, bounds and centre under its transform, and conversion of
// points into and out of its coordinates.

#include "UIView.h"

#include <algorithm>
#include <cmath>

namespace {

bool isIdentity(const CGAffineTransform& transform)
{
    return transform == CGAffineTransformIdentity;
}

CGPoint apply(const CGAffineTransform& t, CGPoint p)
{
    return { t.a * p.x + t.c * p.y + t.tx, t.b * p.x + t.d * p.y + t.ty };
}

}

CGPoint UIView::center() const
{
    return { untransformedFrame.origin.x + untransformedFrame.size.width / 2, untransformedFrame.origin.y + untransformedFrame.size.height / 2 };
}

void UIView::setCenter(CGPoint center)
{
    untransformedFrame.origin = { center.x - untransformedFrame.size.width / 2, center.y - untransformedFrame.size.height / 2 };
}

CGRect UIView::frame() const
{
    if (isIdentity(transform))
        return untransformedFrame;
    CGPoint const middle = center();
    CGFloat const halfWidth = untransformedFrame.size.width / 2;
    CGFloat const halfHeight = untransformedFrame.size.height / 2;
    CGPoint const corners[] = {
        apply(transform, { -halfWidth, -halfHeight }),
        apply(transform, { halfWidth, -halfHeight }),
        apply(transform, { -halfWidth, halfHeight }),
        apply(transform, { halfWidth, halfHeight }),
    };
    CGFloat minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (CGPoint const& corner : corners) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    return CGRectMake(middle.x + minX, middle.y + minY, maxX - minX, maxY - minY);
}

void UIView::setFrame(CGRect frame)
{
    if (isIdentity(transform)) {
        untransformedFrame = frame;
        return;
    }
    // The new frame is where the transformed view lands: its centre, less the
    // transform's translation, is the view's centre. A scaling transform maps
    // the size back; under a rotation or shear the size is kept.
    CGPoint const middle { frame.origin.x + frame.size.width / 2 - transform.tx, frame.origin.y + frame.size.height / 2 - transform.ty };
    if (transform.b == 0 && transform.c == 0 && transform.a != 0 && transform.d != 0)
        untransformedFrame.size = { frame.size.width / std::fabs(transform.a), frame.size.height / std::fabs(transform.d) };
    setCenter(middle);
}

void UIView::setBounds(CGRect bounds)
{
    // As on the phone, a new bounds size grows or shrinks the view about its centre.
    CGPoint const middle = center();
    boundsOrigin = bounds.origin;
    untransformedFrame.size = bounds.size;
    setCenter(middle);
}

namespace uikit {

std::optional<CGPoint> convertFromSuperview(const UIView* view, CGPoint point)
{
    CGAffineTransform const& t = view->transform;
    if (isIdentity(t))
        return CGPoint { point.x - view->untransformedFrame.origin.x + view->boundsOrigin.x, point.y - view->untransformedFrame.origin.y + view->boundsOrigin.y };
    CGFloat const determinant = t.a * t.d - t.b * t.c;
    if (determinant == 0 || !std::isfinite(determinant))
        return std::nullopt;
    CGPoint const middle = view->center();
    CGFloat const x = point.x - middle.x - t.tx;
    CGFloat const y = point.y - middle.y - t.ty;
    CGSize const size = view->untransformedFrame.size;
    return CGPoint {
        (t.d * x - t.c * y) / determinant + size.width / 2 + view->boundsOrigin.x,
        (t.a * y - t.b * x) / determinant + size.height / 2 + view->boundsOrigin.y,
    };
}

CGPoint convertToSuperview(const UIView* view, CGPoint point)
{
    CGAffineTransform const& t = view->transform;
    if (isIdentity(t))
        return { point.x - view->boundsOrigin.x + view->untransformedFrame.origin.x, point.y - view->boundsOrigin.y + view->untransformedFrame.origin.y };
    CGSize const size = view->untransformedFrame.size;
    CGPoint const moved = apply(t, { point.x - view->boundsOrigin.x - size.width / 2, point.y - view->boundsOrigin.y - size.height / 2 });
    CGPoint const middle = view->center();
    return { middle.x + moved.x, middle.y + moved.y };
}

}

// Which view receives a touch. Every step is a message, so a replacement of
// hitTest:withEvent: on UIView decides for every view, windows included.

#include "UIView.h"

namespace {

bool pointInside(id self, SEL, CGPoint point, id)
{
    return CGRectContainsPoint(static_cast<UIView*>(self)->bounds(), point);
}

id hitTest(id self, SEL, CGPoint point, id event)
{
    auto* view = static_cast<UIView*>(self);
    // `!(alpha >= 0.01)` also passes over a view whose alpha is not a number.
    if (view->hidden || !view->userInteractionEnabled || !(view->alpha >= 0.01))
        return nullptr;
    if (!send<bool>(self, "pointInside:withEvent:"_sel, point, event))
        return nullptr;
    // Front to back, by index and holding each subview while it is asked, so a
    // replacement that changes the tree meanwhile cannot pull it away.
    for (size_t i = view->subviews.size(); i-- > 0;) {
        if (i >= view->subviews.size())
            continue;
        Strong<UIView> const subview = view->subviews[i];
        std::optional<CGPoint> const local = uikit::convertFromSuperview(subview, point);
        if (!local)
            continue;
        if (id hit = send<id>(static_cast<id>(subview.get()), "hitTest:withEvent:"_sel, *local, event))
            return hit;
    }
    return self;
}

}

namespace uikit {

void registerUIViewHitTesting(Class view)
{
    addMethod(view, "pointInside:withEvent:"_sel, pointInside);
    addMethod(view, "hitTest:withEvent:"_sel, hitTest);
}

}

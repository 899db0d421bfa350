#include "ScreenConversion.h"
#include "UIView.h"

#include <vector>

namespace uikit {

std::optional<CGPoint> convertFromScreen(const UIView* view, CGPoint point)
{
    // Root first: each view's superview coordinates are its parent's own.
    std::vector<const UIView*> chain;
    for (const UIView* ancestor = view; ancestor; ancestor = ancestor->superview)
        chain.push_back(ancestor);
    std::optional<CGPoint> result = point;
    for (auto it = chain.rbegin(); it != chain.rend() && result; ++it)
        result = convertFromSuperview(*it, *result);
    return result;
}

CGPoint convertToScreen(const UIView* view, CGPoint point)
{
    for (const UIView* ancestor = view; ancestor; ancestor = ancestor->superview)
        point = convertToSuperview(ancestor, point);
    return point;
}

CGPoint convertVectorFromScreen(const UIView* view, CGPoint screenPoint, CGPoint vector)
{
    std::optional<CGPoint> const from = convertFromScreen(view, screenPoint);
    std::optional<CGPoint> const to = convertFromScreen(view, { screenPoint.x + vector.x, screenPoint.y + vector.y });
    if (!from || !to)
        return {};
    return { to->x - from->x, to->y - from->y };
}

UIView* rootView(UIView* view)
{
    if (!view)
        return nullptr;
    while (view->superview)
        view = view->superview;
    return view;
}

}

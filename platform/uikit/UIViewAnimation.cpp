#include "UIViewAnimation.h"

#include "ViewAnimator.h"

#include "foundation/NSBlock.h"

#include <cmath>

namespace {

void animateWithCompletion(id, SEL, double duration, id animations, id completion)
{
    uikit::ViewAnimator::Completion finish;
    if (completion) {
        finish = [block = Strong<objc_object>(completion)](bool finished) { invokeCompletionBlock(block, finished); };
    }
    Strong<objc_object> const changes(animations);
    uikit::ViewAnimator::shared().animate(
        duration, [&] { invokeBlock(changes); }, std::move(finish));
}

void animateWithDuration(id self, SEL, double duration, id animations)
{
    animateWithCompletion(self, nullptr, duration, animations, nullptr);
}

}

namespace uikit {

void registerUIViewAnimations()
{
    addClassMethod(UIViewClass(), "animateWithDuration:animations:completion:"_sel, animateWithCompletion);
    addClassMethod(UIViewClass(), "animateWithDuration:animations:"_sel, animateWithDuration);
}

CGRect presentationUntransformedFrame(const UIView* view)
{
    return ViewAnimator::shared().presentationUntransformedFrame(view);
}

CGRect presentationFrame(const UIView* view)
{
    CGRect const shown = presentationUntransformedFrame(view);
    CGAffineTransform const& t = view->transform;
    if (t == CGAffineTransformIdentity)
        return shown;
    // The bounding box of the transformed rectangle, turned about its centre.
    CGFloat const width = std::fabs(t.a) * shown.size.width + std::fabs(t.c) * shown.size.height;
    CGFloat const height = std::fabs(t.b) * shown.size.width + std::fabs(t.d) * shown.size.height;
    CGFloat const middleX = shown.origin.x + shown.size.width / 2 + t.tx;
    CGFloat const middleY = shown.origin.y + shown.size.height / 2 + t.ty;
    return CGRectMake(middleX - width / 2, middleY - height / 2, width, height);
}

CGFloat presentationAlpha(const UIView* view) { return ViewAnimator::shared().presentationAlpha(view); }

bool hasRunningAnimations() { return ViewAnimator::shared().hasRunningAnimations(); }

void resetAnimations() { ViewAnimator::shared().reset(); }

}

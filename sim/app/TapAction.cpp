#include "TapAction.h"

#include "uikit/UIKit.h"

namespace apps {

namespace {

// The recognizer's target: an object of the runtime whose one method runs
// the C++ action.
struct TapTarget : NSObject {
    std::function<void(CGPoint)> action;
    // Not retained: the view holds the recognizer, which holds this target.
    UIView* view = nullptr;
};

// Sent with the recognizer as its argument.
void tapped(id self, SEL, id recognizer)
{
    auto* target = static_cast<TapTarget*>(self);
    if (target->action)
        target->action(send<CGPoint>(recognizer, "locationInView:"_sel, static_cast<id>(target->view)));
}

Class tapTargetClass()
{
    static Class cls = nullptr;
    if (cls)
        return cls;
    cls = runtime::defineClass("DrawletAppTapTarget", foundation::NSObjectClass(), runtime::makeInstance<TapTarget>);
    addMethod(cls, "tapped:"_sel, tapped);
    return cls;
}

}

void addTapAction(UIView* view, std::function<void(CGPoint location)> action)
{
    auto target = adopt(static_cast<TapTarget*>(send<id>(send<id>(tapTargetClass(), "alloc"_sel), "init"_sel)));
    target->action = std::move(action);
    target->view = view;
    auto recognizer = adopt(send<id>(send<id>(uikit::UITapGestureRecognizerClass(), "alloc"_sel), "initWithTarget:action:"_sel,
        static_cast<id>(target.get()), "tapped:"_sel));
    send(static_cast<id>(view), "addGestureRecognizer:"_sel, recognizer.get());
}

}

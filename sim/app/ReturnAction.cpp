#include "ReturnAction.h"

#include "uikit/UIKit.h"

namespace apps {

namespace {

struct ReturnTarget : NSObject {
    std::function<bool()> action;
};

bool shouldReturn(id self, SEL, id)
{
    auto* target = static_cast<ReturnTarget*>(self);
    return !target->action || target->action();
}

Class returnTargetClass()
{
    static Class cls = nullptr;
    if (cls)
        return cls;
    cls = runtime::defineClass("DrawletAppReturnTarget", foundation::NSObjectClass(), runtime::makeInstance<ReturnTarget>);
    addMethod(cls, "textFieldShouldReturn:"_sel, shouldReturn);
    return cls;
}

}

Strong<objc_object> makeReturnAction(std::function<bool()> action)
{
    auto target = adopt(send<id>(send<id>(returnTargetClass(), "alloc"_sel), "init"_sel));
    static_cast<ReturnTarget*>(target.get())->action = std::move(action);
    return target;
}

}

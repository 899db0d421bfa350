#include "CAAnimation.h"

namespace {

Class g_CAAnimation;

CAAnimation* asCAAnimation(id self) { return static_cast<CAAnimation*>(self); }

id animation(id self, SEL) { return objc_autorelease(class_createInstance(reinterpret_cast<Class>(self), 0)); }
double duration(id self, SEL) { return asCAAnimation(self)->duration; }
void setDuration(id self, SEL, double seconds) { asCAAnimation(self)->duration = seconds; }
id timingFunction(id self, SEL) { return asCAAnimation(self)->timingFunction; }
bool removedOnCompletion(id self, SEL) { return asCAAnimation(self)->removedOnCompletion; }
void setRemovedOnCompletion(id self, SEL, bool removed) { asCAAnimation(self)->removedOnCompletion = removed; }

void setTimingFunction(id self, SEL, id function)
{
    asCAAnimation(self)->timingFunction = static_cast<CAMediaTimingFunction*>(
        foundation::isKindOf(function, quartz::CAMediaTimingFunctionClass()) ? function : nullptr);
}

}

namespace quartz {

Class CAAnimationClass() { return g_CAAnimation; }

void registerCAAnimation()
{
    g_CAAnimation = runtime::defineClass("CAAnimation", foundation::NSObjectClass(), runtime::makeInstance<CAAnimation>);
    addClassMethod(g_CAAnimation, "animation"_sel, animation);
    addMethod(g_CAAnimation, "duration"_sel, duration);
    addMethod(g_CAAnimation, "setDuration:"_sel, setDuration);
    addMethod(g_CAAnimation, "timingFunction"_sel, timingFunction);
    addMethod(g_CAAnimation, "setTimingFunction:"_sel, setTimingFunction);
    addMethod(g_CAAnimation, "removedOnCompletion"_sel, removedOnCompletion);
    addMethod(g_CAAnimation, "setRemovedOnCompletion:"_sel, setRemovedOnCompletion);
}

}

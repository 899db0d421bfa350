#include "CAKeyframeAnimation.h"

namespace {

Class g_CAKeyframeAnimation;

CAKeyframeAnimation* asCAKeyframeAnimation(id self) { return static_cast<CAKeyframeAnimation*>(self); }

NSArray* arrayOrNil(id object)
{
    return static_cast<NSArray*>(foundation::isKindOf(object, foundation::NSArrayClass()) ? object : nullptr);
}

id values(id self, SEL) { return asCAKeyframeAnimation(self)->values; }
void setValues(id self, SEL, id array) { asCAKeyframeAnimation(self)->values = arrayOrNil(array); }
id keyTimes(id self, SEL) { return asCAKeyframeAnimation(self)->keyTimes; }
void setKeyTimes(id self, SEL, id array) { asCAKeyframeAnimation(self)->keyTimes = arrayOrNil(array); }

}

namespace quartz {

Class CAKeyframeAnimationClass() { return g_CAKeyframeAnimation; }

void registerCAKeyframeAnimation()
{
    g_CAKeyframeAnimation = runtime::defineClass("CAKeyframeAnimation", CAPropertyAnimationClass(), runtime::makeInstance<CAKeyframeAnimation>);
    addMethod(g_CAKeyframeAnimation, "values"_sel, values);
    addMethod(g_CAKeyframeAnimation, "setValues:"_sel, setValues);
    addMethod(g_CAKeyframeAnimation, "keyTimes"_sel, keyTimes);
    addMethod(g_CAKeyframeAnimation, "setKeyTimes:"_sel, setKeyTimes);
}

}

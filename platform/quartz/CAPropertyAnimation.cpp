#include "CAPropertyAnimation.h"

namespace {

Class g_CAPropertyAnimation;

CAPropertyAnimation* asCAPropertyAnimation(id self) { return static_cast<CAPropertyAnimation*>(self); }

id keyPath(id self, SEL) { return asCAPropertyAnimation(self)->keyPath; }

void setKeyPath(id self, SEL, id path)
{
    asCAPropertyAnimation(self)->keyPath = static_cast<NSString*>(foundation::isKindOf(path, foundation::NSStringClass()) ? path : nullptr);
}

id animationWithKeyPath(id self, SEL, id path)
{
    id animation = objc_autorelease(class_createInstance(reinterpret_cast<Class>(self), 0));
    setKeyPath(animation, nullptr, path);
    return animation;
}

}

namespace quartz {

Class CAPropertyAnimationClass() { return g_CAPropertyAnimation; }

void registerCAPropertyAnimation()
{
    g_CAPropertyAnimation = runtime::defineClass("CAPropertyAnimation", CAAnimationClass(), runtime::makeInstance<CAPropertyAnimation>);
    addClassMethod(g_CAPropertyAnimation, "animationWithKeyPath:"_sel, animationWithKeyPath);
    addMethod(g_CAPropertyAnimation, "keyPath"_sel, keyPath);
    addMethod(g_CAPropertyAnimation, "setKeyPath:"_sel, setKeyPath);
}

}

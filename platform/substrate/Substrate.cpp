#include "Substrate.h"

void MSHookMessageEx(Class cls, SEL selector, IMP replacement, IMP* previous)
{
    if (previous)
        *previous = nullptr;
    if (!cls || !selector || !replacement)
        return;
    Method method = class_getInstanceMethod(cls, selector);
    if (!method) {
        runtime::runtimeError(std::string("MS:Error: message not found [") + class_getName(cls) + " " + sel_getName(selector) + "]");
        return;
    }
    if (method->name && cls->methods.contains(selector)) {
        IMP old = method_setImplementation(method, replacement);
        if (previous)
            *previous = old;
        return;
    }
    // Inherited: the class gets its own method, and the replacement calls the
    // superclass's implementation through the slot.
    IMP inherited = method->imp;
    class_addMethod(cls, selector, replacement, method_getTypeEncoding(method));
    if (previous)
        *previous = inherited;
}

#include "NSObject.h"
#include "FoundationRegistration.h"
#include "NSBlock.h"
#include "NSString.h"

#include <cstdio>

namespace {

Class g_NSObject;

id alloc(id self, SEL)
{
    return class_createInstance(reinterpret_cast<Class>(self), 0);
}

id newObject(id self, SEL)
{
    return send<id>(send<id>(self, "alloc"_sel), "init"_sel);
}

id initObject(id self, SEL) { return self; }
id retain(id self, SEL) { return objc_retain(self); }
void release(id self, SEL) { objc_release(self); }
id autorelease(id self, SEL) { return objc_autorelease(self); }
id classOf(id self, SEL) { return self->isa->isMetaClass ? self : self->isa; }
id copy(id self, SEL) { return objc_retain(self); }

id objectDescription(id self, SEL)
{
    char text[128];
    std::snprintf(text, sizeof text, "<%s: %p>", class_getName(self->isa), static_cast<void*>(self));
    return NSString::make(text);
}

bool objectIsEqual(id self, SEL, id other) { return self == other; }
unsigned long objectHash(id self, SEL) { return reinterpret_cast<uintptr_t>(self); }

bool isKindOfClass(id self, SEL, id cls)
{
    return foundation::isKindOf(self, reinterpret_cast<Class>(cls));
}

bool respondsToSelector(id self, SEL, SEL selector)
{
    return runtime::lookupMethod(self->isa, selector) != nullptr;
}

}

Class NSClassFromString(NSString* name)
{
    return name ? objc_getClass(name->value.c_str()) : nullptr;
}

namespace foundation {

Class NSObjectClass()
{
    return g_NSObject;
}

bool isKindOf(id object, Class cls)
{
    if (!object || !cls)
        return false;
    for (Class c = object->isa; c; c = c->superclass) {
        if (c == cls)
            return true;
    }
    return false;
}

std::string describe(id object)
{
    if (!object)
        return "(null)";
    auto* text = send<NSString*>(object, "description"_sel);
    return text ? text->value : "(null)";
}

void registerClasses()
{
    if (g_NSObject)
        return;
    g_NSObject = runtime::defineClass("NSObject", nullptr, runtime::makeInstance<NSObject>);
    Class meta = g_NSObject->isa;
    addMethod(meta, "alloc"_sel, alloc);
    addMethod(meta, "new"_sel, newObject);
    addMethod(g_NSObject, "init"_sel, initObject);
    addMethod(g_NSObject, "retain"_sel, retain);
    addMethod(g_NSObject, "release"_sel, release);
    addMethod(g_NSObject, "autorelease"_sel, autorelease);
    addMethod(g_NSObject, "class"_sel, classOf);
    addMethod(g_NSObject, "copy"_sel, copy);
    addMethod(g_NSObject, "description"_sel, objectDescription);
    addMethod(g_NSObject, "isEqual:"_sel, objectIsEqual);
    addMethod(g_NSObject, "hash"_sel, objectHash);
    addMethod(g_NSObject, "isKindOfClass:"_sel, isKindOfClass);
    addMethod(g_NSObject, "respondsToSelector:"_sel, respondsToSelector);
    registerNSString();
    registerNSBlock();
    registerNSNumber();
    registerNSValue();
    registerNSArray();
    registerNSDictionary();
    registerNSData();
    registerFileClasses();
    registerNSURL();
}

}

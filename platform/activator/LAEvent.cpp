#include "LAEvent.h"

namespace {

Class g_LAEvent;

LAEvent* asLAEvent(id self) { return static_cast<LAEvent*>(self); }

NSString* acceptString(id object)
{
    return foundation::isKindOf(object, foundation::NSStringClass()) ? static_cast<NSString*>(object) : nullptr;
}

id eventWithNameMode(id cls, SEL, id name, id mode)
{
    auto* event = static_cast<LAEvent*>(class_createInstance(static_cast<Class>(cls), 0));
    event->name = acceptString(name);
    event->mode = acceptString(mode);
    return objc_autorelease(event);
}

id eventWithName(id cls, SEL, id name)
{
    return eventWithNameMode(cls, nullptr, name, nullptr);
}

id name(id self, SEL) { return asLAEvent(self)->name; }
id mode(id self, SEL) { return asLAEvent(self)->mode; }
bool handled(id self, SEL) { return asLAEvent(self)->handled; }
void setHandled(id self, SEL, bool handled) { asLAEvent(self)->handled = handled; }

}

namespace activator {

Class LAEventClass() { return g_LAEvent; }

void registerLAEvent()
{
    g_LAEvent = runtime::defineClass("LAEvent", foundation::NSObjectClass(), runtime::makeInstance<LAEvent>);
    addClassMethod(g_LAEvent, "eventWithName:"_sel, eventWithName);
    addClassMethod(g_LAEvent, "eventWithName:mode:"_sel, eventWithNameMode);
    addMethod(g_LAEvent, "name"_sel, name);
    addMethod(g_LAEvent, "mode"_sel, mode);
    addMethod(g_LAEvent, "handled"_sel, handled);
    addMethod(g_LAEvent, "setHandled:"_sel, setHandled);
}

LAEvent* makeEvent(std::string_view name, std::string_view mode)
{
    return send<LAEvent*>(g_LAEvent, "eventWithName:mode:"_sel, static_cast<id>(NSString::make(name)), static_cast<id>(NSString::make(mode)));
}

}

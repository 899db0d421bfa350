#include "UIEvent.h"

namespace {

Class g_UIEvent;

long type(id self, SEL) { return static_cast<UIEvent*>(self)->type; }
double timestamp(id self, SEL) { return static_cast<UIEvent*>(self)->timestamp; }

}

namespace uikit {

Class UIEventClass() { return g_UIEvent; }

void registerUIEvent()
{
    g_UIEvent = runtime::defineClass("UIEvent", foundation::NSObjectClass(), runtime::makeInstance<UIEvent>);
    addMethod(g_UIEvent, "type"_sel, type);
    addMethod(g_UIEvent, "timestamp"_sel, timestamp);
}

}

#include "UIEvent.h"

namespace {

Class g_UIEvent;

long eventType(id self, SEL) { return static_cast<UIEvent*>(self)->type; }
double eventTimestamp(id self, SEL) { return static_cast<UIEvent*>(self)->timestamp; }

}

namespace uikit {

Class UIEventClass() { return g_UIEvent; }

void registerUIEvent()
{
    g_UIEvent = runtime::defineClass("UIEvent", foundation::NSObjectClass(), runtime::makeInstance<UIEvent>);
    addMethod(g_UIEvent, "type"_sel, eventType);
    addMethod(g_UIEvent, "timestamp"_sel, eventTimestamp);
}

}

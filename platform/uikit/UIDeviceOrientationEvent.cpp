#include "UIDeviceOrientationEvent.h"

#include "UIApplication.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSString.h"

#include <cstdio>

namespace {

Class g_UIDeviceOrientationEvent;

UIDeviceOrientationEvent* asUIDeviceOrientationEvent(id self) { return static_cast<UIDeviceOrientationEvent*>(self); }

long orientation(id self, SEL) { return asUIDeviceOrientationEvent(self)->orientation; }

id orientationEventDescription(id self, SEL)
{
    char text[128];
    std::snprintf(text, sizeof text, "<%s: %p; orientation = %ld>", class_getName(self->isa), static_cast<void*>(self), asUIDeviceOrientationEvent(self)->orientation);
    return NSString::make(text);
}

}

namespace uikit {

Class UIDeviceOrientationEventClass() { return g_UIDeviceOrientationEvent; }

void registerUIDeviceOrientationEvent()
{
    g_UIDeviceOrientationEvent = runtime::defineClass("UIDeviceOrientationEvent", UIEventClass(), runtime::makeInstance<UIDeviceOrientationEvent>);
    addMethod(g_UIDeviceOrientationEvent, "orientation"_sel, orientation);
    addMethod(g_UIDeviceOrientationEvent, "description"_sel, orientationEventDescription);
}

bool sendDeviceOrientationEvent(long orientation)
{
    UIApplication* application = sharedApplication();
    if (!application)
        return false;
    auto event = adopt(static_cast<UIDeviceOrientationEvent*>(send<id>(send<id>(g_UIDeviceOrientationEvent, "alloc"_sel), "init"_sel)));
    event->type = UIEventTypeMotion;
    event->timestamp = dispatch::RunLoop::main().now();
    event->orientation = orientation;
    send(static_cast<id>(application), "_handleDeviceOrientationChangedEvent:"_sel, static_cast<id>(event.get()));
    return true;
}

}

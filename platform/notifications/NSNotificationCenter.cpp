#include "NSNotificationCenter.h"

#include "foundation/SystemLog.h"

#include <algorithm>

namespace {

Class g_NSNotificationCenter;
Class g_NSNotification;

Strong<objc_object>& defaultCenterObject()
{
    static auto* center = new Strong<objc_object>;
    return *center;
}

NSNotificationCenter* asNSNotificationCenter(id self) { return static_cast<NSNotificationCenter*>(self); }

id defaultCenter(id, SEL)
{
    auto& center = defaultCenterObject();
    if (!center)
        center = adopt(class_createInstance(g_NSNotificationCenter, 0));
    return center;
}

void addObserver(id self, SEL, id observer, SEL selector, id name, id object)
{
    if (!observer || !selector || (name && !foundation::isString(name))) {
        CFLog(kCFLogLevelError, "NSNotificationCenter: refused an observer without an object or selector, or with a name that is not a string");
        return;
    }
    asNSNotificationCenter(self)->observations.push_back({ observer, selector, static_cast<NSString*>(name), object });
}

void removeObserver(id self, SEL, id observer)
{
    std::erase_if(asNSNotificationCenter(self)->observations, [observer](const auto& observation) { return observation.observer == observer; });
}

void post(id self, NSNotification* notification)
{
    // A copy: an observer may add or remove observers while it runs.
    auto const observations = asNSNotificationCenter(self)->observations;
    for (auto const& observation : observations) {
        if (observation.name && (!notification->name || observation.name->value != notification->name->value))
            continue;
        if (observation.object && observation.object != notification->object.get())
            continue;
        send(observation.observer, observation.selector, static_cast<id>(notification));
    }
}

void postNotificationName(id self, SEL, id name, id object, id userInfo)
{
    if (!foundation::isString(name))
        return;
    auto notification = adopt(static_cast<NSNotification*>(class_createInstance(g_NSNotification, 0)));
    notification->name = static_cast<NSString*>(name);
    notification->object = object;
    if (foundation::isKindOf(userInfo, foundation::NSDictionaryClass()))
        notification->userInfo = static_cast<NSDictionary*>(userInfo);
    post(self, notification.get());
}

void postNotification(id self, SEL, id notification)
{
    if (foundation::isKindOf(notification, g_NSNotification))
        post(self, static_cast<NSNotification*>(notification));
}

id notificationName(id self, SEL) { return static_cast<NSNotification*>(self)->name; }
id notificationObject(id self, SEL) { return static_cast<NSNotification*>(self)->object; }
id notificationUserInfo(id self, SEL) { return static_cast<NSNotification*>(self)->userInfo; }

}

namespace notifications {

Class NSNotificationCenterClass() { return g_NSNotificationCenter; }
Class NSNotificationClass() { return g_NSNotification; }

void resetDefaultCenter()
{
    defaultCenterObject() = nullptr;
}

void registerNSNotificationCenter()
{
    if (g_NSNotificationCenter)
        return;
    g_NSNotificationCenter = runtime::defineClass("NSNotificationCenter", foundation::NSObjectClass(), runtime::makeInstance<NSNotificationCenter>);
    addClassMethod(g_NSNotificationCenter, "defaultCenter"_sel, defaultCenter);
    addMethod(g_NSNotificationCenter, "addObserver:selector:name:object:"_sel, addObserver);
    addMethod(g_NSNotificationCenter, "removeObserver:"_sel, removeObserver);
    addMethod(g_NSNotificationCenter, "postNotificationName:object:userInfo:"_sel, postNotificationName);
    addMethod(g_NSNotificationCenter, "postNotification:"_sel, postNotification);
    g_NSNotification = runtime::defineClass("NSNotification", foundation::NSObjectClass(), runtime::makeInstance<NSNotification>);
    addMethod(g_NSNotification, "name"_sel, notificationName);
    addMethod(g_NSNotification, "object"_sel, notificationObject);
    addMethod(g_NSNotification, "userInfo"_sel, notificationUserInfo);
}

}

#include "CFNotificationCenter.h"
#include "NotificationCenter.h"
#include "Suspension.h"

#include <optional>

namespace {

std::optional<std::string> observedName(CFStringRef name)
{
    if (!name)
        return std::nullopt;
    return name->value;
}

}

CFNotificationCenterRef CFNotificationCenterGetDarwinNotifyCenter()
{
    return &notifications::NotificationCenter::darwin();
}

CFNotificationCenterRef CFNotificationCenterGetDistributedCenter()
{
    return &notifications::NotificationCenter::distributed();
}

CFNotificationCenterRef CFNotificationCenterGetLocalCenter()
{
    return &notifications::NotificationCenter::local();
}

void CFNotificationCenterAddObserver(CFNotificationCenterRef center, const void* observer, CFNotificationCallback callback, CFStringRef name,
    const void* object, CFNotificationSuspensionBehavior suspensionBehavior)
{
    if (auto* known = notifications::NotificationCenter::from(center))
        known->addObserver(observer, callback, observedName(name), object, suspensionBehavior);
}

void CFNotificationCenterRemoveObserver(CFNotificationCenterRef center, const void* observer, CFStringRef name, const void* object)
{
    if (auto* known = notifications::NotificationCenter::from(center))
        known->removeObserver(observer, observedName(name), object);
}

void CFNotificationCenterPostNotification(CFNotificationCenterRef center, CFStringRef name, const void* object, CFDictionaryRef userInfo,
    bool deliverImmediately)
{
    auto* known = notifications::NotificationCenter::from(center);
    if (!known || !name)
        return;
    known->post(name->value, object, userInfo, deliverImmediately);
}

namespace notifications {

void setSuspended(bool suspended)
{
    Suspension::shared().setSuspended(suspended);
}

bool isSuspended()
{
    return Suspension::shared().isSuspended();
}

void resetCenters()
{
    NotificationCenter::darwin().reset();
    NotificationCenter::distributed().reset();
    NotificationCenter::local().reset();
    Suspension::shared().reset();
}

}

#include "LAActivator.h"
#include "LAEvent.h"
#include "LAListener.h"

#include "foundation/NSArray.h"
#include "foundation/SystemLog.h"
#include "springboard/DeviceLock.h"
#include "uikit/UIApplication.h"

#include <algorithm>

LAActivator* LASharedActivator = nullptr;

namespace {

Class g_LAActivator;

LAActivator* asLAActivator(id self) { return static_cast<LAActivator*>(self); }

const std::string* stringValueOrNull(id object)
{
    if (!foundation::isKindOf(object, foundation::NSStringClass()))
        return nullptr;
    return &static_cast<NSString*>(object)->value;
}

const std::string* eventName(id event)
{
    if (!foundation::isKindOf(event, activator::LAEventClass()))
        return nullptr;
    return stringValueOrNull(static_cast<LAEvent*>(event)->name.get());
}

activator::ActivatorPreferences& preferences(LAActivator* activator)
{
    if (!activator->preferencesRead) {
        activator->preferences.read();
        activator->preferencesRead = true;
    }
    return activator->preferences;
}

id sharedInstance(id, SEL) { return LASharedActivator; }

// A fresh Activator: no listeners, the settings file not read yet.
void makeSharedActivator()
{
    LASharedActivator = static_cast<LAActivator*>(send<id>(send<id>(g_LAActivator, "alloc"_sel), "init"_sel));
}

void registerListener(id self, SEL, id listener, id name)
{
    auto const* listenerName = stringValueOrNull(name);
    if (!listenerName || !listener) {
        CFLog(kCFLogLevelError, "activator: refused a listener without a name or without an object");
        return;
    }
    auto* activator = asLAActivator(self);
    auto existing = std::find_if(activator->listeners.begin(), activator->listeners.end(), [&](auto const& entry) { return entry.first == *listenerName; });
    if (existing != activator->listeners.end())
        existing->second = listener;
    else
        activator->listeners.emplace_back(*listenerName, listener);
    if (!activator->loadFinished) {
        activator->registeredDuringLoad.push_back(*listenerName);
        return;
    }
    preferences(activator).markSeen({ *listenerName });
}

bool hasSeenListenerWithName(id self, SEL, id name)
{
    auto const* listenerName = stringValueOrNull(name);
    return listenerName && preferences(asLAActivator(self)).hasSeen(*listenerName);
}

void assignEvent(id self, SEL, id event, id listenerName)
{
    auto const* event_ = eventName(event);
    auto const* listener = stringValueOrNull(listenerName);
    if (!event_ || !listener) {
        CFLog(kCFLogLevelError, "activator: refused an assignment without an event name or a listener name");
        return;
    }
    preferences(asLAActivator(self)).assign(*event_, *listener);
}

void unassignEvent(id self, SEL, id event)
{
    auto const* event_ = eventName(event);
    if (!event_)
        return;
    preferences(asLAActivator(self)).unassign(*event_);
}

id assignedListenerNameForEvent(id self, SEL, id event)
{
    auto const* event_ = eventName(event);
    if (!event_)
        return nullptr;
    auto const listener = preferences(asLAActivator(self)).listenerForEvent(*event_);
    return listener ? NSString::make(*listener) : nullptr;
}

id listenerForName(id self, SEL, id name)
{
    auto const* listenerName = stringValueOrNull(name);
    if (!listenerName)
        return nullptr;
    for (auto const& [registered, listener] : asLAActivator(self)->listeners) {
        if (registered == *listenerName)
            return listener;
    }
    return nullptr;
}

id availableListenerNames(id self, SEL)
{
    NSArray* names = NSArray::array();
    for (auto const& entry : asLAActivator(self)->listeners)
        names->items.emplace_back(NSString::make(entry.first));
    return names;
}

id currentEventModeMethod(id, SEL) { return NSString::make(activator::currentEventMode()); }

// A listener that names its modes takes events in those alone.
bool takesEventsIn(id listener, id listenerName, NSString* mode)
{
    SEL const selector = "activator:requiresCompatibleEventModesForListenerWithName:"_sel;
    if (!mode || !send<bool>(listener, "respondsToSelector:"_sel, selector))
        return true;
    id modes = send<id>(listener, selector, static_cast<id>(LASharedActivator), listenerName);
    if (!foundation::isKindOf(modes, foundation::NSArrayClass()))
        return true;
    auto const& items = static_cast<NSArray*>(modes)->items;
    return std::any_of(items.begin(), items.end(), [&](const Strong<objc_object>& item) {
        auto const* name = stringValueOrNull(item.get());
        return name && *name == mode->value;
    });
}

void sendEventToListener(id self, SEL, id event)
{
    auto const* name = eventName(event);
    if (!name)
        return;
    NSString* mode = static_cast<LAEvent*>(event)->mode.get();
    std::string const where = *name + " (" + (mode ? mode->value : "any mode") + ")";
    id listenerName = send<id>(self, "assignedListenerNameForEvent:"_sel, event);
    if (!listenerName) {
        CFLog(kCFLogLevelNotice, "activator: %s goes to no listener", where.c_str());
        return;
    }
    id listener = send<id>(self, "listenerForName:"_sel, listenerName);
    std::string const& listenerText = static_cast<NSString*>(listenerName)->value;
    if (!listener) {
        CFLog(kCFLogLevelNotice, "activator: %s is assigned to %s, which no library registered", where.c_str(), listenerText.c_str());
        return;
    }
    if (!takesEventsIn(listener, listenerName, mode)) {
        CFLog(kCFLogLevelNotice, "activator: %s is assigned to %s, which takes no events in this mode", where.c_str(), listenerText.c_str());
        return;
    }
    CFLog(kCFLogLevelNotice, "activator: %s goes to %s", where.c_str(), listenerText.c_str());
    if (send<bool>(listener, "respondsToSelector:"_sel, "activator:receiveEvent:"_sel))
        send(listener, "activator:receiveEvent:"_sel, self, event);
}

}

namespace activator {

Class LAActivatorClass() { return g_LAActivator; }

void registerLAActivator()
{
    g_LAActivator = runtime::defineClass("LAActivator", foundation::NSObjectClass(), runtime::makeInstance<LAActivator>);
    addClassMethod(g_LAActivator, "sharedInstance"_sel, sharedInstance);
    addMethod(g_LAActivator, "registerListener:forName:"_sel, registerListener);
    addMethod(g_LAActivator, "hasSeenListenerWithName:"_sel, hasSeenListenerWithName);
    addMethod(g_LAActivator, "assignEvent:toListenerWithName:"_sel, assignEvent);
    addMethod(g_LAActivator, "unassignEvent:"_sel, unassignEvent);
    addMethod(g_LAActivator, "assignedListenerNameForEvent:"_sel, assignedListenerNameForEvent);
    addMethod(g_LAActivator, "listenerForName:"_sel, listenerForName);
    addMethod(g_LAActivator, "availableListenerNames"_sel, availableListenerNames);
    addMethod(g_LAActivator, "currentEventMode"_sel, currentEventModeMethod);
    addMethod(g_LAActivator, "sendEventToListener:"_sel, sendEventToListener);
    makeSharedActivator();
}

void resetLAActivator()
{
    if (!g_LAActivator)
        return;
    objc_release(LASharedActivator);
    makeSharedActivator();
}

void finishLoading()
{
    auto* activator = LASharedActivator;
    if (!activator || activator->loadFinished)
        return;
    activator->loadFinished = true;
    auto& file = preferences(activator);
    file.markSeen(activator->registeredDuringLoad);
    activator->registeredDuringLoad.clear();
    file.startWriting();
}

std::vector<std::string> eventsAssignedTo(std::string_view listener)
{
    if (!LASharedActivator)
        return {};
    return preferences(LASharedActivator).eventsOfListener(listener);
}

std::string currentEventMode()
{
    if (springboard::isDeviceLocked())
        return kEventModeLockScreen;
    id shell = uikit::sharedApplication();
    SEL const front = "_accessibilityFrontMostApplication"_sel;
    if (shell && send<bool>(shell, "respondsToSelector:"_sel, front) && send<id>(shell, front))
        return kEventModeApplication;
    return kEventModeSpringBoard;
}

}

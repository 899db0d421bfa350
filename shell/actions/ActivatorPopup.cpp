// The listener class: its registration at load, the event handler, and the
// answers it gives Activator's settings about the two actions.
#include "ActivatorPopup.h"
#include "ListenerNames.h"

#include "activator/LAActivator.h"
#include "core/PanelState.h"
#include "core/ResourceBundle.h"
#include "core/Settings.h"
#include "core/SettingsReader.h"
#include "foundation/NSArray.h"
#include "foundation/SystemLog.h"
#include "uikit/UIImagePNGRepresentation.h"

namespace {

bool isListener(id name, const char* listenerName)
{
    return send<bool>(name, "isEqualToString:"_sel, static_cast<id>(NSString::make(listenerName)));
}

void registerInstance(Class cls, const char* listenerName)
{
    auto listener = adopt(send<id>(send<id>(cls, "alloc"_sel), "init"_sel));
    send(static_cast<id>(LASharedActivator), "registerListener:forName:"_sel, listener.get(), static_cast<id>(NSString::make(listenerName)));
}

// Only on the first load after installation: afterwards the user's choice,
// none included, stands.
void assignDefaultEvent(const char* listenerName, const char* eventName)
{
    id activator = LASharedActivator;
    id name = NSString::make(listenerName);
    if (send<bool>(activator, "hasSeenListenerWithName:"_sel, name))
        return;
    id event = send<id>(objc_getClass("LAEvent"), "eventWithName:"_sel, static_cast<id>(NSString::make(eventName)));
    send(activator, "assignEvent:toListenerWithName:"_sel, event, name);
}

void load(id self, SEL)
{
    Class cls = static_cast<Class>(self);
    registerInstance(cls, kToggleHiddenListenerName);
    registerInstance(cls, kPinCurrentAppListenerName);
    assignDefaultEvent(kToggleHiddenListenerName, kToggleHiddenDefaultEvent);
    assignDefaultEvent(kPinCurrentAppListenerName, kPinCurrentAppDefaultEvent);
}

id assignedListenerName(id activator, id event)
{
    return send<id>(activator, "assignedListenerNameForEvent:"_sel, event);
}

void receiveEvent(id, SEL, id activator, id event)
{
    NSLog("[Drawlet] activator:%@", assignedListenerName(activator, event));
    settings = readSettingsFile();
    tweakEnabled = settingsBool(settings.get(), "tweakEnabled");
    NSLog("[Drawlet] tweak is %@ and activator:%@", send<id>(settings.get(), "objectForKey:"_sel, static_cast<id>(NSSTR("tweakEnabled"))),
        assignedListenerName(activator, event));
    // Disabled, the event stays unhandled and does what it does without us.
    if (!tweakEnabled)
        return;
    if (isListener(assignedListenerName(activator, event), kPinCurrentAppListenerName))
        pinCurrentApp();
    else if (isListener(assignedListenerName(activator, event), kToggleHiddenListenerName))
        toggleHidden();
    send(event, "setHandled:"_sel, true);
}

id group(id, SEL, id, id) { return NSSTR("Drawlet"); }

id title(id, SEL, id, id name)
{
    if (isListener(name, kToggleHiddenListenerName))
        return NSSTR("Hide/Show Drawlet");
    if (isListener(name, kPinCurrentAppListenerName))
        return NSSTR("Pin Current App");
    return NSSTR("");
}

id description(id, SEL, id, id name)
{
    if (isListener(name, kToggleHiddenListenerName))
        return NSSTR("Shows or hides the grabber");
    if (isListener(name, kPinCurrentAppListenerName))
        return NSSTR("Pins the current app and goes home");
    return NSSTR("");
}

id compatibleEventModes(id, SEL, id, id)
{
    NSArray* modes = NSArray::array();
    for (auto const* mode : { "springboard", "lockscreen", "application" })
        modes->items.emplace_back(NSString::make(mode));
    return modes;
}

// The same small icon for every name and scale.
id iconData(id, SEL, id, id, double*)
{
    bundle = adopt(send<id>(send<id>(objc_getClass("NSBundle"), "alloc"_sel), "initWithPath:"_sel, static_cast<id>(NSSTR(kResourceBundlePath))));
    id path = send<id>(bundle.get(), "pathForResource:ofType:"_sel, static_cast<id>(NSSTR("icon-small")), static_cast<id>(NSSTR("png")));
    return UIImagePNGRepresentation(send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, path));
}

Class defineActivatorPopup()
{
    Class cls = objc_allocateClassPair(objc_getClass("NSObject"), "ActivatorPopup", 0);
    if (!cls)
        return objc_getClass("ActivatorPopup");
    addClassMethod(cls, "load"_sel, load);
    addMethod(cls, "activator:receiveEvent:"_sel, receiveEvent);
    addMethod(cls, "activator:requiresLocalizedGroupForListenerName:"_sel, group);
    addMethod(cls, "activator:requiresLocalizedTitleForListenerName:"_sel, title);
    addMethod(cls, "activator:requiresLocalizedDescriptionForListenerName:"_sel, description);
    addMethod(cls, "activator:requiresCompatibleEventModesForListenerWithName:"_sel, compatibleEventModes);
    addMethod(cls, "activator:requiresIconDataForListenerName:scale:"_sel, iconData);
    addMethod(cls, "activator:requiresSmallIconDataForListenerName:scale:"_sel, iconData);
    objc_registerClassPair(cls);
    return cls;
}

}

Class registerActivatorPopup()
{
    static Class cls = defineActivatorPopup();
    return cls;
}

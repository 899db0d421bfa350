// activator EVENT_NAME: the event happens, in the current event mode, and goes
// to its listener; unhandled, it does what it does without Activator (the
// short hold of the lock button locks). activator assign EVENT_NAME
// LISTENER_NAME and activator unassign EVENT_NAME change the assignments, as
// Activator's settings do.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "activator/ActivatorClasses.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"

namespace sim {

namespace {

id eventNamed(const std::string& name)
{
    return send<id>(activator::LAEventClass(), "eventWithName:"_sel, static_cast<id>(NSString::make(name)));
}

std::optional<VerbAction> assignAction(const Arguments& arguments, std::string* error)
{
    if (!expectArgumentCount(arguments, 3, "activator assign EVENT_NAME LISTENER_NAME", error) || !checkText("the event name", arguments[1], error)
        || !checkText("the listener name", arguments[2], error))
        return std::nullopt;
    return [event = arguments[1], listener = arguments[2]](ScriptContext&) {
        AutoreleasePool pool;
        id activator = LASharedActivator;
        id listenerName = NSString::make(listener);
        if (!send<id>(activator, "listenerForName:"_sel, listenerName))
            return VerbResult::failed("cannot assign " + event + ": no listener named " + listener + " is registered");
        send(activator, "assignEvent:toListenerWithName:"_sel, eventNamed(event), listenerName);
        systemlog::write(kCFLogLevelNotice, "drawlet-sim: " + event + " goes to " + listener);
        return VerbResult::done();
    };
}

std::optional<VerbAction> unassignAction(const Arguments& arguments, std::string* error)
{
    if (!expectArgumentCount(arguments, 2, "activator unassign EVENT_NAME", error) || !checkText("the event name", arguments[1], error))
        return std::nullopt;
    return [event = arguments[1]](ScriptContext&) {
        AutoreleasePool pool;
        send(static_cast<id>(LASharedActivator), "unassignEvent:"_sel, eventNamed(event));
        systemlog::write(kCFLogLevelNotice, "drawlet-sim: " + event + " goes to no listener");
        return VerbResult::done();
    };
}

}

Verb activatorVerb()
{
    static constexpr const char* usage = "activator EVENT_NAME";
    return { "activator", { usage, "activator assign EVENT_NAME LISTENER_NAME", "activator unassign EVENT_NAME" },
        [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
            if (!arguments.empty() && arguments[0] == "assign")
                return assignAction(arguments, error);
            if (!arguments.empty() && arguments[0] == "unassign")
                return unassignAction(arguments, error);
            if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the event name", arguments[0], error))
                return std::nullopt;
            return [event = arguments[0]](ScriptContext&) {
                activator::fireDeviceEvent(event);
                return VerbResult::done();
            };
        } };
}

}

#include "ApplicationLifecycle.h"

#include "AlertQueue.h"
#include "AppSwitcher.h"
#include "DeviceLock.h"
#include "SBApplication.h"
#include "SpringBoard.h"

#include "uikit/UIApplication.h"

#include <algorithm>

namespace springboard {

namespace {

struct LifecycleState {
    // The application told it only stops receiving events, until it hears
    // anything else.
    Strong<objc_object> eventsStopped;
    std::vector<std::string> recent;
};

LifecycleState& state()
{
    static LifecycleState shared;
    return shared;
}

id frontApplication()
{
    id shell = uikit::sharedApplication();
    if (!shell || !foundation::isKindOf(shell, SpringBoardClass()))
        return nullptr;
    return static_cast<SpringBoard*>(shell)->frontMostApplication.get();
}

void rememberRecent(id application)
{
    auto const* bundleIdentifier = static_cast<SBApplication*>(application)->bundleIdentifier.get();
    if (!bundleIdentifier)
        return;
    auto& recent = state().recent;
    std::erase(recent, bundleIdentifier->value);
    recent.insert(recent.begin(), bundleIdentifier->value);
}

void deactivate(id application)
{
    if (state().eventsStopped.get() == application)
        state().eventsStopped = nullptr;
    send(application, "willDeactivateForEventsOnly:"_sel, false);
}

}

void applicationCameToFront(id application, id previous)
{
    if (!application)
        return;
    bool const wasActive = previous == application && state().eventsStopped.get() != application;
    // Held: a replacement may change what the shell holds.
    Strong<objc_object> heldPrevious = previous;
    Strong<objc_object> heldApplication = application;
    if (previous && previous != application)
        deactivate(previous);
    rememberRecent(application);
    if (wasActive)
        return;
    if (state().eventsStopped.get() == application)
        state().eventsStopped = nullptr;
    send(application, "willActivate"_sel);
}

void applicationLeftFront(id previous)
{
    if (!previous)
        return;
    Strong<objc_object> held = previous;
    deactivate(previous);
}

void frontApplicationStopsReceivingEvents()
{
    Strong<objc_object> front = frontApplication();
    if (!front || state().eventsStopped.get() == front.get())
        return;
    state().eventsStopped = front;
    send(front.get(), "willDeactivateForEventsOnly:"_sel, true);
}

void frontApplicationMayReceiveEventsAgain()
{
    if (isDeviceLocked() || !queuedAlertHeaders().empty() || isAppSwitcherPresented())
        return;
    state().eventsStopped = nullptr;
}

std::vector<std::string> recentApplications()
{
    return state().recent;
}

void resetApplicationLifecycle()
{
    state() = {};
}

}

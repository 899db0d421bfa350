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

LifecycleState& lifecycleState()
{
    static LifecycleState shared;
    return shared;
}

id frontApplicationObject()
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
    auto& recent = lifecycleState().recent;
    std::erase(recent, bundleIdentifier->value);
    recent.insert(recent.begin(), bundleIdentifier->value);
}

void deactivate(id application)
{
    if (lifecycleState().eventsStopped.get() == application)
        lifecycleState().eventsStopped = nullptr;
    send(application, "willDeactivateForEventsOnly:"_sel, false);
}

}

void applicationCameToFront(id application, id previous)
{
    if (!application)
        return;
    bool const wasActive = previous == application && lifecycleState().eventsStopped.get() != application;
    // Held: a replacement may change what the shell holds.
    Strong<objc_object> heldPrevious = previous;
    Strong<objc_object> heldApplication = application;
    if (previous && previous != application)
        deactivate(previous);
    rememberRecent(application);
    if (wasActive)
        return;
    if (lifecycleState().eventsStopped.get() == application)
        lifecycleState().eventsStopped = nullptr;
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
    Strong<objc_object> front = frontApplicationObject();
    if (!front || lifecycleState().eventsStopped.get() == front.get())
        return;
    lifecycleState().eventsStopped = front;
    send(front.get(), "willDeactivateForEventsOnly:"_sel, true);
}

void frontApplicationMayReceiveEventsAgain()
{
    if (isDeviceLocked() || !queuedAlertHeaders().empty() || isAppSwitcherPresented())
        return;
    lifecycleState().eventsStopped = nullptr;
}

std::vector<std::string> recentApplications()
{
    return lifecycleState().recent;
}

void resetApplicationLifecycle()
{
    lifecycleState() = {};
}

}

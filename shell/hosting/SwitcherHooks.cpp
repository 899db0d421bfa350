// Application lifecycle and app-switcher hooks: the grabber gets out of the
// way while the switcher shows and while the pinned application is in front,
// and comes back when they leave.
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/Settings.h"
#include "core/SettingsReader.h"
#include "core/ShellMessages.h"
#include "hosting/RKVContextHostProvider.h"
#include "panel/PanelAnimation.h"

#include "foundation/NSBlock.h"
#include "foundation/SystemLog.h"

#include <functional>

namespace {

enum class Placement {
    Hidden,
    Shown,
};

// Off the right edge and transparent, or the grabber strip at W − 50 and
// opaque; the dimming is cleared either way. W is read when the block runs.
id placementBlock(Placement placement)
{
    return makeBlock([placement] {
        CGRect frame = send<CGRect>(window.get(), "frame"_sel);
        frame.origin.x = placement == Placement::Hidden ? offScreenWindowX() : closedWindowX();
        send(window.get(), "setFrame:"_sel, frame);
        send(bounds.get(), "setAlpha:"_sel, 0.0);
        send(window.get(), "setAlpha:"_sel, placement == Placement::Hidden ? 0.0 : 1.0);
    });
}

void animateTo(Placement placement, std::function<void()> completion)
{
    id done = makeCompletionBlock([completion = std::move(completion)](bool) { completion(); });
    send(objc_getClass("UIView"), "animateWithDuration:animations:completion:"_sel, kPanelSlideSeconds, placementBlock(placement), done);
}

void animateTo(Placement placement)
{
    send(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, kPanelSlideSeconds, placementBlock(placement));
}

bool isPinned(id bundleIdentifier)
{
    return send<bool>(bundleIdentifier, "isEqualToString:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
}

}

void replacement_SBDeckSwitcherViewController_viewDidAppear(id self, SEL selector, bool animated)
{
    if (isHidden) {
        NSLog("[Drawlet] is already hidden...");
    } else {
        NSLog("[Drawlet] setting hidden for the first time");
        animateTo(Placement::Hidden, [] {
            send(sharedHostProvider(), "stopHostingForBundleID:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
            setArrowImage("pointer_out");
            updateTweakSettings();
            isHidden = true;
        });
    }
    callPrevious(previous_SBDeckSwitcherViewController_viewDidAppear, self, selector, animated);
}

void replacement_SBDeckSwitcherViewController_animateDismissal(id self, SEL selector, id displayItem, id request, id completion)
{
    callPrevious(previous_SBDeckSwitcherViewController_animateDismissal, self, selector, displayItem, request, completion);
    id displayIdentifier = send<id>(displayItem, "displayIdentifier"_sel);
    NSLog("[Drawlet] displayItem: %@", displayIdentifier);
    // Leaving for anything but the pinned application brings the grabber back.
    if (currentHostedApplicationBundleIdentifier && !manuallyHidden && !isPinned(displayIdentifier))
        animateTo(Placement::Shown, [] { isHidden = false; });
}

void replacement_SBApplication_willActivate(id self, SEL selector)
{
    callPrevious(previous_SBApplication_willActivate, self, selector);
    id bundleIdentifier = send<id>(self, "bundleIdentifier"_sel);
    NSLog("[Drawlet] %@ willActivate!", bundleIdentifier);
    if (!tweakEnabled)
        return;
    // An application coming to the front over the open panel closes it
    // first; re-placing the grabber alone would leave the panel "open"
    // behind a grabber that looks closed, with its application still hosted.
    if (isActive) {
        id shell = sharedApplication();
        send(shell, "tapGrabber:"_sel, shell);
    }
    if (isPinned(bundleIdentifier)) {
        NSLog("[Drawlet] Hiding Drawlet!");
        send(badgeLabel.get(), "setHidden:"_sel, true);
        send(self, "setHidden:"_sel, true);
        return;
    }
    send(self, "setHidden:"_sel, isHidden);
}

void replacement_SBApplication_willDeactivateForEventsOnly(id self, SEL selector, bool eventsOnly)
{
    callPrevious(previous_SBApplication_willDeactivateForEventsOnly, self, selector, eventsOnly);
    if (!tweakEnabled || eventsOnly)
        return;
    id bundleIdentifier = send<id>(self, "bundleIdentifier"_sel);
    NSLog("[Drawlet] %@ willDeactivate eventsOnly: %@!", bundleIdentifier, yesOrNo(eventsOnly));
    if (!isPinned(bundleIdentifier))
        return;
    id front = frontMostApplication();
    if (isUnlocked && !manuallyHidden && !front) {
        NSLog("[Drawlet] Showing Drawlet!");
        send(self, "setHidden:"_sel, false);
    }
}

// Moves the grabber, not the application.
void added_SBApplication_setHidden(id, SEL, bool hidden)
{
    NSLog("[Drawlet] setting %@...", static_cast<id>(hidden ? NSSTR("hidden") : NSSTR("unhidden")));
    if (hidden) {
        if (isHidden) {
            NSLog("[Drawlet] is already hidden...");
        } else {
            NSLog("[Drawlet] setting hidden for the first time");
            animateTo(Placement::Hidden, [] {});
        }
    } else if (currentHostedApplicationBundleIdentifier) {
        animateTo(Placement::Shown);
    }
    isHidden = hidden;
}

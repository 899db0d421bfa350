// "Pin Current App" and "Hide/Show Drawlet": each works on the shared panel
// state and moves the overlay window with the panel's 0.3 s slides; the
// pinned application is loaded into the panel only when it next opens.
#include "ActivatorPopup.h"

#include "core/ClassCache.h"
#include "core/PanelState.h"
#include "core/ShellMessages.h"
#include "foundation/SystemLog.h"
#include "hosting/RKVContextHostProvider.h"
#include "panel/PanelAnimation.h"

namespace {

void stopHosting(id bundleIdentifier)
{
    send(sharedHostProvider(), "stopHostingForBundleID:"_sel, bundleIdentifier);
}

void showIconOfPinnedApplication()
{
    send(window.get(), "setHidden:"_sel, false);
    send(iconView.get(), "setImage:"_sel, static_cast<id>(nullptr));
    appIcon = adopt(send<id>(send<id>(SBApplicationIconClass.get(), "alloc"_sel), "initWithApplication:"_sel, app.get()));
    send(iconView.get(), "setImage:"_sel, send<id>(appIcon.get(), "getIconImage:"_sel, 1));
}

bool pinnedApplicationInFront()
{
    id front = frontMostApplication();
    return front && send<bool>(send<id>(front, "bundleIdentifier"_sel), "isEqualToString:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
}

// With the panel open, pinning lets go of the pinned application.
void unpin()
{
    slidePanel(offScreenWindowX, 0, [] {
        Strong<NSString> unpinned = currentHostedApplicationBundleIdentifier;
        currentHostedApplicationBundleIdentifier = nullptr;
        setApplicationView(nullptr);
        send(iconView.get(), "setImage:"_sel, static_cast<id>(nullptr));
        send(window.get(), "setHidden:"_sel, true);
        isHidden = true;
        // Nothing else will: the next close stops hosting nil, and the
        // application would go on drawing into a panel no one sees.
        stopHosting(unpinned.get());
        postStatusBarHidden(false);
    });
}

void moveGrabberToNewIcon()
{
    if (isHidden) {
        NSLog("[Drawlet] isHidden");
        showIconOfPinnedApplication();
        slidePanel(closedWindowX, 0, [] { isHidden = false; });
        return;
    }
    NSLog("[Drawlet] is Not Hidden");
    slidePanel(closedWindowX, 0, [] {
        // A tap opened the panel meanwhile: its slide has the window now, and
        // the grabber only takes the new icon.
        if (isActive) {
            showIconOfPinnedApplication();
            return;
        }
        slidePanel(offScreenWindowX, 0, [] {
            showIconOfPinnedApplication();
            isHidden = false;
            // The grabber shows the new icon rather than staying off the
            // screen while nothing has hidden it.
            if (!isActive && !isHidden && !manuallyHidden && !pinnedApplicationInFront())
                slidePanel(closedWindowX, 0, [] {});
        });
    });
}

}

void pinCurrentApp()
{
    manuallyHidden = false;
    if (isActive) {
        unpin();
        return;
    }
    id frontIdentifier = send<id>(frontMostApplication(), "bundleIdentifier"_sel);
    NSLog("[Drawlet] frontMost: %@ \t current: %@", frontIdentifier, currentHostedApplicationBundleIdentifier.get());
    if (!frontMostApplication() || send<bool>(frontIdentifier, "isEqualToString:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()))) {
        send(sharedApplication(), "_handleMenuButtonEvent"_sel);
        NSLog("[Drawlet] this app is already pinned...");
        return;
    }
    app = frontMostApplication();
    stopHosting(currentHostedApplicationBundleIdentifier.get());
    postStatusBarHidden(false);
    currentHostedApplicationBundleIdentifier = send<NSString*>(app.get(), "bundleIdentifier"_sel);
    postStatusBarHidden(true);
    NSLog("[Drawlet] Going home...");
    send(sharedApplication(), "_handleMenuButtonEvent"_sel);
    moveGrabberToNewIcon();
}

void toggleHidden()
{
    if (isHidden && currentHostedApplicationBundleIdentifier) {
        // The home screen in front is never the pinned application, even when
        // the shell does not know the pinned application (app nil).
        id front = frontMostApplication();
        if (front && front == app.get())
            return;
        manuallyHidden = false;
        send(window.get(), "setHidden:"_sel, false);
        slidePanel(closedWindowX, 0, [] {
            setApplicationView(nullptr);
            isHidden = false;
        });
        return;
    }
    if (isActive)
        return;
    manuallyHidden = true;
    slidePanel(offScreenWindowX, 0, [] {
        setApplicationView(nullptr);
        send(window.get(), "setHidden:"_sel, true);
        isHidden = true;
        stopHosting(currentHostedApplicationBundleIdentifier.get());
        postStatusBarHidden(false);
    });
}

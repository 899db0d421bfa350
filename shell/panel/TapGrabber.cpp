// A tap on the grabber (or on the open panel's window, a swipe, the home
// button) opens the closed panel and closes the open one.
#include "PanelAnimation.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "core/Settings.h"
#include "foundation/SystemLog.h"
#include "hosting/RKVContextHostProvider.h"

namespace {

void openPanel(id shell)
{
    send(shell, "loadAppInApplicationView:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
    postStatusBarHidden(true);
    send(window.get(), "setClipsToBounds:"_sel, false);
    auto const toOpen = [] { return kOpenWindowX; };
    slidePanel(toOpen, kOpenDimmingAlpha, [] {
        // Closed again before the slide ended: the closing slide finishes.
        if (!isActive)
            return;
        send(badgeLabel.get(), "setHidden:"_sel, true);
        setArrowImage("pointer_in");
        updateTweakSettings();
    });
}

void closePanel(id shell)
{
    Strong<objc_object> heldShell = shell;
    slidePanel(closedWindowX, 0, [heldShell] {
        // Opened again before the slide ended: nothing of this close may
        // touch the reopened panel.
        if (isActive)
            return;
        setArrowImage("pointer_out");
        updateTweakSettings();
        pressHomeWhenOnHomeScreen(heldShell.get());
        send(sharedHostProvider(), "stopHostingForBundleID:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
        postStatusBarHidden(false);
    });
}

}

void added_SpringBoard_tapGrabber(id self, SEL, id)
{
    NSLog("[Drawlet] tapGrabber");
    if (!isActive)
        openPanel(self);
    else
        closePanel(self);
    isActive = !isActive;
}

// The grabber's drag, hold and swipe: the panel follows a pull of the grabber
// and snaps open or closed at the release; a swipe closes the open panel.
#include "PanelAnimation.h"

#include "core/PanelState.h"
#include "core/Replacements.h"
#include "core/Settings.h"
#include "core/ShellMessages.h"
#include "core/ViewFrames.h"
#include "coregraphics/CGGeometry.h"
#include "foundation/NSBlock.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "hosting/RKVContextHostProvider.h"

#include <cmath>

namespace {

// UIGestureRecognizerState.
constexpr long kStateBegan = 1;
constexpr long kStateEnded = 3;
constexpr long kStateCancelled = 4;
constexpr long kStateFailed = 5;

constexpr float kDimmingCeiling = 0.8f;
constexpr double kBottomMargin = 70;

double screenWidth()
{
    return mainScreenBounds().size.width;
}

CGRect frameOf(id view)
{
    return send<CGRect>(view, "frame"_sel);
}

// The dimming follows how far the panel has moved from where the drag began:
// from 0 towards 0.8 when pulling a closed panel open, from 0.8 (capped)
// towards 0 when pushing an open one closed.
float fadeAlpha(double windowX)
{
    double const distance = windowX - firstX;
    double const span = std::trunc(screenWidth() - 50);
    double const percentage = !isActive ? distance * 100 / (0 - span) + 0 : distance * (0 - 100) / (span - 0) + 100;
    float const alpha = static_cast<float>(percentage / 100);
    return alpha > kDimmingCeiling ? kDimmingCeiling : alpha;
}

void animate(std::function<void()> changes)
{
    send(objc_getClass("UIView"), "animateWithDuration:animations:"_sel, kPanelSlideSeconds, static_cast<id>(makeBlock(std::move(changes))));
}

// The grabber is brought back within the panel's height.
void keepGrabberBesidePanel()
{
    if (frameOf(grabber.get()).origin.y < frameOf(applicationContainerView.get()).origin.y) {
        animate([] {
            setOriginY(grabber.get(), frameOf(applicationContainerView.get()).origin.y);
            send(grabber.get(), "setUserInteractionEnabled:"_sel, true);
        });
    }
    CGRect const grabberFrame = frameOf(grabber.get());
    CGRect const panel = frameOf(applicationContainerView.get());
    if (grabberFrame.origin.y > panel.origin.y + panel.size.height - kBottomMargin) {
        animate([] {
            CGRect const container = frameOf(applicationContainerView.get());
            setOriginY(grabber.get(), container.origin.y + container.size.height - frameOf(grabber.get()).size.height);
            send(grabber.get(), "setUserInteractionEnabled:"_sel, true);
        });
    }
}

void release(id shell, CGPoint translation)
{
    keepGrabberBesidePanel();

    // A release exactly on the middle closes the panel: of the two resting
    // states, the one that gives the screen back.
    double const end = firstX + translation.x;
    bool const open = end < screenWidth() / 2;
    double const targetX = open ? kOpenWindowX : closedWindowX();
    double const targetAlpha = open ? static_cast<double>(kDimmingCeiling) : 0;
    isActive = open;

    setArrowImage(isActive ? "pointer_in" : "pointer_out");
    if (!isActive)
        send(badgeLabel.get(), "setHidden:"_sel, true);
    updateTweakSettings();

    Strong<objc_object> heldShell = shell;
    auto const toTarget = [targetX] { return targetX; };
    slidePanel(toTarget, targetAlpha, [heldShell] {
        if (isActive)
            return;
        send(sharedHostProvider(), "stopHostingForBundleID:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
        // As the tap's close does, so no application keeps its status bar
        // hidden.
        postStatusBarHidden(false);
        pressHomeWhenOnHomeScreen(heldShell.get());
    });
}

}

void added_SpringBoard_pullGrabber(id self, SEL, id recognizer)
{
    CGPoint const translation = send<CGPoint>(recognizer, "translationInView:"_sel, send<id>(grabber.get(), "superview"_sel));
    long const state = send<long>(recognizer, "state"_sel);

    if (!isActive) {
        send(self, "loadAppInApplicationView:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
        send(sharedHostProvider(), "setStatusBarHidden:onApplicationWithBundleID:"_sel, static_cast<id>(NSNumber::numberWithInteger(1)),
            static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
    }
    if (state == kStateBegan) {
        firstX = static_cast<int32_t>(frameOf(window.get()).origin.x);
        firstY = static_cast<int32_t>(frameOf(grabber.get()).origin.y);
    }

    setOriginX(window.get(), firstX + translation.x);
    if (frameOf(window.get()).origin.x > frameOf(bounds.get()).size.width - 100)
        setOriginY(grabber.get(), firstY + translation.y);
    send(bounds.get(), "setAlpha:"_sel, static_cast<double>(fadeAlpha(frameOf(window.get()).origin.x)));

    // A drag the platform cancels or fails is released like an ended one, so
    // the panel never stays stranded mid-screen.
    if (state == kStateEnded || state == kStateCancelled || state == kStateFailed)
        release(self, translation);
}

void added_SpringBoard_holdGrabber(id, SEL, id)
{
}

void added_SpringBoard_handleSwipeFromLeft(id self, SEL, id)
{
    NSLog("[Drawlet] Swiped!");
    if (isActive)
        send(self, "tapGrabber:"_sel, self);
}

#include "SoakObservation.h"

#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBScene.h"
#include "frontboard/FBSceneHostView.h"
#include "springboard/AlertQueue.h"
#include "springboard/AppSwitcher.h"
#include "springboard/BulletinBanner.h"
#include "springboard/DeviceLock.h"
#include "springboard/OnScreenKeyboard.h"
#include "springboard/SBApplication.h"
#include "springboard/SBApplicationController.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/ScreenConversion.h"
#include "uikit/UIApplication.h"
#include "uikit/UIScreen.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewAnimator.h"

#include <cstdio>

namespace sim {

namespace {

// Drawlet puts both its windows just above the status bar.
constexpr UIWindowLevel kPanelWindowLevel = UIWindowLevelStatusBar + 1;

CGRect screenRect(const UIView* view)
{
    CGRect const frame = view->frame();
    CGPoint const origin = uikit::convertToScreen(view->superview, frame.origin);
    return CGRectMake(origin.x, origin.y, frame.size.width, frame.size.height);
}

void countHostViews(const UIView* view, PanelObservation* panel)
{
    for (auto const& subview : view->subviews) {
        if (foundation::isKindOf(subview.get(), frontboard::FBSceneHostViewClass())) {
            auto const* host = static_cast<const FBSceneHostView*>(subview.get());
            if (panel->hostViews++ == 0 && host->manager)
                panel->hostedApplication = host->manager->bundleIdentifier;
        }
        countHostViews(subview.get(), panel);
    }
}

PanelObservation observePanel(const PanelWindows& windows)
{
    PanelObservation panel;
    if (auto const* overlay = windows.overlay()) {
        panel.overlayKnown = true;
        panel.overlayHidden = overlay->hidden;
        panel.overlayFrame = overlay->frame();
        if (!overlay->subviews.empty())
            panel.grabber = screenRect(overlay->subviews[0].get());
        if (overlay->subviews.size() > 1)
            panel.container = screenRect(overlay->subviews[1].get());
        countHostViews(overlay, &panel);
    }
    if (auto const* dimming = windows.dimming()) {
        panel.dimmingKnown = true;
        panel.dimmingHidden = dimming->hidden;
        panel.dimmingAlpha = dimming->alpha;
    }
    return panel;
}

std::string frontApplication()
{
    id front = send<id>(uikit::sharedApplication(), "_accessibilityFrontMostApplication"_sel);
    if (!front || !foundation::isKindOf(front, springboard::SBApplicationClass()))
        return {};
    auto const* application = static_cast<SBApplication*>(front);
    return application->bundleIdentifier ? application->bundleIdentifier->value : std::string();
}

std::vector<std::string> installedApplications()
{
    std::vector<std::string> installed;
    auto const* controller = static_cast<SBApplicationController*>(send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel));
    if (!controller)
        return installed;
    for (auto const& application : controller->applications) {
        if (application->bundleIdentifier)
            installed.push_back(application->bundleIdentifier->value);
    }
    return installed;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (auto const& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text.empty() ? "none" : text;
}

std::string describeRect(CGRect rect)
{
    char text[96];
    std::snprintf(text, sizeof text, "{{%g, %g}, {%g, %g}}", rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    return text;
}

}

void PanelWindows::lookForWindows()
{
    for (auto* window : uikit::visibleWindowsBackToFront()) {
        if (window->windowLevel != kPanelWindowLevel)
            continue;
        // The overlay holds the grabber and the panel; the dimming window
        // holds nothing.
        if (!window->subviews.empty() && !m_overlay)
            m_overlay = window;
        else if (window->subviews.empty() && !m_dimming)
            m_dimming = window;
    }
}

DeviceObservation observeDevice(PanelWindows& windows)
{
    windows.lookForWindows();
    DeviceObservation observation;
    observation.screen = uikit::mainScreenBounds().size;
    observation.locked = springboard::isDeviceLocked();
    observation.alertButtons = springboard::shownAlertButtonTitles();
    observation.switcherShown = springboard::isAppSwitcherPresented();
    observation.keyboardShown = springboard::isKeyboardShown();
    observation.bannerShown = springboard::bannerWindow() != nullptr;
    observation.frontApplication = frontApplication();
    observation.installed = installedApplications();
    observation.running = frontboard::ApplicationProcesses::shared().runningBundleIdentifiers();
    observation.hostingEnabled = frontboard::applicationsWithHostingEnabled();
    observation.animating = uikit::ViewAnimator::shared().hasRunningAnimations();
    observation.panel = observePanel(windows);
    return observation;
}

std::string describeObservation(const DeviceObservation& observation)
{
    auto const& panel = observation.panel;
    char dimming[64];
    std::snprintf(dimming, sizeof dimming, "%s, alpha %g", panel.dimmingHidden ? "hidden" : "shown", panel.dimmingAlpha);
    std::string text;
    text += "  screen: " + describeRect(CGRectMake(0, 0, observation.screen.width, observation.screen.height)) + "\n";
    text += "  overlay window: " + (panel.overlayKnown ? std::string(panel.overlayHidden ? "hidden, " : "shown, ") + describeRect(panel.overlayFrame) : "not seen") + "\n";
    text += "  dimming window: " + (panel.dimmingKnown ? std::string(dimming) : "not seen") + "\n";
    text += "  host views in the panel: " + std::to_string(panel.hostViews) + (panel.hostedApplication.empty() ? "" : " (" + panel.hostedApplication + ")") + "\n";
    text += "  hosting enabled for: " + joined(observation.hostingEnabled) + "\n";
    text += "  front: " + (observation.frontApplication.empty() ? "the home screen" : observation.frontApplication) + "\n";
    text += "  running: " + joined(observation.running) + "\n";
    text += std::string("  locked: ") + (observation.locked ? "yes" : "no") + ", alert buttons: " + joined(observation.alertButtons)
        + ", switcher: " + (observation.switcherShown ? "shown" : "no") + ", keyboard: " + (observation.keyboardShown ? "up" : "down")
        + ", banner: " + (observation.bannerShown ? "shown" : "no") + ", animating: " + (observation.animating ? "yes" : "no") + "\n";
    return text;
}

}

#include "AppSwitcher.h"

#include "AppSwitcherLayout.h"
#include "ApplicationLifecycle.h"
#include "DeviceLock.h"
#include "SBAppSwitcherSnapshotView.h"
#include "SBApplicationController.h"
#include "SBDeckSwitcherViewController.h"
#include "SBDisplayItem.h"
#include "SBUIController.h"
#include "SharedInstances.h"
#include "ShellViews.h"
#include "SpringBoard.h"

#include "foundation/NSBlock.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "uikit/UIColor.h"
#include "uikit/UIGestureRecognizer.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"

#include <algorithm>
#include <cstdint>

namespace springboard {

namespace {

constexpr double kCardCornerRadius = 8;

enum class Phase {
    Hidden,
    Appearing,
    Shown,
    Dismissing,
};

struct Card {
    // Empty for the home screen.
    std::string bundleIdentifier;
    UIView* view = nullptr;
};

struct SwitcherState {
    Phase phase = Phase::Hidden;
    Strong<objc_object> controller;
    Strong<UIWindow> window;
    std::vector<Card> cards;
    // Each presentation and each dismissal starts a new one, so that the
    // end of an earlier fade finds itself stale.
    uint64_t generation = 0;
};

SwitcherState& switcherState()
{
    static SwitcherState shared;
    return shared;
}

void setShowingFlag(bool showing)
{
    if (auto* controller = static_cast<SBUIController*>(sharedInstanceOf(SBUIControllerClass())))
        controller->appSwitcherShowing = showing;
}

std::string displayIdentifierOf(const Card& card)
{
    return card.bundleIdentifier.empty() ? kHomeScreenDisplayIdentifier : card.bundleIdentifier;
}

std::string applicationName(const std::string& bundleIdentifier)
{
    if (bundleIdentifier.empty())
        return "Home Screen";
    id controller = sharedInstanceOf(SBApplicationControllerClass());
    auto* application = static_cast<SBApplication*>(send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSString::make(bundleIdentifier))));
    if (application && application->displayName)
        return application->displayName->value;
    return bundleIdentifier;
}

// The home screen, then the running applications: those that have been in
// front, the latest first, then the others in the order of their identifiers.
std::vector<std::string> cardTargets()
{
    auto const running = frontboard::ApplicationProcesses::shared().runningBundleIdentifiers();
    std::vector<std::string> targets { std::string() };
    for (auto const& recent : recentApplications()) {
        if (std::find(running.begin(), running.end(), recent) != running.end())
            targets.push_back(recent);
    }
    for (auto const& identifier : running) {
        if (std::find(targets.begin(), targets.end(), identifier) == targets.end())
            targets.push_back(identifier);
    }
    return targets;
}

void animateSwitcher(double seconds, std::function<void()> changes, std::function<void()> completion)
{
    id block = makeBlock(std::move(changes));
    id done = makeCompletionBlock([completion = std::move(completion)](bool) { completion(); });
    send(uikit::UIViewClass(), "animateWithDuration:animations:completion:"_sel, seconds, block, done);
}

UIView* addCard(UIView* root, CGRect frame, const std::string& bundleIdentifier)
{
    UIColor* white = UIColor::make(1, 1, 1, 1);
    CGRect const nameFrame { { frame.origin.x - 6, frame.origin.y - kSwitcherNameHeight - 4 }, { frame.size.width + 12, kSwitcherNameHeight } };
    addLabel(root, nameFrame, applicationName(bundleIdentifier), { 13, false, white });

    id card = send<id>(send<id>(SBAppSwitcherSnapshotViewClass(), "alloc"_sel), "initWithFrame:"_sel, frame);
    static_cast<SBAppSwitcherSnapshotView*>(card)->displayItem = makeDisplayItem(bundleIdentifier);
    send(card, "setBackgroundColor:"_sel, static_cast<id>(UIColor::make(0, 0, 0, 1)));
    send(card, "setClipsToBounds:"_sel, true);
    send(send<id>(card, "layer"_sel), "setCornerRadius:"_sel, kCardCornerRadius);
    send(static_cast<id>(root), "addSubview:"_sel, card);
    objc_release(card);
    addRecognizer(static_cast<UIView*>(card), uikit::UITapGestureRecognizerClass(), sharedInstanceOf(SBUIControllerClass()), "_handleSwitcherCardTap:"_sel);
    return static_cast<UIView*>(card);
}

// The window and its cards, laid out for the screen as it is now.
void buildWindow(SwitcherState& shared, std::vector<std::string> const& targets)
{
    shared.window = makeShellWindow(kAppSwitcherWindowLevel);
    CGSize const screen = uikit::mainScreenBounds().size;
    UIView* root = addView(shared.window.get(), { { 0, 0 }, screen }, UIColor::make(0.05, 0.06, 0.08, 0.92));
    send(shared.controller.get(), "setView:"_sel, static_cast<id>(root));
    auto const frames = switcherCardFrames(screen, targets.size());
    shared.cards.clear();
    for (size_t index = 0; index < targets.size() && index < frames.size(); ++index)
        shared.cards.push_back({ targets[index], addCard(root, frames[index], targets[index]) });
}

std::vector<std::string> targetsOf(const std::vector<Card>& cards)
{
    std::vector<std::string> targets;
    targets.reserve(cards.size());
    for (auto const& card : cards)
        targets.push_back(card.bundleIdentifier);
    return targets;
}

std::string cardList()
{
    std::string list;
    for (auto const& card : switcherState().cards)
        list += (list.empty() ? "" : ", ") + displayIdentifierOf(card);
    return list;
}

bool hasCard(const std::string& bundleIdentifier)
{
    auto const& cards = switcherState().cards;
    return std::any_of(cards.begin(), cards.end(), [&](const Card& card) { return card.bundleIdentifier == bundleIdentifier; });
}

void finishDismissal()
{
    auto& shared = switcherState();
    if (shared.window)
        send(static_cast<id>(shared.window.get()), "setHidden:"_sel, true);
    uint64_t const generation = shared.generation;
    shared = {};
    shared.generation = generation;
    setShowingFlag(false);
    frontApplicationMayReceiveEventsAgain();
}

}

bool presentAppSwitcher(std::string* error)
{
    auto& shared = switcherState();
    if (isDeviceLocked()) {
        *error = "the phone is locked";
        return false;
    }
    if (isAppSwitcherPresented()) {
        *error = "the switcher is already showing";
        return false;
    }
    // Opened again while the last one fades out: that one goes at once (its
    // completion still runs when its fade would have ended).
    if (shared.phase == Phase::Dismissing && shared.window) {
        send(static_cast<id>(shared.window.get()), "setHidden:"_sel, true);
        shared.window = nullptr;
    }
    shared.controller = adopt(send<id>(send<id>(SBDeckSwitcherViewControllerClass(), "alloc"_sel), "init"_sel));
    shared.phase = Phase::Appearing;
    uint64_t const generation = ++shared.generation;
    buildWindow(shared, cardTargets());
    setShowingFlag(true);
    systemlog::write(kCFLogLevelNotice, "springboard: the app switcher opens with " + cardList());

    Strong<UIWindow> window = shared.window;
    send(static_cast<id>(window.get()), "setAlpha:"_sel, 0.0);
    send(static_cast<id>(window.get()), "setHidden:"_sel, false);
    frontApplicationStopsReceivingEvents();
    auto const fadeIn = [window] { send(static_cast<id>(window.get()), "setAlpha:"_sel, 1.0); };
    animateSwitcher(kAppSwitcherFadeSeconds, fadeIn, [generation] {
        auto& current = switcherState();
        // Dismissed (or reset) while it faded in: it never appeared.
        if (current.generation != generation || current.phase != Phase::Appearing)
            return;
        current.phase = Phase::Shown;
        Strong<objc_object> controller = current.controller;
        send(controller.get(), "viewDidAppear:"_sel, true);
    });
    return true;
}

bool dismissAppSwitcher(const std::string& bundleIdentifier, std::string* error)
{
    if (isAppSwitcherPresented() && !hasCard(bundleIdentifier)) {
        *error = "no card shows " + bundleIdentifier + " (the cards: " + cardList() + ")";
        return false;
    }
    return openThroughAppSwitcher(bundleIdentifier, error);
}

bool openThroughAppSwitcher(const std::string& bundleIdentifier, std::string* error)
{
    auto& shared = switcherState();
    if (!isAppSwitcherPresented()) {
        *error = "the switcher is not showing";
        return false;
    }
    if (isDeviceLocked()) {
        *error = "the phone is locked";
        return false;
    }
    shared.phase = Phase::Dismissing;
    ++shared.generation;
    std::string target = bundleIdentifier;
    bool opened = true;
    if (!target.empty() && !openApplication(target, error)) {
        // It went away meanwhile: the switcher leaves for the home screen.
        systemlog::write(kCFLogLevelError, "springboard: the app switcher cannot open " + target + ": " + *error);
        target.clear();
        opened = false;
    }
    if (target.empty())
        showHomeScreen();
    std::string const displayIdentifier = target.empty() ? kHomeScreenDisplayIdentifier : target;
    systemlog::write(kCFLogLevelNotice, "springboard: the app switcher goes to " + displayIdentifier);

    Strong<objc_object> controller = shared.controller;
    id item = makeDisplayItem(target);
    id completion = makeBlock([displayIdentifier] { systemlog::write(kCFLogLevelNotice, "springboard: the app switcher has gone to " + displayIdentifier); });
    send(controller.get(), "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel, item, static_cast<id>(nullptr), completion);
    return opened;
}

bool isAppSwitcherPresented()
{
    auto const phase = switcherState().phase;
    return phase == Phase::Appearing || phase == Phase::Shown;
}

void animateAppSwitcherAway(id controller, id completion)
{
    auto& shared = switcherState();
    Strong<objc_object> heldCompletion = completion;
    if (!controller || shared.controller.get() != controller || !shared.window) {
        invokeBlock(completion);
        return;
    }
    // Sent by someone other than the switcher's own dismissal: it goes all the same.
    if (shared.phase != Phase::Dismissing) {
        shared.phase = Phase::Dismissing;
        ++shared.generation;
    }
    uint64_t const generation = shared.generation;
    Strong<UIWindow> window = shared.window;
    auto const fadeOut = [window] { send(static_cast<id>(window.get()), "setAlpha:"_sel, 0.0); };
    animateSwitcher(kAppSwitcherFadeSeconds, fadeOut, [generation, heldCompletion] {
        if (switcherState().generation == generation && switcherState().phase == Phase::Dismissing)
            finishDismissal();
        invokeBlock(heldCompletion.get());
    });
}

void appSwitcherCardTapped(id recognizer)
{
    auto* tap = static_cast<UIGestureRecognizer*>(recognizer);
    if (tap->state != UIGestureRecognizerStateEnded || !isAppSwitcherPresented())
        return;
    for (auto const& card : switcherState().cards) {
        if (card.view != tap->view)
            continue;
        std::string const target = card.bundleIdentifier;
        std::string error;
        if (!dismissAppSwitcher(target, &error))
            systemlog::write(kCFLogLevelError, "springboard: the app switcher: " + error);
        return;
    }
}

void layOutAppSwitcher()
{
    auto& shared = switcherState();
    // Going away, it fades out as it is.
    if (!isAppSwitcherPresented() || !shared.window)
        return;
    send(static_cast<id>(shared.window.get()), "setHidden:"_sel, true);
    buildWindow(shared, targetsOf(shared.cards));
    send(static_cast<id>(shared.window.get()), "setHidden:"_sel, false);
}

void resetAppSwitcher()
{
    auto& shared = switcherState();
    if (shared.window)
        send(static_cast<id>(shared.window.get()), "setHidden:"_sel, true);
    uint64_t const generation = shared.generation + 1;
    shared = {};
    shared.generation = generation;
}

}

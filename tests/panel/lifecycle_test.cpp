// The grabber follows the app switcher and the pinned application in front:
// the switcher's controller and the applications get their messages through
// the runtime, as the shell sends them, with Drawlet's replacements in place.
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "foundation/NSBlock.h"
#include "frontboard/FBScene.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <algorithm>
#include <functional>

using namespace shelltest;
using namespace paneltest;

namespace {

constexpr double kShownX = 375 - 50;
constexpr double kHiddenX = 375;
constexpr const char* kPinned = "com.drawlet.demo.notes";

double windowAlpha() { return send<double>(window.get(), "alpha"_sel); }

// The lines logged since `from` lines had been.
std::vector<std::string> linesSince(size_t from)
{
    auto lines = drawletLines();
    return { lines.begin() + static_cast<long>(std::min(from, lines.size())), lines.end() };
}

SBApplication* application(const char* bundleIdentifier)
{
    id controller = send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel);
    return static_cast<SBApplication*>(send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSString::make(bundleIdentifier))));
}

void setFront(SBApplication* front)
{
    static_cast<SpringBoard*>(shell())->frontMostApplication = front;
}

// Notes pinned and hosted, Clock installed beside it.
void launch()
{
    springboard::registerClasses();
    springboard::installApplication(SBApplication::make("com.drawlet.demo.clock", "Clock"));
    launchPinnedShell();
}

Strong<objc_object> openSwitcher()
{
    auto controller = adopt(send<id>(send<id>(springboard::SBDeckSwitcherViewControllerClass(), "alloc"_sel), "init"_sel));
    send(controller.get(), "viewDidAppear:"_sel, true);
    return controller;
}

void expectShown(bool shown)
{
    EXPECT_EQ(isHidden, !shown);
    EXPECT_DOUBLE_EQ(windowX(), shown ? kShownX : kHiddenX);
    EXPECT_DOUBLE_EQ(windowAlpha(), shown ? 1 : 0);
    EXPECT_DOUBLE_EQ(send<double>(bounds.get(), "alpha"_sel), 0);
}

// The switcher opens, then leaves for `displayIdentifier` after `arrange`.
void expectDismissal(const std::string& displayIdentifier, bool grabberComesBack, const std::function<void()>& arrange = {})
{
    AutoreleasePool pool;
    launch();
    auto controller = openSwitcher();
    runFor(0.4);
    ASSERT_TRUE(isHidden);
    if (arrange)
        arrange();
    bool completed = false;
    send(controller.get(), "animateDismissalToDisplayItem:forTransitionRequest:withCompletion:"_sel,
        static_cast<id>(springboard::makeDisplayItem(displayIdentifier)), static_cast<id>(nullptr), static_cast<id>(makeBlock([&] { completed = true; })));
    EXPECT_TRUE(completed) << "the shell's own dismissal ran";
    EXPECT_EQ(drawletLines().back(), "[Drawlet] displayItem: " + (displayIdentifier.empty() ? std::string("com.apple.springboard") : displayIdentifier));
    runFor(0.4);
    expectShown(grabberComesBack);
}

}

FORKED_TEST(Switcher, OpeningSlidesTheGrabberAwayAndStopsHostingOnce)
{
    AutoreleasePool pool;
    launch();
    runFor(0.3);
    size_t const settingsReads = loggedLines("[Drawlet] updating preferecnes smallGrabber:NO customGrabberColor:NO\tcustomArrowColor:NO!");
    size_t const stops = loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes");
    auto controller = openSwitcher();
    EXPECT_EQ(drawletLines().back(), "[Drawlet] setting hidden for the first time");
    EXPECT_TRUE(static_cast<SBDeckSwitcherViewController*>(controller.get())->switcherVisible) << "the shell's own viewDidAppear: ran";

    // The single-precision 0.3 s is a little longer than the double 0.3.
    runFor(0.3);
    EXPECT_FALSE(isHidden);
    runFor(0.000001);
    expectShown(false);
    EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), stops + 1);
    EXPECT_TRUE(frontboard::sceneForApplication(kPinned)->settings->backgrounded);
    EXPECT_EQ(loggedLines("[Drawlet] updating preferecnes smallGrabber:NO customGrabberColor:NO\tcustomArrowColor:NO!"), settingsReads + 1);
    EXPECT_FALSE(isActive);

    size_t const before = drawletLines().size();
    openSwitcher();
    runFor(0.4);
    EXPECT_EQ(linesSince(before), std::vector<std::string> { "[Drawlet] is already hidden..." }) << "no hosting stopped, no settings read";
}

FORKED_TEST(Switcher, LeavingForTheHomeScreenBringsTheGrabberBack) { expectDismissal("", true); }
FORKED_TEST(Switcher, LeavingForAnotherApplicationBringsTheGrabberBack) { expectDismissal("com.drawlet.demo.clock", true); }
FORKED_TEST(Switcher, LeavingForThePinnedApplicationKeepsTheGrabberHidden) { expectDismissal(kPinned, false); }
FORKED_TEST(Switcher, AGrabberTheUserHidStaysHidden)
{
    expectDismissal("", false, [] { manuallyHidden = true; });
}
FORKED_TEST(Switcher, WithNothingPinnedTheGrabberStaysHidden)
{
    expectDismissal("", false, [] { currentHostedApplicationBundleIdentifier = nullptr; });
}

FORKED_TEST(Lifecycle, ThePinnedApplicationInFrontHidesTheGrabberAndItsBadge)
{
    AutoreleasePool pool;
    launch();
    send(badgeLabel.get(), "setHidden:"_sel, false);
    SBApplication* notes = application(kPinned);
    setFront(notes);
    size_t const before = drawletLines().size();
    send(static_cast<id>(notes), "willActivate"_sel);
    EXPECT_EQ(linesSince(before), (std::vector<std::string> { "[Drawlet] com.drawlet.demo.notes willActivate!", "[Drawlet] Hiding Drawlet!", "[Drawlet] setting hidden...", "[Drawlet] setting hidden for the first time" }));
    EXPECT_TRUE(isHidden) << "at once";
    EXPECT_TRUE(send<bool>(badgeLabel.get(), "isHidden"_sel));
    EXPECT_EQ(notes->activationCount, 1) << "the shell's own willActivate ran";
    runFor(0.4);
    expectShown(false);
}

FORKED_TEST(Lifecycle, GoingHomeFromThePinnedApplicationBringsTheGrabberBackBeforeThePressReturns)
{
    AutoreleasePool pool;
    launch();
    SBApplication* notes = application(kPinned);
    setFront(notes);
    send(static_cast<id>(notes), "willActivate"_sel);
    runFor(0.4);
    size_t const before = drawletLines().size();
    send(shell(), "_handleMenuButtonEvent"_sel);
    EXPECT_EQ(linesSince(before), (std::vector<std::string> { "[Drawlet] com.drawlet.demo.notes willDeactivate eventsOnly: NO!", "[Drawlet] Showing Drawlet!", "[Drawlet] setting unhidden..." }));
    EXPECT_FALSE(isHidden);
    runFor(0.4);
    expectShown(true);
    EXPECT_TRUE(send<bool>(badgeLabel.get(), "isHidden"_sel)) << "the badge waits for the next notification";
}

FORKED_TEST(Lifecycle, LeavingThePinnedApplicationForAnotherKeepsTheGrabberHidden)
{
    AutoreleasePool pool;
    launch();
    SBApplication* notes = application(kPinned);
    setFront(notes);
    send(static_cast<id>(notes), "willActivate"_sel);
    runFor(0.4);
    size_t const before = drawletLines().size();
    // Covered (the switcher, an alert, the lock screen): nothing to do.
    send(static_cast<id>(notes), "willDeactivateForEventsOnly:"_sel, true);
    setFront(application("com.drawlet.demo.clock"));
    send(static_cast<id>(notes), "willDeactivateForEventsOnly:"_sel, false);
    EXPECT_EQ(linesSince(before), std::vector<std::string> { "[Drawlet] com.drawlet.demo.notes willDeactivate eventsOnly: NO!" });
    runFor(0.4);
    expectShown(false);
}

FORKED_TEST(Lifecycle, WithTheTweakOffOnlyTheShellsOwnHandlingRuns)
{
    AutoreleasePool pool;
    launch();
    tweakEnabled = false;
    SBApplication* notes = application(kPinned);
    setFront(notes);
    size_t const before = drawletLines().size();
    send(static_cast<id>(notes), "willActivate"_sel);
    setFront(nullptr);
    send(static_cast<id>(notes), "willDeactivateForEventsOnly:"_sel, false);
    EXPECT_EQ(linesSince(before), std::vector<std::string> { "[Drawlet] com.drawlet.demo.notes willActivate!" });
    EXPECT_EQ(notes->activationCount, 1);
    EXPECT_EQ(notes->deactivationCount, 1);
    runFor(0.4);
    expectShown(true);
}

FORKED_TEST(Lifecycle, AnotherApplicationComingToTheFrontClosesTheOpenPanelFirst)
{
    AutoreleasePool pool;
    launch();
    send(shell(), "tapGrabber:"_sel, shell());
    runFor(0.4);
    ASSERT_TRUE(isActive);
    distributedPosts().clear();
    SBApplication* clock = application("com.drawlet.demo.clock");
    setFront(clock);
    size_t const before = drawletLines().size();
    send(static_cast<id>(clock), "willActivate"_sel);
    EXPECT_EQ(linesSince(before), (std::vector<std::string> { "[Drawlet] com.drawlet.demo.clock willActivate!", "[Drawlet] tapGrabber", "[Drawlet] setting unhidden..." }));
    EXPECT_FALSE(isActive);
    runFor(0.4);
    expectShown(true);
    EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), 1u);
    EXPECT_EQ(distributedPosts(), std::vector<std::string> { "com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=0" });
    EXPECT_EQ(static_cast<SpringBoard*>(shell())->homePressCount, 0) << "an application is in front: the closing does not go home";
}

FORKED_TEST(Lifecycle, ThePinnedApplicationComingToTheFrontFromTheOpenPanelClosesItAndHidesTheGrabber)
{
    AutoreleasePool pool;
    launch();
    send(shell(), "tapGrabber:"_sel, shell());
    runFor(0.4);
    SBApplication* notes = application(kPinned);
    setFront(notes);
    send(static_cast<id>(notes), "willActivate"_sel);
    EXPECT_FALSE(isActive);
    runFor(0.4);
    expectShown(false);
    EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), 1u);
    EXPECT_FALSE(frontboard::sceneForApplication(kPinned)->settings->backgrounded) << "the application in front keeps its scene in the foreground";
}

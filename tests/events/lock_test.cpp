// Locking releases the pinned application; the first unlock after
// installation shows the welcome alert once, keeping the user's settings; only
// the welcome alert's own answer acts on it.
#include "PanelFixture.h"
#include "foundation/PlistTestSupport.h"

#include "core/PanelState.h"
#include "core/Startup.h"
#include "foundation/SystemLog.h"
#include "frontboard/FBScene.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/AlertQueue.h"
#include "springboard/DeviceLock.h"
#include "springboard/SBApplication.h"
#include "springboard/SBUserNotificationAlert.h"
#include "springboard/SpringBoard.h"

#include <algorithm>
#include <filesystem>

using namespace shelltest;
using namespace paneltest;

namespace {

const std::string kShownPost = "com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=0";
const std::vector<std::string> kWelcome { "Drawlet" };

std::vector<std::string>& darwinPosts()
{
    static std::vector<std::string> posts;
    return posts;
}

void recordDarwin(CFNotificationCenterRef, void*, CFStringRef name, const void*, CFDictionaryRef)
{
    if (name->value.starts_with("com.apple.springboard."))
        darwinPosts().push_back(name->value);
}

// The shell as the loader leaves it: observers, then hooks, then launch.
void launchWithObservers(const std::string& settingsItems)
{
    registerObservers();
    CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr, recordDarwin, nullptr, nullptr,
        CFNotificationSuspensionBehaviorDeliverImmediately);
    launchShell(375, 667, settingsItems);
    distributedPosts().clear();
}

const std::string kPinned = "<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/><key>startupApp</key><string>com.drawlet.demo.notes</string>";

void lockAndUnlock()
{
    springboard::lockDevice();
    runFor(0);
    springboard::unlockDevice();
    runFor(0);
}

void expectLockReleasesThePinnedApplication(bool openFirst, bool pinned)
{
    AutoreleasePool pool;
    launchWithObservers(pinned ? kPinned : "<key>tweakEnabled</key><true/>");
    if (openFirst) {
        send(shell(), "tapGrabber:"_sel, shell());
        runFor(0.4);
        ASSERT_TRUE(isActive);
    }
    distributedPosts().clear();
    double const windowX = send<CGRect>(window.get(), "frame"_sel).origin.x;
    bool const activeBefore = isActive;

    // "lockstate" alone is only an announcement.
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSSTR("com.apple.springboard.lockstate"), nullptr, nullptr, true);
    runFor(0);
    EXPECT_TRUE(isUnlocked);
    EXPECT_TRUE(distributedPosts().empty());

    darwinPosts().clear();
    springboard::lockDevice();
    runFor(0);
    EXPECT_EQ(darwinPosts(), (std::vector<std::string> { "com.apple.springboard.lockstate", "com.apple.springboard.lockcomplete" }));
    EXPECT_EQ(loggedLines("[Drawlet] DEVICE LOCKED"), 1u);
    EXPECT_FALSE(isUnlocked);
    EXPECT_EQ(distributedPosts(), std::vector<std::string> { kShownPost }) << "the status bar is shown again, pinned or not";
    if (pinned) {
        EXPECT_EQ(loggedLines("[Drawlet] Stop hosting com.drawlet.demo.notes"), 1u);
        EXPECT_TRUE(frontboard::sceneForApplication("com.drawlet.demo.notes")->settings->backgrounded);
    }
    EXPECT_EQ(isActive, activeBefore) << "the panel's flags stay as they were";
    EXPECT_DOUBLE_EQ(send<CGRect>(window.get(), "frame"_sel).origin.x, windowX) << "and so does the window";
    EXPECT_EQ(currentHostedApplicationBundleIdentifier.get() != nullptr, pinned);

    darwinPosts().clear();
    springboard::unlockDevice();
    runFor(0);
    EXPECT_EQ(darwinPosts(), std::vector<std::string> { "com.apple.springboard.lockstate" });
    EXPECT_EQ(loggedLines("[Drawlet] DEVICE UNLOCKED"), 1u);
    EXPECT_TRUE(isUnlocked);
}

// Every type a property list holds, as the user's file may have it.
const std::string kUserSettings = "<key>tweakEnabled</key><true/>"
                                  "<key>name</key><string>Ünïcode text</string>"
                                  "<key>count</key><integer>-42</integer>"
                                  "<key>ratio</key><real>0.25</real>"
                                  "<key>when</key><date>2021-03-04T05:06:07Z</date>"
                                  "<key>blob</key><data>AAEC/w==</data>"
                                  "<key>list</key><array><string>a</string><integer>1</integer><false/></array>"
                                  "<key>nested</key><dict><key>inner</key><dict><key>deep</key><real>1.5</real></dict></dict>";

}

FORKED_TEST(DeviceLock, LockReleasesAnOpenPanelsApplication) { expectLockReleasesThePinnedApplication(true, true); }
FORKED_TEST(DeviceLock, LockReleasesAClosedPanelsApplication) { expectLockReleasesThePinnedApplication(false, true); }
FORKED_TEST(DeviceLock, LockWithNothingPinnedStillShowsTheStatusBar) { expectLockReleasesThePinnedApplication(false, false); }

FORKED_TEST(WelcomeAlert, FirstUnlockShowsItOnceAndKeepsEveryUserSetting)
{
    AutoreleasePool pool;
    launchWithObservers(kUserSettings);
    std::filesystem::permissions(settingsPath(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
    id before = send<id>(objc_getClass("NSDictionary"), "dictionaryWithContentsOfFile:"_sel, static_cast<id>(NSString::make(settingsPath())));

    lockAndUnlock();
    EXPECT_EQ(loggedLines("[Drawlet] Yay!! The File Exists! Has not launched before"), 1u);
    EXPECT_EQ(loggedLines("[Drawlet] display initial alert!"), 1u);
    EXPECT_EQ(springboard::queuedAlertHeaders(), kWelcome);
    auto* alert = static_cast<SBUserNotificationAlert*>(startupAlert.get());
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->defaultButtonTitle->value, "Open Settings");
    EXPECT_EQ(alert->alternateButtonTitle->value, "Got it!");

    // Every key, value and type comes back, with the one key added.
    auto expected = adopt(send<id>(before, "mutableCopy"_sel));
    send(expected.get(), "setObject:forKey:"_sel, static_cast<id>(NSNumber::numberWithBool(true)), static_cast<id>(NSSTR("hasBeenLaunchedBefore")));
    id after = send<id>(objc_getClass("NSDictionary"), "dictionaryWithContentsOfFile:"_sel, static_cast<id>(NSString::make(settingsPath())));
    EXPECT_TRUE(plisttest::sameValue(expected.get(), after));
    EXPECT_EQ(std::filesystem::status(settingsPath()).permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);

    springboard::answerAlertAtIndex(springboard::kAlternateButtonIndex);
    lockAndUnlock();
    EXPECT_EQ(loggedLines("[Drawlet] Yay!! The File Exists! Has launched before"), 1u);
    EXPECT_EQ(loggedLines("[Drawlet] display initial alert!"), 1u) << "shown once";
    EXPECT_TRUE(springboard::queuedAlertHeaders().empty());
}

FORKED_TEST(WelcomeAlert, AnUnreadableFileShowsItAtEveryUnlockAndStaysAsItWas)
{
    AutoreleasePool pool;
    std::string const garbage = "<?xml version=\"1.0\"?><plist><dict><key>tweakEnabled</key><true/>";
    launchWithObservers({});
    writeSettingsBytes(garbage);
    lockAndUnlock();
    springboard::answerAlertAtIndex(springboard::kAlternateButtonIndex);
    lockAndUnlock();
    EXPECT_EQ(loggedLines("[Drawlet] Yay!! The File Exists! Has not launched before"), 2u);
    EXPECT_EQ(loggedLines("[Drawlet] display initial alert!"), 2u);
    EXPECT_EQ(readFileBytes(settingsPath()), garbage);
}

FORKED_TEST(WelcomeAlert, OnlyItsOwnAnswerActsOnIt)
{
    AutoreleasePool pool;
    launchWithObservers(kPinned);
    // Another alert arrives while locked, so it shows before the welcome alert.
    springboard::lockDevice();
    springboard::postAlert("Low Battery", "10% of battery remaining", "OK", "Dismiss");
    springboard::unlockDevice();
    runFor(0);
    ASSERT_EQ(springboard::queuedAlertHeaders(), (std::vector<std::string> { "Low Battery", "Drawlet" }));
    Strong<SBUserNotificationAlert> welcome = static_cast<SBUserNotificationAlert*>(startupAlert.get());

    std::string error;
    ASSERT_TRUE(springboard::answerAlert("OK", &error)) << error;
    EXPECT_EQ(loggedLines("[Drawlet] view:<UIAlertView: \"Low Battery\">\tstartupAlert:<SBUserNotificationAlert: \"Drawlet\">"), 1u);
    EXPECT_EQ(loggedLines("[Drawlet] Open Drawlet Prefs"), 0u);
    EXPECT_EQ(startupAlert.get(), welcome.get()) << "the welcome alert still waits for its answer";
    EXPECT_EQ(springboard::queuedAlertHeaders(), kWelcome);

    ASSERT_TRUE(springboard::answerAlert("Got it!", &error)) << error;
    EXPECT_EQ(loggedLines("[Drawlet] Do nothing"), 1u);
    EXPECT_EQ(loggedLines("[Drawlet] Open Drawlet Prefs"), 0u);
    EXPECT_FALSE(startupAlert);
    EXPECT_EQ(welcome->clickCount, 1) << "the shell's own handling runs after Drawlet's";
    EXPECT_EQ(welcome->lastClickedButtonIndex, springboard::kAlternateButtonIndex);
}

FORKED_TEST(HomeButton, WhileLockedPassesThroughAndGoesNowhere)
{
    AutoreleasePool pool;
    launchWithObservers(kPinned);
    springboard::lockDevice();
    runFor(0);
    send(shell(), "_handleMenuButtonEvent"_sel);
    EXPECT_EQ(static_cast<SpringBoard*>(shell())->homePressCount, 0);
    std::string error;
    EXPECT_FALSE(springboard::openApplication("com.drawlet.demo.notes", &error));
    EXPECT_EQ(error, "the phone is locked");
}

// The application in front stays there under the lock screen and alerts: it
// hears once that it stops receiving events, and again only after it got them
// back; the grabber stays where it is.
FORKED_TEST(FrontApplication, LockAndAlertsOverItStopItsEventsOnce)
{
    AutoreleasePool pool;
    launchWithObservers(kPinned);
    id controller = send<id>(objc_getClass("SBApplicationController"), "sharedInstance"_sel);
    auto* notes = static_cast<SBApplication*>(send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSSTR("com.drawlet.demo.notes"))));
    static_cast<SpringBoard*>(shell())->frontMostApplication = notes;
    double const windowX = send<CGRect>(window.get(), "frame"_sel).origin.x;
    size_t const lines = drawletLines().size();

    springboard::lockDevice();
    springboard::postAlert("Low Battery", "20% of battery remaining", "OK", "");
    runFor(0.4);
    EXPECT_EQ(notes->deactivationCount, 1);
    EXPECT_TRUE(notes->lastDeactivationForEventsOnly);
    springboard::unlockDevice();
    springboard::answerAlertAtIndex(springboard::kDefaultButtonIndex);
    runFor(0);
    ASSERT_EQ(springboard::queuedAlertHeaders(), kWelcome);
    springboard::answerAlertAtIndex(springboard::kAlternateButtonIndex);
    runFor(0);
    EXPECT_EQ(notes->deactivationCount, 1) << "covered all along";

    springboard::postAlert("Low Battery", "10% of battery remaining", "OK", "");
    EXPECT_EQ(notes->deactivationCount, 2) << "events came back in between";
    EXPECT_TRUE(notes->lastDeactivationForEventsOnly);
    EXPECT_EQ(notes->activationCount, 0);
    runFor(0.4);
    EXPECT_DOUBLE_EQ(send<CGRect>(window.get(), "frame"_sel).origin.x, windowX);
    for (size_t at = lines; at < drawletLines().size(); ++at)
        EXPECT_EQ(drawletLines()[at].find("willDeactivate"), std::string::npos) << drawletLines()[at];
}

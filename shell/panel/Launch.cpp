// The panel is built when the shell finishes launching: the dimming and overlay
// windows, the grabber, the panel, the gesture recognizers and the keyboard
// observers; then the start-up application is pinned and loaded, or the
// overlay hidden.
#include "core/ClassCache.h"
#include "core/NotificationNames.h"
#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "core/Replacements.h"
#include "core/ResourceBundle.h"
#include "core/Settings.h"
#include "core/SettingsReader.h"
#include "core/ShellMessages.h"
#include "coregraphics/CGGeometry.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"
#include "uikit/UIWindow.h"

namespace {

// Just above the status bar.
constexpr double kOverlayWindowLevel = UIWindowLevelStatusBar + 1;

id color(const char* name)
{
    return send<id>(objc_getClass("UIColor"), sel_registerName(name));
}

id makeView(const char* className, CGRect frame)
{
    return objc_autorelease(send<id>(send<id>(objc_getClass(className), "alloc"_sel), "initWithFrame:"_sel, frame));
}

// Settings file missing: written with "tweakEnabled" true, and nothing else.
void createSettingsFile(NSString* path)
{
    NSLog("[Drawlet] Thanks for installing Drawlet; hasBeenLaunchedBefore: %@!", yesOrNo(settingsBool(settings.get(), "hasBeenLaunchedBefore")));
    NSLog("[Drawlet] gotta create the preference bundle");
    id empty = send<id>(objc_getClass("NSDictionary"), "dictionary"_sel);
    (void)send<bool>(empty, "writeToFile:atomically:"_sel, static_cast<id>(path), false);
    settings = readSettingsFile();
    send(settings.get(), "setObject:forKey:"_sel, static_cast<id>(NSNumber::numberWithBool(true)), static_cast<id>(NSSTR("tweakEnabled")));
    (void)send<bool>(settings.get(), "writeToFile:atomically:"_sel, static_cast<id>(path), true);
}

void autoPin()
{
    NSString* startupApp = settingsString(settings.get(), "startupApp");
    if (!settingsBool(settings.get(), "autoPinEnabled") || !startupApp || startupApp->value.empty())
        return;
    currentHostedApplicationBundleIdentifier = startupApp;
    postDistributedNotification(NSSTR(kCurrentHostedAppChangedNotification), kBundleIdentifierKey,
        static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
}

id makeWindow(CGRect frame)
{
    return makeView("UIWindow", frame);
}

void buildDimmingWindow(CGRect screen)
{
    bounds = makeWindow(CGRectMake(0, 0, screen.size.width, screen.size.height));
    send(bounds.get(), "setWindowLevel:"_sel, kOverlayWindowLevel);
    send(bounds.get(), "setBackgroundColor:"_sel, color("blackColor"));
    send(bounds.get(), "setAlpha:"_sel, 0.0);
    send(bounds.get(), "setUserInteractionEnabled:"_sel, true);
    send(bounds.get(), "setHidden:"_sel, false);
}

void buildOverlayWindow(CGRect screen)
{
    window = makeWindow(CGRectMake(screen.size.width - 50, 0, screen.size.width, screen.size.height));
    send(window.get(), "setHidden:"_sel, false);
    send(window.get(), "setWindowLevel:"_sel, kOverlayWindowLevel);
    send(window.get(), "setAlpha:"_sel, 1.0);
    send(window.get(), "setUserInteractionEnabled:"_sel, true);
    send(window.get(), "setClipsToBounds:"_sel, false);
}

void buildGrabber(CGRect screen)
{
    grabber = makeView("UIView", CGRectMake(26, screen.size.height - 100 - 25, 70, 25));
    send(grabber.get(), "setBackgroundColor:"_sel, color("whiteColor"));
    id layer = send<id>(grabber.get(), "layer"_sel);
    send(layer, "setCornerRadius:"_sel, 5.0);
    send(layer, "setShadowRadius:"_sel, 5.0);
    send(layer, "setShadowOpacity:"_sel, 0.5f);
    send(layer, "setShadowOffset:"_sel, CGSizeMake(0, 2));
    send(grabber.get(), "setClipsToBounds:"_sel, false);
    send(grabber.get(), "setUserInteractionEnabled:"_sel, true);
    send(window.get(), "addSubview:"_sel, grabber.get());
}

void buildGrabberContents(CGRect screen)
{
    bundle = adopt(send<id>(send<id>(objc_getClass("NSBundle"), "alloc"_sel), "initWithPath:"_sel, static_cast<id>(NSSTR(kResourceBundlePath))));
    id imagePath = send<id>(bundle.get(), "pathForResource:ofType:"_sel, static_cast<id>(NSSTR("pointer_out")), static_cast<id>(NSSTR("png")));
    NSLog("[Drawlet] imagePath: %@", imagePath);

    CGRect const grabberFrame = send<CGRect>(grabber.get(), "frame"_sel);
    grabberPointerImageView = makeView("UIImageView", CGRectMake(1, 0, 20, grabberFrame.size.height));
    send(grabberPointerImageView.get(), "setImage:"_sel, send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, imagePath));
    send(grabberPointerImageView.get(), "setContentMode:"_sel, 1l);
    send(grabber.get(), "addSubview:"_sel, grabberPointerImageView.get());

    iconView = makeView("UIImageView", CGRectMake(24, 2, 21, 21));
    send(iconView.get(), "setContentMode:"_sel, 1l);
    send(iconView.get(), "setClipsToBounds:"_sel, false);
    send(grabber.get(), "addSubview:"_sel, iconView.get());

    CGRect const iconFrame = send<CGRect>(iconView.get(), "frame"_sel);
    badgeLabel = makeView("UILabel", CGRectMake(iconFrame.size.width - 7, 0, 10, 10));
    send(badgeLabel.get(), "setBackgroundColor:"_sel, color("redColor"));
    send(badgeLabel.get(), "setTextColor:"_sel, color("whiteColor"));
    CGRect const badgeFrame = send<CGRect>(badgeLabel.get(), "frame"_sel);
    send(send<id>(badgeLabel.get(), "layer"_sel), "setCornerRadius:"_sel, badgeFrame.size.width / 2);
    send(badgeLabel.get(), "setClipsToBounds:"_sel, true);
    send(badgeLabel.get(), "setTextAlignment:"_sel, 1l);
    send(badgeLabel.get(), "setFont:"_sel, send<id>(objc_getClass("UIFont"), "systemFontOfSize:"_sel, 8.0));
    send(badgeLabel.get(), "setHidden:"_sel, true);
    send(iconView.get(), "addSubview:"_sel, badgeLabel.get());

    applicationContainerView = makeView("UIView", CGRectMake(53, 50, screen.size.width, screen.size.height - 100));
    send(applicationContainerView.get(), "setBackgroundColor:"_sel, color("whiteColor"));
    send(send<id>(applicationContainerView.get(), "layer"_sel), "setCornerRadius:"_sel, 10.0);
    send(applicationContainerView.get(), "setClipsToBounds:"_sel, true);
    send(window.get(), "addSubview:"_sel, applicationContainerView.get());
}

id makeRecognizer(const char* className, id target, SEL action)
{
    return objc_autorelease(send<id>(send<id>(objc_getClass(className), "alloc"_sel), "initWithTarget:action:"_sel, target, action));
}

void attachRecognizers(id shell)
{
    id pan = makeRecognizer("UIPanGestureRecognizer", shell, "pullGrabber:"_sel);
    send(pan, "setMinimumNumberOfTouches:"_sel, 1ul);
    send(pan, "setMaximumNumberOfTouches:"_sel, 1ul);
    send(grabber.get(), "addGestureRecognizer:"_sel, pan);
    send(grabber.get(), "addGestureRecognizer:"_sel, makeRecognizer("UITapGestureRecognizer", shell, "tapGrabber:"_sel));
    send(window.get(), "addGestureRecognizer:"_sel, makeRecognizer("UITapGestureRecognizer", shell, "tapGrabber:"_sel));
    id swipe = makeRecognizer("UISwipeGestureRecognizer", shell, "handleSwipeFromLeft:"_sel);
    send(swipe, "setDirection:"_sel, 1ul);
    send(window.get(), "addGestureRecognizer:"_sel, swipe);
    id hold = makeRecognizer("UILongPressGestureRecognizer", shell, "holdGrabber:"_sel);
    send(hold, "setMinimumPressDuration:"_sel, 1.0);
    send(grabber.get(), "addGestureRecognizer:"_sel, hold);
}

void observeKeyboard(id shell)
{
    id center = send<id>(objc_getClass("NSNotificationCenter"), "defaultCenter"_sel);
    send(center, "addObserver:selector:name:object:"_sel, shell, "noticeShowKeyboard:"_sel, static_cast<id>(NSSTR("UIKeyboardWillShowNotification")),
        static_cast<id>(nullptr));
    send(center, "addObserver:selector:name:object:"_sel, shell, "noticeHideKeyboard:"_sel, static_cast<id>(NSSTR("UIKeyboardWillHideNotification")),
        static_cast<id>(nullptr));
}

void pinStartupApplication(id shell)
{
    id controller = send<id>(SBApplicationControllerClass.get(), "sharedInstance"_sel);
    app = send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
    NSLog("[Drawlet] %@ badge: %@", currentHostedApplicationBundleIdentifier.get(), send<id>(app.get(), "badgeNumberOrString"_sel));
    appIcon = adopt(send<id>(send<id>(SBApplicationIconClass.get(), "alloc"_sel), "initWithApplication:"_sel, app.get()));
    send(iconView.get(), "setImage:"_sel, send<id>(appIcon.get(), "getIconImage:"_sel, 1));
    send(shell, "loadAppInApplicationView:"_sel, static_cast<id>(currentHostedApplicationBundleIdentifier.get()));
}

void hideOverlay(CGRect screen)
{
    isHidden = true;
    CGRect frame = send<CGRect>(window.get(), "frame"_sel);
    frame.origin.x = screen.size.width;
    send(window.get(), "setFrame:"_sel, frame);
    send(bounds.get(), "setAlpha:"_sel, 0.0);
    send(window.get(), "setHidden:"_sel, true);
}

}

void replacement_SpringBoard_applicationDidFinishLaunching(id self, SEL selector, id application)
{
    NSLog("[Drawlet] Loaded!");
    NSString* path = settingsFilePath();
    id fileManager = send<id>(objc_getClass("NSFileManager"), "defaultManager"_sel);
    if (!send<bool>(fileManager, "fileExistsAtPath:"_sel, static_cast<id>(path)))
        createSettingsFile(path);
    settings = readSettingsFile();
    tweakEnabled = settingsBool(settings.get(), "tweakEnabled");
    autoPin();
    isActive = false;
    isUnlocked = true;

    buildDimmingWindow(mainScreenBounds());
    buildOverlayWindow(mainScreenBounds());
    buildGrabber(mainScreenBounds());
    buildGrabberContents(mainScreenBounds());
    attachRecognizers(self);
    observeKeyboard(self);

    callPrevious(previous_SpringBoard_applicationDidFinishLaunching, self, selector, application);

    if (!tweakEnabled) {
        send(window.get(), "setHidden:"_sel, true);
        return;
    }
    NSString* pinned = currentHostedApplicationBundleIdentifier.get();
    if (pinned && !pinned->value.empty())
        pinStartupApplication(self);
    else
        hideOverlay(mainScreenBounds());
    loadPreferences();
}

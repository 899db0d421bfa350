// "Pin Current App" and "Hide/Show Drawlet" fired through the shell's
// Activator at the panel of a launched shell, in virtual time.
#include "PanelFixture.h"

#include "actions/ActivatorPopup.h"
#include "activator/ActivatorClasses.h"
#include "core/PanelState.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/DeviceLock.h"
#include "springboard/SpringBoardClasses.h"

#include <cairo.h>

#include <algorithm>
#include <filesystem>

using namespace shelltest;
using namespace paneltest;

namespace {

constexpr double kWidth = 375;
constexpr double kShownX = kWidth - 50;
// A little longer than a slide.
constexpr double kSlide = 0.35;

const std::string kHiddenPost = "com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=1";
const std::string kShownPost = "com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=0";

// A launched shell with the listener registered and its default events.
void launch(const std::string& settingsItems)
{
    launchShell(375, 667, settingsItems);
    registerActivatorPopup();
    activator::finishLoading();
    distributedPosts().clear();
}

void launchPinnedToNotes()
{
    launch("<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/><key>startupApp</key><string>com.drawlet.demo.notes</string>");
}

SpringBoard* springBoard() { return static_cast<SpringBoard*>(shell()); }

// Grid, with an icon of its own, brought to the front.
SBApplication* openGrid()
{
    SBApplication* grid = SBApplication::make("com.drawlet.demo.grid", "Grid");
    grid->iconImage = UIImage::make(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4));
    springboard::installApplication(grid);
    springBoard()->frontMostApplication = grid;
    return grid;
}

bool pin() { return activator::sendEvent(activator::kLockShortHoldEvent); }
bool toggle() { return activator::sendEvent(activator::kStatusBarDoubleTapEvent); }

std::string pinned() { return currentHostedApplicationBundleIdentifier ? currentHostedApplicationBundleIdentifier->value : "(none)"; }

// Whether the lines were logged in this order (others may come between).
bool loggedInOrder(const std::vector<std::string>& expected)
{
    auto const lines = drawletLines();
    auto at = lines.begin();
    for (auto const& line : expected) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end())
            return false;
        ++at;
    }
    return true;
}

}

FORKED_TEST(ActivatorActions, PinningTheApplicationInFrontLetsTheOldOneGoFirstGoesHomeAndPutsTheNewIconOnTheShownGrabber)
{
    AutoreleasePool pool;
    launchPinnedToNotes();
    SBApplication* grid = openGrid();
    ASSERT_FALSE(isHidden);

    EXPECT_TRUE(pin());
    runFor(0);
    EXPECT_TRUE(loggedInOrder({ "[Drawlet] activator:com.quillbrook.drawlet.pinCurrentApp",
        "[Drawlet] tweak is 1 and activator:com.quillbrook.drawlet.pinCurrentApp", "[Drawlet] frontMost: com.drawlet.demo.grid \t current: com.drawlet.demo.notes",
        "[Drawlet] Stop hosting com.drawlet.demo.notes", "[Drawlet] Going home...", "[Drawlet] is Not Hidden" }));
    EXPECT_EQ(distributedPosts(), (std::vector<std::string> { kShownPost, kHiddenPost })) << "the old application first, then the new one";
    EXPECT_EQ(pinned(), "com.drawlet.demo.grid");
    EXPECT_EQ(app.get(), grid);
    EXPECT_EQ(springBoard()->frontMostApplication.get(), nullptr) << "gone home";

    // To the shown place (where it was), then off the screen (a frame is
    // its slide's end at once), the icon swapped there, and back.
    runFor(kSlide);
    EXPECT_DOUBLE_EQ(windowX(), kWidth);
    EXPECT_NE(send<id>(iconView.get(), "image"_sel), static_cast<id>(grid->iconImage.get()));
    runFor(kSlide);
    EXPECT_EQ(send<id>(iconView.get(), "image"_sel), static_cast<id>(grid->iconImage.get()));
    EXPECT_FALSE(isHidden);
    EXPECT_DOUBLE_EQ(windowX(), kShownX) << "on its way back with the new icon";
    runFor(kSlide);
    EXPECT_DOUBLE_EQ(windowX(), kShownX);
    EXPECT_FALSE(isHiddenView(window.get()));
}

FORKED_TEST(ActivatorActions, PinningWithTheGrabberHiddenShowsItWithTheNewIcon)
{
    AutoreleasePool pool;
    launch("<key>tweakEnabled</key><true/>");
    ASSERT_TRUE(isHidden);
    SBApplication* grid = openGrid();

    // Whichever way it goes (the lifecycle handling of the application
    // leaving the front may show the grabber while home is pressed), it ends
    // on the screen with the new icon.
    EXPECT_TRUE(pin());
    runFor(3 * kSlide);
    EXPECT_FALSE(isHiddenView(window.get()));
    EXPECT_EQ(send<id>(iconView.get(), "image"_sel), static_cast<id>(grid->iconImage.get()));
    EXPECT_DOUBLE_EQ(windowX(), kShownX);
    EXPECT_FALSE(isHidden);
}

FORKED_TEST(ActivatorActions, PinningWithNothingNewInFrontOnlyGoesHome)
{
    AutoreleasePool pool;
    launchPinnedToNotes();
    long const pressesBefore = springBoard()->homePressCount;

    EXPECT_TRUE(pin()) << "the home screen in front";
    springBoard()->frontMostApplication = app.get();
    EXPECT_TRUE(pin()) << "the pinned application in front";
    EXPECT_EQ(springBoard()->homePressCount, pressesBefore + 2);
    auto const lines = drawletLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "[Drawlet] this app is already pinned..."), 2);
    EXPECT_EQ(lines.back(), "[Drawlet] this app is already pinned...") << "after the press";
    EXPECT_EQ(pinned(), "com.drawlet.demo.notes");
    EXPECT_TRUE(distributedPosts().empty());
}

FORKED_TEST(ActivatorActions, PinningWithThePanelOpenLetsThePinnedApplicationGo)
{
    AutoreleasePool pool;
    launchPinnedToNotes();
    send(shell(), "tapGrabber:"_sel, shell());
    runFor(kSlide);
    distributedPosts().clear();

    EXPECT_TRUE(pin());
    runFor(kSlide);
    EXPECT_EQ(pinned(), "(none)");
    EXPECT_EQ(applicationView.get(), nullptr);
    EXPECT_TRUE(isHiddenView(window.get()));
    EXPECT_TRUE(isHidden);
    EXPECT_TRUE(isActive) << "left as it was";
    EXPECT_EQ(drawletLines().back(), "[Drawlet] Stop hosting com.drawlet.demo.notes");
    EXPECT_EQ(distributedPosts(), std::vector<std::string> { kShownPost });

    // So the next press of home reaches the grabber instead of going home.
    send(shell(), "_handleMenuButtonEvent"_sel);
    EXPECT_EQ(drawletLines().back(), "[Drawlet] tapGrabber");
}

FORKED_TEST(ActivatorActions, HideAndShowKeepThePinnedApplicationAndLeaveAnOpenPanelAlone)
{
    AutoreleasePool pool;
    launchPinnedToNotes();

    EXPECT_TRUE(toggle());
    EXPECT_TRUE(manuallyHidden);
    runFor(kSlide);
    EXPECT_TRUE(isHidden);
    EXPECT_TRUE(isHiddenView(window.get()));
    EXPECT_DOUBLE_EQ(windowX(), kWidth);
    EXPECT_EQ(drawletLines().back(), "[Drawlet] Stop hosting com.drawlet.demo.notes");
    EXPECT_EQ(distributedPosts(), std::vector<std::string> { kShownPost });

    EXPECT_TRUE(toggle());
    EXPECT_FALSE(manuallyHidden);
    runFor(kSlide);
    EXPECT_FALSE(isHidden);
    EXPECT_FALSE(isHiddenView(window.get()));
    EXPECT_DOUBLE_EQ(windowX(), kShownX);
    EXPECT_EQ(pinned(), "com.drawlet.demo.notes");

    send(shell(), "tapGrabber:"_sel, shell());
    runFor(kSlide);
    EXPECT_TRUE(toggle()) << "handled, though it changes nothing";
    runFor(kSlide);
    EXPECT_DOUBLE_EQ(windowX(), 4);
    EXPECT_FALSE(manuallyHidden);
}

FORKED_TEST(ActivatorActions, ShowBringsBackTheGrabberOfAnApplicationTheShellDoesNotKnow)
{
    AutoreleasePool pool;
    launch("<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/><key>startupApp</key><string>com.example.unknown</string>");
    ASSERT_EQ(app.get(), nullptr);
    toggle();
    runFor(kSlide);
    ASSERT_TRUE(isHidden);

    toggle();
    runFor(kSlide);
    EXPECT_FALSE(isHidden) << "the home screen in front is not the pinned application";
    EXPECT_DOUBLE_EQ(windowX(), kShownX);
}

FORKED_TEST(ActivatorActions, WithDrawletOffTheEventIsLeftUnhandledSoTheShortHoldLocks)
{
    AutoreleasePool pool;
    launchPinnedToNotes();
    std::filesystem::remove(settingsPath());
    size_t const linesBefore = drawletLines().size();
    double const xBefore = windowX();

    activator::fireDeviceEvent(activator::kLockShortHoldEvent);
    auto const lines = drawletLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(linesBefore), lines.end()),
        (std::vector<std::string> { "[Drawlet] activator:com.quillbrook.drawlet.pinCurrentApp",
            "[Drawlet] tweak is (null) and activator:com.quillbrook.drawlet.pinCurrentApp" }));
    EXPECT_EQ(settings.get(), nullptr);
    EXPECT_FALSE(tweakEnabled);
    EXPECT_TRUE(springboard::isDeviceLocked()) << "as a press of the lock button does";
    runFor(kSlide);
    EXPECT_EQ(pinned(), "com.drawlet.demo.notes");
    EXPECT_DOUBLE_EQ(windowX(), xBefore);

    writeSettingsXML("<key>tweakEnabled</key><false/>");
    EXPECT_FALSE(toggle());
    EXPECT_EQ(drawletLines().back(), "[Drawlet] tweak is 0 and activator:com.quillbrook.drawlet.toggleHidden");
    EXPECT_FALSE(manuallyHidden);
}

FORKED_TEST(ActivatorActions, ASlideLastsTheSinglePrecisionThreeTenthsOfASecond)
{
    AutoreleasePool pool;
    launchPinnedToNotes();
    toggle();
    runFor(0.3);
    EXPECT_FALSE(isHidden) << "0.30000001192092896 s, not 0.3";
    runFor(0.00000002);
    EXPECT_TRUE(isHidden);
}

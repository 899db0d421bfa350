// The panel built when the shell finishes launching: views and their frames,
// recognizers, the first-launch settings file, and the three outcomes
// (disabled, pinned, nothing pinned).
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "core/Startup.h"
#include "foundation/DevicePath.h"
#include "foundation/NSString.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIGestureRecognizer.h"
#include "uikit/UIKit.h"

#include <filesystem>

using namespace shelltest;
using namespace paneltest;

namespace {

std::vector<std::string> pinNotifications()
{
    std::vector<std::string> pins;
    for (auto const& post : distributedPosts()) {
        if (post.starts_with("com.quillbrook.drawlet.currentHostedAppChanged"))
            pins.push_back(post);
    }
    return pins;
}

std::vector<std::string> recognizerClasses(id view)
{
    std::vector<std::string> names;
    for (auto const& recognizer : static_cast<UIView*>(view)->gestureRecognizers)
        names.push_back(class_getName(object_getClass(recognizer.get())));
    return names;
}

}

FORKED_TEST(PanelLaunch, FirstLaunchCreatesTheSettingsFileAndHidesTheOverlay)
{
    AutoreleasePool pool;
    launchShell(320, 568);
    auto const lines = drawletLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "[Drawlet] Loaded!");
    EXPECT_EQ(lines[1], "[Drawlet] Thanks for installing Drawlet; hasBeenLaunchedBefore: NO!");
    EXPECT_EQ(lines[2], "[Drawlet] gotta create the preference bundle");
    std::string const file = readFileBytes(settingsPath());
    EXPECT_NE(file.find("<key>tweakEnabled</key>"), std::string::npos) << file;
    EXPECT_EQ(file.find("<key>", file.find("<key>tweakEnabled</key>") + 1), std::string::npos) << "only tweakEnabled: " << file;
    EXPECT_TRUE(tweakEnabled);
    EXPECT_TRUE(isHidden);
    EXPECT_TRUE(isHiddenView(window.get()));
    EXPECT_EQ(frameOf(window.get()).origin.x, 320);
    EXPECT_TRUE(pinNotifications().empty());
}

// Each size in a process of its own: the hooks are installed once a process.
void expectConstruction(int width, int height)
{
    AutoreleasePool pool;
    launchShell(width, height);
    EXPECT_EQ(frameOf(grabber.get()), CGRectMake(26, height - 125, 70, 25)) << width;
    EXPECT_EQ(frameOf(applicationContainerView.get()), CGRectMake(53, 50, width, height - 100)) << width;
    EXPECT_EQ(frameOf(bounds.get()), CGRectMake(0, 0, width, height));
    EXPECT_EQ(frameOf(grabberPointerImageView.get()), CGRectMake(1, 0, 20, 25));
    EXPECT_EQ(frameOf(iconView.get()), CGRectMake(24, 2, 21, 21));
    EXPECT_EQ(frameOf(badgeLabel.get()), CGRectMake(14, 0, 10, 10));
    EXPECT_TRUE(isHiddenView(badgeLabel.get()));
    EXPECT_NE(send<id>(grabberPointerImageView.get(), "image"_sel), nullptr) << "the arrow comes from the resource bundle";
    EXPECT_EQ(recognizerClasses(grabber.get()),
        (std::vector<std::string> { "UIPanGestureRecognizer", "UITapGestureRecognizer", "UILongPressGestureRecognizer" }));
    EXPECT_EQ(recognizerClasses(window.get()), (std::vector<std::string> { "UITapGestureRecognizer", "UISwipeGestureRecognizer" }));
    EXPECT_EQ(send<double>(window.get(), "windowLevel"_sel), 1001);
    EXPECT_EQ(send<double>(bounds.get(), "alpha"_sel), 0);
}

FORKED_TEST(PanelLaunch, ViewsAndRecognizersOnA320By568Screen) { expectConstruction(320, 568); }
FORKED_TEST(PanelLaunch, ViewsAndRecognizersOnA375By667Screen) { expectConstruction(375, 667); }
FORKED_TEST(PanelLaunch, ViewsAndRecognizersOnA414By736Screen) { expectConstruction(414, 736); }

FORKED_TEST(PanelLaunch, AutoPinLoadsTheStartupApplicationWithTheOverlayAtRest)
{
    AutoreleasePool pool;
    launchShell(320, 568, "<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/><key>startupApp</key><string>com.drawlet.demo.notes</string>");
    EXPECT_EQ(pinNotifications(), std::vector<std::string> { "com.quillbrook.drawlet.currentHostedAppChanged bundleIdentifier=com.drawlet.demo.notes" });
    ASSERT_NE(currentHostedApplicationBundleIdentifier.get(), nullptr);
    EXPECT_EQ(currentHostedApplicationBundleIdentifier->value, "com.drawlet.demo.notes");
    EXPECT_NE(app.get(), nullptr);
    EXPECT_NE(appIcon.get(), nullptr);
    ASSERT_NE(applicationView.get(), nullptr);
    EXPECT_EQ(send<id>(applicationView.get(), "superview"_sel), applicationContainerView.get());
    EXPECT_FALSE(isHidden);
    EXPECT_FALSE(isHiddenView(window.get()));
    EXPECT_EQ(frameOf(window.get()).origin.x, 270);
    EXPECT_FALSE(isActive);
}

FORKED_TEST(PanelLaunch, AnEmptyStartupAppPinsNothing)
{
    AutoreleasePool pool;
    launchShell(320, 568, "<key>tweakEnabled</key><true/><key>autoPinEnabled</key><true/><key>startupApp</key><string></string>");
    EXPECT_TRUE(pinNotifications().empty());
    EXPECT_EQ(currentHostedApplicationBundleIdentifier.get(), nullptr);
    EXPECT_TRUE(isHidden);
}

FORKED_TEST(PanelLaunch, ADisabledTweakAnnouncesThePinButLoadsNothing)
{
    AutoreleasePool pool;
    launchShell(320, 568, "<key>tweakEnabled</key><false/><key>autoPinEnabled</key><true/><key>startupApp</key><string>com.drawlet.demo.notes</string>");
    EXPECT_EQ(pinNotifications().size(), 1u);
    EXPECT_TRUE(isHiddenView(window.get()));
    EXPECT_EQ(applicationView.get(), nullptr);
    EXPECT_EQ(frameOf(window.get()).origin.x, 270) << "hidden at its rest position";
}

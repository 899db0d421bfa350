// The grabber's layout and colours as the settings file describes them.
#include "ShellFixture.h"

#include "core/PanelState.h"
#include "core/Settings.h"
#include "uikit/UIColor.h"

#include <vector>

using namespace shelltest;

namespace {

struct Layout {
    double grabberX;
    double iconX;
    bool iconHidden;
    bool arrowHidden;
};

void expectLayout(Layout expected)
{
    EXPECT_EQ(frameOf(grabber).origin.x, expected.grabberX);
    EXPECT_EQ(frameOf(iconView).origin.x, expected.iconX);
    EXPECT_EQ(isHiddenView(iconView), expected.iconHidden);
    EXPECT_EQ(isHiddenView(grabberPointerImageView), expected.arrowHidden);
    // Only the origin x moves; the rest of each frame stays.
    EXPECT_EQ(frameOf(grabber).origin.y, 667 - 125);
    EXPECT_EQ(frameOf(grabber).size, CGSizeMake(70, 25));
    EXPECT_EQ(frameOf(iconView).origin.y, 2);
    EXPECT_EQ(frameOf(iconView).size, CGSizeMake(21, 21));
}

void applySettings(const std::string& items)
{
    writeSettingsXML(items);
    AutoreleasePool pool;
    updateTweakSettings();
}

}

FORKED_TEST(GrabberLayout, NormalGrabberShowsArrowAndIconWhateverIconOnlySays)
{
    setUpShellProcess();
    buildGrabberViews();
    applySettings("<key>smallGrabber</key><false/>");
    expectLayout({ 0, 24, false, false });
    applySettings("<key>smallGrabber</key><false/><key>iconOnly</key><true/>");
    expectLayout({ 0, 24, false, false });
}

FORKED_TEST(GrabberLayout, SmallGrabberShowsTheArrowOnly)
{
    setUpShellProcess();
    buildGrabberViews();
    applySettings("<key>smallGrabber</key><true/>");
    expectLayout({ 26, 24, true, false });
}

FORKED_TEST(GrabberLayout, SmallIconOnlyGrabberShowsTheIconAtTheEdge)
{
    setUpShellProcess();
    buildGrabberViews();
    applySettings("<key>smallGrabber</key><true/><key>iconOnly</key><true/>");
    expectLayout({ 26, 2, false, true });
    // Back to the normal grabber: the arrow returns and the icon moves back.
    applySettings("<key>smallGrabber</key><false/><key>iconOnly</key><true/>");
    expectLayout({ 0, 24, false, false });
}

FORKED_TEST(GrabberColours, DefaultsAreAWhiteGrabberAndABlackTemplateArrow)
{
    setUpShellProcess();
    buildGrabberViews();
    applySettings("<key>useCustomArrowColor</key><false/><key>customArrowColor</key><string>#FF0000</string>");
    EXPECT_TRUE(colorIs(backgroundColorOf(grabber), 1, 1, 1));
    EXPECT_TRUE(colorIs(tintColorOf(grabberPointerImageView), 0, 0, 0));
    EXPECT_EQ(arrowRenderingMode(), 2) << "the arrow is a template even without a custom colour";
}

FORKED_TEST(GrabberColours, CustomColoursApplyWhenTheirSwitchesAreOn)
{
    setUpShellProcess();
    buildGrabberViews();
    applySettings("<key>useCustomGrabberColor</key><true/><key>customGrabberColor</key><string>#ff0000</string>"
                  "<key>useCustomArrowColor</key><true/><key>customArrowColor</key><string>#00F:0.5</string>");
    EXPECT_TRUE(colorIs(backgroundColorOf(grabber), 1, 0, 0));
    EXPECT_TRUE(colorIs(tintColorOf(grabberPointerImageView), 0, 0, 1, 0.5));
    applySettings("<key>useCustomGrabberColor</key><false/><key>customGrabberColor</key><string>#ff0000</string>");
    EXPECT_TRUE(colorIs(backgroundColorOf(grabber), 1, 1, 1)) << "the switch turned off brings white back";
}

FORKED_TEST(GrabberColours, UnreadableOrMissingColoursFallBack)
{
    setUpShellProcess();
    buildGrabberViews();
    std::vector<std::string> const values = { "<string>garbage</string>", "<string>#12345G</string>", "<integer>16711680</integer>",
        "<dict><key>a</key><string>#FF0000</string></dict>", "<string>" + std::string(100000, 'F') + "</string>",
        "<string>#FF\u00e90000</string>", "" };
    for (auto const& grabberValue : values) {
        std::string grabberEntry = grabberValue.empty() ? "" : "<key>customGrabberColor</key>" + grabberValue;
        std::string arrowEntry = grabberValue.empty() ? "" : "<key>customArrowColor</key>" + grabberValue;
        applySettings("<key>useCustomGrabberColor</key><true/>" + grabberEntry + "<key>useCustomArrowColor</key><true/>" + arrowEntry);
        EXPECT_TRUE(colorIs(backgroundColorOf(grabber), 1, 1, 1)) << grabberValue.substr(0, 60);
        EXPECT_TRUE(colorIs(tintColorOf(grabberPointerImageView), 0, 0, 0)) << grabberValue.substr(0, 60);
    }
}

FORKED_TEST(GrabberColours, WhicheverArrowShowsBecomesTheTemplate)
{
    setUpShellProcess();
    buildGrabberViews();
    std::string inPath = std::string(DRAWLET_SOURCE_DIR) + "/shell/resources/pointer_in.png";
    id pointerIn = send<id>(objc_getClass("UIImage"), "imageWithContentsOfFile:"_sel, static_cast<id>(NSString::make(inPath)));
    send(grabberPointerImageView, "setImage:"_sel, pointerIn);
    applySettings("");
    id shown = send<id>(grabberPointerImageView.get(), "image"_sel);
    EXPECT_EQ(send<long>(shown, "renderingMode"_sel), 2);
    EXPECT_EQ(send<CGSize>(shown, "size"_sel), send<CGSize>(pointerIn, "size"_sel));
}

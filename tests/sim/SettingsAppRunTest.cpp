// The Settings application in a headless drawlet-sim: opened at Drawlet's pane
// by an address, its switches and choices written to the settings file the
// shell reads, and the file read again when it comes back to the front.
#include "SimulatorRun.h"

#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/PropertyList.h"

#include <cairo.h>
#include <gtest/gtest.h>

using namespace simtest;

namespace {

const std::string kSettings = "com.drawlet.settings";

// Points on Drawlet's pane at 375 × 667: the track of the "Enabled" and
// "Small grabber" switches (left of the knob when on), and Notes' icon among
// the start-up applications.
constexpr int kEnabledSwitchY = 110;
constexpr int kSmallGrabberSwitchY = 210;
constexpr int kSwitchTrackX = 321;
const std::string kSmallGrabberRow = "300 210";
const std::string kNotesCell = "59 470";

class SettingsApp : public SimulatorRun {
protected:
    // Drawlet on, and its welcome alert already seen, so nothing covers the pane.
    void SetUp() override
    {
        std::filesystem::create_directories(home());
        ASSERT_TRUE(setting({ "tweakEnabled", "true" }));
        ASSERT_TRUE(setting({ "hasBeenLaunchedBefore", "true" }));
    }

    // Without Drawlet unless asked: the Settings application needs nothing of it.
    int runScript(const std::string& script, bool withDrawlet = false)
    {
        std::vector<std::string> options { "--screen", "375x667" };
        if (!withDrawlet)
            options.push_back("--no-inject");
        return runHeadless(script, options);
    }

    // Whether the switch of the row at `y` (points) shows on, in the PNG `name`.
    bool switchIsOn(const std::string& name, int y) const
    {
        cairo_surface_t* image = cairo_image_surface_create_from_png(file(name).c_str());
        if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(image);
            return false;
        }
        auto const* row = cairo_image_surface_get_data(image) + static_cast<ptrdiff_t>(2 * y) * cairo_image_surface_get_stride(image);
        uint32_t const pixel = reinterpret_cast<const uint32_t*>(row)[2 * kSwitchTrackX];
        cairo_surface_destroy(image);
        // The track is green when on, light grey when off.
        return ((pixel >> 8) & 0xff) > 0xc0 && ((pixel >> 16) & 0xff) < 0x70;
    }

    std::string path(const std::string& name) const { return file(name).string(); }
    std::string settingsFile() const { return (home() / "Library/Preferences/com.quillbrook.drawlet-preferences.plist").string(); }
};

}

TEST_F(SettingsApp, APrefsAddressBringsSettingsToTheFrontAtItsPaneAndOtherAddressesOpenNothing)
{
    EXPECT_EQ(runScript("url prefs:root=Drawlet\nwait 0.5\nshot " + path("screen.png") + "\nurl http://example.com/\nwait 0.5\nquit\n"), 1)
        << "the shell did not open the second address: " << m_output;
    EXPECT_TRUE(logged("0.000", "springboard: opened the address prefs:root=Drawlet in com\\.drawlet\\.settings")) << log();
    EXPECT_TRUE(containsMatch(log(), R"((^|\n)0\.000 Settings\[\d+\]: Settings: opened prefs:root=Drawlet: the pane Drawlet\n)")) << log();
    EXPECT_TRUE(switchIsOn("screen.png", kEnabledSwitchY)) << "the screen shows Drawlet's pane, with Drawlet on";

    EXPECT_TRUE(logged("0.500", "springboard: cannot open the address http://example\\.com/"));
    EXPECT_EQ(count("frontboard: launched"), 1u) << "the second address started nothing";
    EXPECT_EQ(count("Settings: opened"), 1u) << "nor reached the Settings application";
}

TEST_F(SettingsApp, ChangesInThePaneAreWrittenWithTheirTypesKeepOtherKeysAndReachTheShell)
{
    if (!drawletBuilt())
        GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));
    ASSERT_TRUE(setting({ "--string", "label", "YES" }));
    ASSERT_TRUE(setting({ "count", "7" }));

    // The tap on the switch lifts, and so is taken, at 0.55 s; the one on
    // Notes at 1.1 s.
    EXPECT_EQ(runScript("url prefs:root=Drawlet\nwait 0.5\ntap " + kSmallGrabberRow + "\nwait 0.5\ntap " + kNotesCell + "\nwait 0.5\nquit\n", true), 0)
        << m_output;
    EXPECT_TRUE(containsMatch(log(), R"((^|\n)0\.550 Settings\[\d+\]: Settings: set smallGrabber to true\n)")) << log();
    EXPECT_TRUE(logged("0.750", "\\[Drawlet\\] updating preferecnes smallGrabber:YES customGrabberColor:NO\tcustomArrowColor:NO!"))
        << "the grabber moves 0.2 s after the change: " << log();
    EXPECT_TRUE(containsMatch(log(), R"((^|\n)1\.100 Settings\[\d+\]: Settings: set startupApp to "com\.drawlet\.demo\.notes"\n)")) << log();

    foundation::registerClasses();
    AutoreleasePool pool;
    NSDictionary* settings = foundation::readPropertyListDictionary(settingsFile());
    ASSERT_NE(settings, nullptr);
    auto* smallGrabber = static_cast<NSNumber*>(settings->objectForKey("smallGrabber"));
    ASSERT_TRUE(foundation::isKindOf(smallGrabber, foundation::NSNumberClass()));
    EXPECT_EQ(smallGrabber->kind, NSNumber::Kind::Bool);
    EXPECT_TRUE(smallGrabber->boolValue());
    auto* startup = settings->objectForKey("startupApp");
    ASSERT_TRUE(foundation::isKindOf(startup, foundation::NSStringClass()));
    EXPECT_EQ(static_cast<NSString*>(startup)->value, "com.drawlet.demo.notes");
    // Keys the pane does not show keep their values and types.
    auto* label = settings->objectForKey("label");
    ASSERT_TRUE(foundation::isKindOf(label, foundation::NSStringClass()));
    EXPECT_EQ(static_cast<NSString*>(label)->value, "YES");
    auto* number = static_cast<NSNumber*>(settings->objectForKey("count"));
    ASSERT_TRUE(foundation::isKindOf(number, foundation::NSNumberClass()));
    EXPECT_EQ(number->kind, NSNumber::Kind::Integer);
    EXPECT_EQ(number->integerValue(), 7);
}

TEST_F(SettingsApp, AChangeMadeWhileThePaneIsInTheBackgroundShowsWhenItComesBack)
{
    EXPECT_EQ(runScript("url prefs:root=Drawlet\nwait 0.5\nshot-app " + kSettings + " " + path("before.png") + "\nhome\nsettings set smallGrabber true\n"
                  + "wait 0.5\nopen " + kSettings + "\nwait 0.5\nshot-app " + kSettings + " "
                  + path("after.png") + "\nquit\n"),
        0)
        << m_output;
    EXPECT_FALSE(switchIsOn("before.png", kSmallGrabberSwitchY));
    EXPECT_TRUE(switchIsOn("after.png", kSmallGrabberSwitchY)) << log();
}

TEST_F(SettingsApp, AnUnreadableSettingsFileIsShownAndNeverOverwritten)
{
    std::string const broken = "not a property list <<";
    writeFile(settingsFile(), broken);
    // The note at the top moves the rows 40 points down.
    EXPECT_EQ(runScript("url prefs:root=Drawlet\nwait 0.5\ntap 300 250\nwait 0.5\nquit\n"), 0) << m_output;
    EXPECT_EQ(readFile(settingsFile()), broken);
    EXPECT_TRUE(containsMatch(log(), R"(Settings\[\d+\]: Settings: cannot set smallGrabber: cannot read .*\(the file is left as it is\)\n)")) << log();
    EXPECT_EQ(count("Settings: set "), 0u);
}

// Settings files that are broken, hostile or of the wrong types: the shell falls
// back to the defaults, never changes the file and never crashes.
#include "ShellFixture.h"

#include "core/PanelState.h"
#include "core/Settings.h"
#include "core/SettingsReader.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "uikit/UIColor.h"

#include <filesystem>
#include <unistd.h>

using namespace shelltest;

namespace {

constexpr const char* kDefaultLine = "[Drawlet] updating preferecnes smallGrabber:NO customGrabberColor:NO\tcustomArrowColor:NO!";

void expectDefaults(const std::string& what)
{
    EXPECT_EQ(settings.get(), nullptr) << what;
    ASSERT_FALSE(drawletLines().empty()) << what;
    EXPECT_EQ(drawletLines().back(), kDefaultLine) << what;
    EXPECT_EQ(frameOf(grabber).origin.x, 0) << what;
    EXPECT_FALSE(isHiddenView(iconView)) << what;
    EXPECT_FALSE(isHiddenView(grabberPointerImageView)) << what;
    EXPECT_TRUE(colorIs(backgroundColorOf(grabber), 1, 1, 1)) << what;
    EXPECT_TRUE(colorIs(tintColorOf(grabberPointerImageView), 0, 0, 0)) << what;
}

std::string nested(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<array>";
    for (int i = 0; i < depth; ++i)
        text += "</array>";
    return text;
}

const std::string kSmallRed = "<key>smallGrabber</key><true/><key>useCustomGrabberColor</key><true/>"
                              "<key>customGrabberColor</key><string>#FF0000</string>";

}

FORKED_TEST(SettingsInput, BrokenFilesGiveTheDefaultsAndStayAsTheyWere)
{
    setUpShellProcess();
    buildGrabberViews();
    std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
    std::string good = header + "<dict>" + kSmallRed + "</dict></plist>";
    std::vector<std::pair<std::string, std::string>> cases = {
        { "empty", "" },
        { "not a property list", "smallGrabber = YES" },
        { "root is an array", header + "<array><string>smallGrabber</string></array></plist>" },
        { "truncated", good.substr(0, good.size() / 2) },
        { "binary with bad offsets", std::string("bplist00\xd1\x01\x02", 11) + std::string(20, '\xff') + std::string(32, '\x01') },
        { "nested thousands deep", header + "<dict><key>smallGrabber</key>" + nested(5000) + "</dict></plist>" },
        { "larger than the cap", header + "<dict>" + kSmallRed + "<key>pad</key><string>" + std::string(size_t { 5 } * 1024 * 1024, 'x') + "</string></dict></plist>" },
    };
    for (auto const& [what, bytes] : cases) {
        // Each case starts from a customised look, so a fallback is visible.
        writeSettingsBytes(good);
        updateTweakSettings();
        ASSERT_EQ(frameOf(grabber).origin.x, 26) << what;
        writeSettingsBytes(bytes);
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
        {
            AutoreleasePool pool;
            updateTweakSettings();
        }
        expectDefaults(what);
        EXPECT_EQ(readFileBytes(settingsPath()), bytes) << what << ": reading never changes the file";
        size_t diagnostics = 0;
        for (auto const& message : systemlog::capturedMessages())
            diagnostics += !message.starts_with("[Drawlet] ");
        EXPECT_EQ(diagnostics, 1u) << what << ": one diagnostic line from the reader";
    }
}

FORKED_TEST(SettingsInput, AMissingFileOrADirectoryInItsPlaceGiveTheDefaults)
{
    setUpShellProcess();
    buildGrabberViews();
    updateTweakSettings();
    expectDefaults("missing");
    std::filesystem::create_directory(settingsPath());
    updateTweakSettings();
    expectDefaults("directory");
    EXPECT_TRUE(std::filesystem::is_directory(settingsPath()));
}

FORKED_TEST(SettingsInput, AFileTheShellMayNotReadGivesTheDefaults)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    setUpShellProcess();
    buildGrabberViews();
    writeSettingsXML(kSmallRed);
    std::filesystem::permissions(settingsPath(), std::filesystem::perms::none);
    updateTweakSettings();
    expectDefaults("unreadable");
}

FORKED_TEST(SettingsInput, BooleansStoredAsNumbersOrStringsReadAsFoundationReadsThem)
{
    setUpShellProcess();
    struct Case {
        const char* value;
        bool expected;
    };
    Case const cases[] = {
        // clang-format off
        { "<true/>", true }, { "<false/>", false }, { "<integer>1</integer>", true }, { "<integer>0</integer>", false },
        { "<integer>-3</integer>", true }, { "<real>0.5</real>", true }, { "<real>0</real>", false },
        { "<string>YES</string>", true }, { "<string>yes</string>", true }, { "<string>true</string>", true },
        { "<string>1</string>", true }, { "<string>NO</string>", false }, { "<string>no</string>", false },
        { "<string></string>", false }, { "<string>maybe</string>", false }, { "<dict/>", false },
        { "<array><true/></array>", false }, { "<data>AQ==</data>", false },
        // clang-format on
    };
    for (auto const& c : cases) {
        writeSettingsXML(std::string("<key>smallGrabber</key>") + c.value);
        AutoreleasePool pool;
        settings = readSettingsFile();
        ASSERT_NE(settings.get(), nullptr) << c.value;
        EXPECT_EQ(settingsBool(settings, "smallGrabber"), c.expected) << c.value;
    }
    EXPECT_FALSE(settingsBool(nullptr, "smallGrabber")) << "no settings: every key is false";
    EXPECT_FALSE(settingsBool(settings, "absentKey"));
}

FORKED_TEST(SettingsInput, StringKeysAcceptOnlyStrings)
{
    setUpShellProcess();
    writeSettingsXML("<key>startupApp</key><integer>7</integer><key>customGrabberColor</key><string>#FFF</string>");
    AutoreleasePool pool;
    settings = readSettingsFile();
    EXPECT_EQ(settingsString(settings, "startupApp"), nullptr);
    ASSERT_NE(settingsString(settings, "customGrabberColor"), nullptr);
    EXPECT_EQ(settingsString(settings, "customGrabberColor")->value, "#FFF");
}

FORKED_TEST(SettingsInput, ANotificationBeforeTheViewsExistOnlyLogs)
{
    setUpShellProcess();
    writeSettingsXML(kSmallRed);
    postSettingsChanged();
    runFor(0.3);
    ASSERT_EQ(drawletLines().size(), 1u);
    EXPECT_EQ(drawletLines()[0], "[Drawlet] updating preferecnes smallGrabber:YES customGrabberColor:YES\tcustomArrowColor:NO!");
    EXPECT_EQ(grabber.get(), nullptr);
}

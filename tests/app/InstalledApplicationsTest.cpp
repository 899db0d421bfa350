#include "InstalledApplications.h"

#include "foundation/NSObject.h"
#include "foundation/SystemLog.h"
#include "sim/ProgramRun.h"

#include <gtest/gtest.h>

namespace {

class InstalledApplicationsTest : public testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::setWritesToStandardError(false);
        systemlog::reset();
    }

    std::vector<std::string> problemLines() const
    {
        std::vector<std::string> lines;
        for (auto const& message : systemlog::capturedMessages())
            if (message.starts_with("installed applications: "))
                lines.push_back(message);
        return lines;
    }
};

TEST_F(InstalledApplicationsTest, ShippedFileListsTheDemoApplicationsAndSettings)
{
    auto applications = apps::readInstalledApplications(std::string(DRAWLET_DEVICE_ROOT) + "/Applications/InstalledApplications.plist");
    ASSERT_EQ(applications.size(), 4u);
    EXPECT_EQ(applications[0].bundleIdentifier, "com.drawlet.demo.notes");
    EXPECT_EQ(applications[0].executableName, "Notes");
    EXPECT_EQ(applications[0].badgeValue, apps::BadgeValue(3LL));
    EXPECT_EQ(applications[1].displayName, "Clock");
    EXPECT_EQ(applications[1].badgeValue, apps::BadgeValue(apps::NoBadge {}));
    EXPECT_EQ(applications[2].badgeValue, apps::BadgeValue(std::string("new")));
    EXPECT_EQ(applications[3].bundleIdentifier, "com.drawlet.settings");
    EXPECT_EQ(applications[3].executableName, "Settings");
    for (auto const& application : applications)
        EXPECT_TRUE(std::filesystem::exists(std::string(DRAWLET_DEVICE_ROOT) + application.iconPath)) << application.iconPath;
    EXPECT_TRUE(problemLines().empty());
    EXPECT_EQ(apps::findInstalledApplication(applications, "com.drawlet.demo.grid"), &applications[2]);
    EXPECT_EQ(apps::findInstalledApplication(applications, "com.example.none"), nullptr);
}

TEST_F(InstalledApplicationsTest, BadEntriesAreSkippedWithALineEachAndTheRestKept)
{
    simtest::TemporaryFolder folder;
    auto const entry = [](const std::string& id, const std::string& extra) {
        return "<dict><key>CFBundleIdentifier</key><string>" + id + "</string><key>CFBundleDisplayName</key><string>A</string>"
                                                                    "<key>CFBundleExecutable</key><string>A</string><key>IconPath</key><string>/Applications/A.app/Icon.png</string>"
            + extra + "</dict>";
    };
    std::string const list = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Applications</key><array>"
        + entry("com.example.good", "")
        + "<string>not a dictionary</string>"
        + "<dict><key>CFBundleIdentifier</key><string>com.example.nameless</string></dict>"
        + entry("", "")
        + entry("com.example.real-badge", "<key>BadgeValue</key><real>1.5</real>")
        + entry("com.example.good", "")
        + entry("com.example.also-good", "<key>BadgeValue</key><string>!</string>")
        + "</array></dict></plist>";
    simtest::writeFile(folder.path() / "apps.plist", list);

    auto applications = apps::readInstalledApplications(folder.path() / "apps.plist");
    ASSERT_EQ(applications.size(), 2u);
    EXPECT_EQ(applications[0].bundleIdentifier, "com.example.good");
    EXPECT_EQ(applications[1].bundleIdentifier, "com.example.also-good");
    EXPECT_EQ(problemLines().size(), 5u);
}

TEST_F(InstalledApplicationsTest, AnotherRootsApplicationsAreReadThereWithIconsAsHostPaths)
{
    apps::setApplicationsRoot(DRAWLET_DEVICE_ROOT);
    auto applications = apps::readInstalledApplications();
    apps::setApplicationsRoot("");
    ASSERT_EQ(applications.size(), 4u);
    EXPECT_EQ(applications[0].iconPath, std::string(DRAWLET_DEVICE_ROOT) + "/Applications/Notes.app/Icon.png");
    EXPECT_TRUE(problemLines().empty());
}

TEST_F(InstalledApplicationsTest, MissingOrMalformedFileGivesNoApplicationsAndALogLine)
{
    simtest::TemporaryFolder folder;
    EXPECT_TRUE(apps::readInstalledApplications(folder.path() / "absent.plist").empty());
    EXPECT_FALSE(systemlog::capturedMessages().empty());

    systemlog::reset();
    simtest::writeFile(folder.path() / "wrong.plist", "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>Applications</key><string>x</string></dict></plist>");
    EXPECT_TRUE(apps::readInstalledApplications(folder.path() / "wrong.plist").empty());
    EXPECT_EQ(problemLines().size(), 1u);
}

}

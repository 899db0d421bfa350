// The home screen: the wallpaper, and the installed applications' icons with
// their names and badges where the layout puts them.

#include "CompositorFixture.h"
#include "HomeScreenLayout.h"

#include <algorithm>
#include <fstream>

namespace {

using namespace compositortest;

class HomeScreenTest : public CompositorTest {
protected:
    void SetUp() override
    {
        CompositorTest::SetUp();
        uikit::setMainScreenSize(375, 667);
        writeIcon("Red.app", kRed);
        writeIcon("Blue.app", kBlue);
    }

    void writeIcon(const std::string& bundle, const Pixel& fill)
    {
        std::filesystem::create_directories(root / "Applications" / bundle);
        cairo_surface_t* icon = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 120, 120);
        cairo_t* cairo = cairo_create(icon);
        cairo_set_source_rgb(cairo, fill.red / 255.0, fill.green / 255.0, fill.blue / 255.0);
        cairo_paint(cairo);
        cairo_destroy(cairo);
        cairo_surface_write_to_png(icon, (root / "Applications" / bundle / "Icon.png").c_str());
        cairo_surface_destroy(icon);
    }

    // Entries of (name, icon folder, badge element or "").
    void install(const std::vector<std::array<std::string, 3>>& applications)
    {
        std::ofstream file(root / "Applications" / "InstalledApplications.plist");
        file << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>Applications</key><array>\n";
        for (auto const& [name, folder, badge] : applications) {
            file << "<dict><key>CFBundleIdentifier</key><string>com.example." << name << "</string>"
                 << "<key>CFBundleDisplayName</key><string>" << name << "</string>"
                 << "<key>CFBundleExecutable</key><string>" << name << "</string>"
                 << "<key>IconPath</key><string>/Applications/" << folder << "/Icon.png</string>";
            if (!badge.empty())
                file << "<key>BadgeValue</key>" << badge;
            file << "</dict>\n";
        }
        file << "</array></dict></plist>\n";
    }

    static Pixel at(cairo_surface_t* screen, CGPoint point) { return pixelAt(screen, static_cast<int>(point.x * 2), static_cast<int>(point.y * 2)); }
    static CGPoint middle(CGRect r) { return { r.origin.x + r.size.width / 2, r.origin.y + r.size.height / 2 }; }
};

TEST_F(HomeScreenTest, IconsWithNamesAndBadgesInAPhonesGrid)
{
    install({ { "Reds", "Red.app", "<integer>7</integer>" }, { "Blues", "Blue.app", "" }, { "Lost", "Missing.app", "<string>new</string>" } });
    auto screen = draw();
    CGSize const size { 375, 667 };
    auto const first = compositor::homeScreenIconPlace(size, 0);
    auto const second = compositor::homeScreenIconPlace(size, 1);
    auto const third = compositor::homeScreenIconPlace(size, 2);

    // Four columns of 60-point icons under the status bar, left to right.
    EXPECT_EQ(first.icon.size, CGSizeMake(60, 60));
    EXPECT_GT(first.icon.origin.y, 20);
    EXPECT_DOUBLE_EQ(second.icon.origin.y, first.icon.origin.y);
    EXPECT_NEAR(first.icon.origin.x, 375 - CGRectGetMaxX(compositor::homeScreenIconPlace(size, 3).icon), 1e-9) << "equal margins";
    EXPECT_GT(compositor::homeScreenIconPlace(size, 4).icon.origin.y, CGRectGetMaxY(first.name));

    EXPECT_EQ(at(screen.get(), middle(first.icon)), kRed);
    EXPECT_EQ(at(screen.get(), middle(second.icon)), kBlue);
    // The corners are rounded off.
    EXPECT_NE(at(screen.get(), first.icon.origin), kRed);
    // A missing icon gets a plain grey tile, and a log line.
    Pixel const tile = at(screen.get(), middle(third.icon));
    EXPECT_TRUE(near(tile, { tile.red, tile.red, tile.red, 255 }, 15) && tile.red > 100 && tile.red < 240) << tile;
    auto const messages = systemlog::capturedMessages();
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(), [](const std::string& m) { return m.find("no icon for Lost") != std::string::npos; }), 1);

    // Badges: a red pill over each badged icon's top right corner.
    CGPoint const badgeSpot { CGRectGetMaxX(first.icon) + 2, first.icon.origin.y };
    EXPECT_TRUE(near(at(screen.get(), badgeSpot), { 255, 59, 48, 255 }, 2)) << at(screen.get(), badgeSpot);
    EXPECT_FALSE(near(at(screen.get(), { CGRectGetMaxX(second.icon) + 2, second.icon.origin.y }), { 255, 59, 48, 255 }, 30));
    EXPECT_TRUE(near(at(screen.get(), { CGRectGetMaxX(third.icon) + 2, third.icon.origin.y }), { 255, 59, 48, 255 }, 2));

    // Each name in white under its icon.
    int white = 0;
    for (int y = static_cast<int>(first.name.origin.y * 2); y < CGRectGetMaxY(first.name) * 2; ++y) {
        for (int x = static_cast<int>(first.name.origin.x * 2); x < CGRectGetMaxX(first.name) * 2; ++x)
            white += near(pixelAt(screen.get(), x, y), kWhite, 10);
    }
    EXPECT_GT(white, 20);

    // The wallpaper is a gradient, not one colour.
    EXPECT_FALSE(near(pixelAt(screen.get(), 300, 1200), pixelAt(screen.get(), 300, 300), 20));
}

TEST_F(HomeScreenTest, FollowsTheScreenAndRereadsTheApplicationsAfterAReset)
{
    install({ { "Reds", "Red.app", "" }, { "Blues", "Blue.app", "" } });
    draw();
    uikit::setMainScreenSize(320, 568);
    auto screen = draw();
    auto const second = compositor::homeScreenIconPlace(CGSizeMake(320, 568), 1);
    EXPECT_EQ(at(screen.get(), middle(second.icon)), kBlue);

    // What was read is kept until a reset.
    install({ { "Blues", "Blue.app", "" } });
    screen = draw();
    EXPECT_EQ(at(screen.get(), middle(second.icon)), kBlue);
    compositor::reset();
    screen = draw();
    EXPECT_NE(at(screen.get(), middle(second.icon)), kBlue);
    EXPECT_EQ(at(screen.get(), middle(compositor::homeScreenIconPlace(CGSizeMake(320, 568), 0).icon)), kBlue);
}

TEST_F(HomeScreenTest, ATurnedScreenIsDrawnTurnedWithSixColumnsOfIcons)
{
    std::vector<std::array<std::string, 3>> applications;
    applications.reserve(7);
    for (int index = 0; index < 7; ++index)
        applications.push_back({ "App" + std::to_string(index), index == 5 ? "Blue.app" : "Red.app", "" });
    install(applications);
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationLandscapeRight));
    auto screen = draw();
    ASSERT_EQ(cairo_image_surface_get_width(screen.get()), 1334);
    ASSERT_EQ(cairo_image_surface_get_height(screen.get()), 750);

    CGSize const size { 667, 375 };
    auto const first = compositor::homeScreenIconPlace(size, 0);
    auto const sixth = compositor::homeScreenIconPlace(size, 5);
    auto const seventh = compositor::homeScreenIconPlace(size, 6);
    EXPECT_EQ(first.icon.size, CGSizeMake(60, 60)) << "icons keep their size when the screen turns";
    EXPECT_DOUBLE_EQ(sixth.icon.origin.y, first.icon.origin.y) << "six to a row";
    EXPECT_NEAR(first.icon.origin.x, 667 - CGRectGetMaxX(sixth.icon), 1e-9) << "equal margins";
    EXPECT_GT(seventh.icon.origin.y, CGRectGetMaxY(first.name));
    EXPECT_EQ(at(screen.get(), middle(sixth.icon)), kBlue);
    EXPECT_EQ(at(screen.get(), middle(seventh.icon)), kRed);

    // Upright again, the picture follows.
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationPortrait));
    screen = draw();
    EXPECT_EQ(cairo_image_surface_get_width(screen.get()), 750);
    EXPECT_EQ(at(screen.get(), middle(compositor::homeScreenIconPlace(CGSizeMake(375, 667), 5).icon)), kBlue);
}

}

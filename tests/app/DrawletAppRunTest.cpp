// drawlet-app and drawlet-sim --list-apps run as programs.
#include "sim/ProgramRun.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

const std::string kApp = std::string(DRAWLET_BUILD_DIR) + "/bin/drawlet-app";
const std::string kSim = std::string(DRAWLET_BUILD_DIR) + "/bin/drawlet-sim";

int run(const std::vector<std::string>& arguments, const std::filesystem::path& output)
{
    simtest::ChildProcess child(arguments, output);
    if (!child.started())
        return -1;
    return child.wait();
}

size_t countOccurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST(DrawletAppRun, EachDemoApplicationShootsItsWholeScreenWithAStatusBar)
{
    simtest::TemporaryFolder folder;
    for (std::string const name : { "notes", "clock", "grid" }) {
        auto const shot = folder.path() / (name + ".png");
        ASSERT_EQ(run({ kApp, "com.drawlet.demo." + name, "--headless", "--shot", shot }, folder.path() / "out.txt"), 0)
            << simtest::readFile(folder.path() / "out.txt");
        cairo_surface_t* image = cairo_image_surface_create_from_png(shot.c_str());
        ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS) << name;
        EXPECT_EQ(cairo_image_surface_get_format(image), CAIRO_FORMAT_ARGB32) << name;
        EXPECT_EQ(cairo_image_surface_get_width(image), 750) << name;
        EXPECT_EQ(cairo_image_surface_get_height(image), 1334) << name;
        // The top 20 points hold more than the background: the status bar.
        std::set<uint32_t> colours;
        auto const* data = cairo_image_surface_get_data(image);
        int const stride = cairo_image_surface_get_stride(image);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 750; ++x)
                colours.insert(reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride)[x]);
        EXPECT_GT(colours.size(), 1u) << name;
        cairo_surface_destroy(image);
    }
}

TEST(DrawletAppRun, TheClientLoadsAndReportsAMissingViewControllerClassOnce)
{
    simtest::TemporaryFolder folder;
    auto const log = folder.path() / "app.log";
    ASSERT_EQ(run({ kApp, "com.drawlet.demo.clock", "--headless", "--app-without-class", "UIViewController", "--log", log,
                      "--shot", folder.path() / "clock.png" },
                  folder.path() / "out.txt"),
        0);
    auto const text = simtest::readFile(log);
    EXPECT_EQ(countOccurrences(text, "DrawletClient.so"), 1u) << text;
    EXPECT_EQ(countOccurrences(text, "Drawlet.so"), 0u) << text;
    EXPECT_EQ(countOccurrences(text, "logos: nil class UIViewController"), 1u) << text;
    EXPECT_EQ(countOccurrences(text, "logos: nil class"), 1u) << text;
    EXPECT_NE(text.find(" Clock["), std::string::npos) << text;
}

TEST(DrawletAppRun, AnUnknownBundleIdentifierStopsWithAMessage)
{
    simtest::TemporaryFolder folder;
    EXPECT_EQ(run({ kApp, "com.example.none", "--headless" }, folder.path() / "out.txt"), 1);
    EXPECT_NE(simtest::readFile(folder.path() / "out.txt").find("com.example.none"), std::string::npos);
}

TEST(DrawletAppRun, TheSimulatorListsTheInstalledApplications)
{
    simtest::TemporaryFolder folder;
    ASSERT_EQ(run({ kSim, "--list-apps" }, folder.path() / "out.txt"), 0);
    EXPECT_EQ(simtest::readFile(folder.path() / "out.txt"), "com.drawlet.demo.notes\ncom.drawlet.demo.clock\ncom.drawlet.demo.grid\ncom.drawlet.settings\n");
}

TEST(DrawletAppRun, ARootWithoutApplicationsGetsTheSimulatorsOwn)
{
    simtest::TemporaryFolder folder;
    std::filesystem::create_directories(folder.path() / "root/Library/MobileSubstrate/DynamicLibraries");
    ASSERT_EQ(run({ kSim, "--list-apps", "--root", folder.path() / "root" }, folder.path() / "out.txt"), 0);
    EXPECT_EQ(simtest::readFile(folder.path() / "out.txt"), "com.drawlet.demo.notes\ncom.drawlet.demo.clock\ncom.drawlet.demo.grid\ncom.drawlet.settings\n");
}

}

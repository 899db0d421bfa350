// Turning the device in drawlet-sim run headless with real application
// processes. With the panel open: the screen, `shot` and the application in
// front turn; the hosted application hears the shell's new orientation; an
// application opened afterwards is told the orientation as it comes to the
// front. With the panel closed: only the grabber shows, at the right edge.
#include "SimulatorRun.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    // Red, green and blue (0 to 255) at the pixel, un-premultiplied enough for
    // opaque pictures.
    std::array<int, 3> at(int x, int y) const
    {
        uint32_t const value = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
        return { static_cast<int>((value >> 16) & 0xff), static_cast<int>((value >> 8) & 0xff), static_cast<int>(value & 0xff) };
    }
    std::vector<uint32_t> pixels;
};

Picture readPicture(const fs::path& path)
{
    Picture picture;
    cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(image), cairo_image_surface_get_height(image));
        cairo_t* cairo = cairo_create(copy);
        cairo_set_source_surface(cairo, image, 0, 0);
        cairo_paint(cairo);
        cairo_destroy(cairo);
        cairo_surface_flush(copy);
        picture.width = cairo_image_surface_get_width(copy);
        picture.height = cairo_image_surface_get_height(copy);
        int const stride = cairo_image_surface_get_stride(copy);
        auto const* data = cairo_image_surface_get_data(copy);
        for (int y = 0; y < picture.height; ++y) {
            auto const* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
            picture.pixels.insert(picture.pixels.end(), row, row + picture.width);
        }
        cairo_surface_destroy(copy);
    }
    cairo_surface_destroy(image);
    return picture;
}

// Scripts run on the default 375 × 667 screen at scale 2.
class Rotation : public SimulatorRun {
protected:
    void SetUp() override
    {
        if (!drawletBuilt() || !fs::exists(kLibraries / "DrawletClient.so"))
            GTEST_SKIP() << "Drawlet.so, DrawletClient.so or drawlet-settings is not built";
        ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.notes"));
    }
};

}

TEST_F(Rotation, TurningWithThePanelOpenTurnsTheScreenAndTellsTheApplications)
{
    // Grid in front, then a tap on the grabber at (W - 50 + 26, H - 125)
    // opens the panel with Notes, pinned at start, hosted in it.
    std::string const script = "open com.drawlet.demo.grid\nwait 1\ntap 361 554\nwait 1\nrotate 3\nwait 1\n"
                               "shot "
        + file("landscape.png").string() + "\nshot-app com.drawlet.demo.grid " + file("grid.png").string()
        + "\nshot-app com.drawlet.demo.notes " + file("notes.png").string() + "\nopen com.drawlet.demo.clock\nwait 1\n"
        + "rotate 1\nwait 1\nshot " + file("portrait.png").string() + "\nquit\n";
    ASSERT_EQ(runHeadless(script), 0) << m_output << log();
    std::string const text = log();

    // The screen is 667 × 375 points turned, and the application in front
    // drew itself turned: its light grey background fills the bottom right
    // corner, which an upright frame would leave to the wallpaper. The open
    // panel's dimming (black at 0.8) covers the whole turned screen.
    Picture const landscape = readPicture(file("landscape.png"));
    EXPECT_EQ(landscape.width, 1334);
    EXPECT_EQ(landscape.height, 750);
    if (landscape.width == 1334 && landscape.height == 750) {
        auto const corner = landscape.at(1300, 730);
        EXPECT_NEAR(corner[0], 237 * 0.2, 3) << corner[0] << " " << corner[1] << " " << corner[2];
        EXPECT_NEAR(corner[2], 242 * 0.2, 3);
    }
    Picture const grid = readPicture(file("grid.png"));
    EXPECT_EQ(grid.width, 1334);
    EXPECT_EQ(grid.height, 750);
    Picture const notes = readPicture(file("notes.png"));
    EXPECT_EQ(notes.width, 750) << "the hosted application is not the one in front: it stays upright";
    EXPECT_EQ(notes.height, 1334);
    Picture const portrait = readPicture(file("portrait.png"));
    EXPECT_EQ(portrait.width, 750);
    EXPECT_EQ(portrait.height, 1334);

    // Drawlet's side: the shell's orientation, and every application (the
    // hosted one too) hears it through the client.
    EXPECT_EQ(countMatches(text, R"(SpringBoard\[\d+\]: \[Drawlet\] noteInterfaceOrientationChanged: 3\n)"), 1u) << text;
    EXPECT_EQ(countMatches(text, R"(Notes\[\d+\]: \[Drawlet\] should rotate to orientation: 3\n)"), 1u) << text;
    EXPECT_EQ(countMatches(text, R"(Grid\[\d+\]: \[Drawlet\] should rotate to orientation: 3\n)"), 1u) << text;

    // Only the application in front is told its status-bar orientation; the
    // open panel had every application hide its status bar, so the client
    // hands the platform landscape left over 10 s in its place.
    EXPECT_EQ(countMatches(text, R"(Grid\[\d+\]: uikit: the scene turned to orientation 3; the status bar turns to orientation 4 in 10\.00 s\n)"), 1u)
        << text;
    EXPECT_EQ(countMatches(text, R"(Notes\[\d+\]: uikit: the scene turned)"), 0u) << text;
    // Clock, opened while turned, hears the orientation as it comes to the
    // front (it started after the status-bar post, so it is told as asked),
    // and again when the device turns back.
    EXPECT_EQ(countMatches(text, R"(Clock\[\d+\]: uikit: the scene turned to orientation 3; the status bar turns to orientation 3 in 0\.00 s\n)"), 1u)
        << text;
    EXPECT_EQ(countMatches(text, R"(Clock\[\d+\]: uikit: the scene turned to orientation 1; the status bar turns to orientation 1 in 0\.40 s\n)"), 1u)
        << text;
    EXPECT_EQ(countMatches(text, R"(Grid\[\d+\]: uikit: the scene turned to orientation 1)"), 0u) << "Grid was no longer in front";
}

TEST_F(Rotation, TurnedWithThePanelClosedOnlyTheGrabberShowsAtTheRightEdge)
{
    // 320 × 568: the grabber rests 125 points above the bottom edge, from
    // x = W − 50 + 26; its white lies between its arrow and the icon at
    // x = W − 2, clipped by the screen's edge beyond.
    std::string const script = "wait 0.5\nshot " + file("upright.png").string() + "\nshot-app com.drawlet.demo.notes " + file("notes.png").string()
        + "\nrotate 3\nwait 0.5\nshot " + file("right.png").string() + "\nrotate 4\nwait 0.5\nshot " + file("left.png").string()
        + "\nrotate 1\nwait 0.5\nshot " + file("back.png").string() + "\nquit\n";
    ASSERT_EQ(runHeadless(script, { "--screen", "320x568", "--wall-clock", "2026-12-09T09:41:00" }), 0) << m_output << log();

    // Notes' own background, which the closed panel showed across the
    // turned screen before the overlay followed the screen.
    auto const notesBackground = readPicture(file("notes.png")).at(40, 900);
    for (auto const* name : { "right.png", "left.png" }) {
        Picture const turned = readPicture(file(name));
        ASSERT_EQ(turned.width, 1136) << name;
        ASSERT_EQ(turned.height, 640) << name;
        EXPECT_EQ(turned.at((568 - 2) * 2, (320 - 125 + 3) * 2), (std::array<int, 3> { 255, 255, 255 })) << name << ": the grabber";
        for (int x = 330; x < 560; x += 20) {
            for (int y = 60; y < 320; y += 20)
                ASSERT_NE(turned.at(x * 2, y * 2), notesBackground) << name << " at (" << x << ", " << y << "): the closed panel shows";
        }
    }
    EXPECT_EQ(readFile(file("back.png")), readFile(file("upright.png"))) << "turned back, everything is where it was";
}

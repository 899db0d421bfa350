#include "AppRenderer.h"
#include "AppScreenFactory.h"

#include "uikit/UIKit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace {

// The distinct colours in the rows [top, bottom) of the frame, in pixels.
size_t coloursInRows(cairo_surface_t* surface, int top, int bottom)
{
    std::set<uint32_t> colours;
    int const width = cairo_image_surface_get_width(surface);
    int const stride = cairo_image_surface_get_stride(surface);
    auto const* data = cairo_image_surface_get_data(surface);
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < width; ++x)
            colours.insert(reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride)[x]);
    return colours.size();
}

class AppRendererTest : public testing::Test {
protected:
    void SetUp() override
    {
        uikit::registerClasses();
        uikit::reset();
    }
    void TearDown() override { uikit::reset(); }
};

TEST_F(AppRendererTest, StatusBarIsDrawnUnlessTheLastAppearanceUpdateHidIt)
{
    apps::AppRenderer renderer(apps::makeAppScreen("com.drawlet.demo.notes"), 375, 667, 2);
    ASSERT_TRUE(renderer.redrawIfChanged(1000));
    auto* shown = renderer.lastDrawnFrame().surface();
    EXPECT_EQ(cairo_image_surface_get_width(shown), 750);
    EXPECT_EQ(cairo_image_surface_get_height(shown), 1334);
    EXPECT_GT(coloursInRows(shown, 0, 40), 1u);

    uikit::setStatusBarHidden(true);
    ASSERT_TRUE(renderer.redrawIfChanged(1000));
    EXPECT_EQ(coloursInRows(renderer.lastDrawnFrame().surface(), 0, 40), 1u);

    uikit::setStatusBarHidden(false);
    ASSERT_TRUE(renderer.redrawIfChanged(1000));
    EXPECT_GT(coloursInRows(renderer.lastDrawnFrame().surface(), 0, 40), 1u);
}

TEST_F(AppRendererTest, DrawsOnlyWhenWhatItShowsChanges)
{
    apps::AppRenderer notes(apps::makeAppScreen("com.drawlet.demo.notes"), 320, 568, 1);
    apps::AppRenderer clock(apps::makeAppScreen("com.drawlet.demo.clock"), 320, 568, 1);
    EXPECT_TRUE(notes.redrawIfChanged(600));
    EXPECT_TRUE(clock.redrawIfChanged(600));
    // Within the same minute only the clock's seconds move.
    EXPECT_FALSE(notes.redrawIfChanged(601));
    EXPECT_TRUE(clock.redrawIfChanged(601));
    EXPECT_FALSE(clock.redrawIfChanged(601));
    // The status bar's time changes with the minute.
    EXPECT_TRUE(notes.redrawIfChanged(660));
    EXPECT_EQ(cairo_image_surface_get_width(notes.lastDrawnFrame().surface()), 320);
}

TEST_F(AppRendererTest, ATurnedScreenIsDrawnAtItsTurnedSizeOnlyWhenItTurns)
{
    apps::AppRenderer grid(apps::makeAppScreen("com.drawlet.demo.grid"), 375, 667, 2);
    ASSERT_TRUE(grid.redrawIfChanged(600));
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationLandscapeLeft));
    ASSERT_TRUE(grid.redrawIfChanged(600));
    auto* turned = grid.lastDrawnFrame().surface();
    EXPECT_EQ(cairo_image_surface_get_width(turned), 1334);
    EXPECT_EQ(cairo_image_surface_get_height(turned), 750);
    // Laid out for the turned size: the swatches end above the bottom, where
    // an upright layout squeezed in would have run on.
    EXPECT_EQ(coloursInRows(turned, 700, 750), 1u);
    EXPECT_GT(coloursInRows(turned, 100, 150), 5u);

    EXPECT_FALSE(grid.redrawIfChanged(600));
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationLandscapeRight));
    EXPECT_FALSE(grid.redrawIfChanged(600)) << "the other landscape has the same size";
    ASSERT_TRUE(uikit::setMainScreenOrientation(UIInterfaceOrientationPortraitUpsideDown));
    ASSERT_TRUE(grid.redrawIfChanged(600));
    EXPECT_EQ(cairo_image_surface_get_width(grid.lastDrawnFrame().surface()), 750);
}

TEST_F(AppRendererTest, OnlyTheDemoApplicationsHaveScreens)
{
    EXPECT_NE(apps::makeAppScreen("com.drawlet.demo.grid"), nullptr);
    EXPECT_EQ(apps::makeAppScreen("com.example.unknown"), nullptr);
}

}

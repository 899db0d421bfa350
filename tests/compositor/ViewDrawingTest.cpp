// Views in windows: where their pixels land, what hides and fades them, their
// transform, clipping and corners, and what image views and labels draw.

#include "CompositorFixture.h"

namespace {

using namespace compositortest;
using ViewDrawingTest = CompositorTest;

// Pixels of the image, in pixels, that differ from `background` outside `inside`.
int pixelsChangedOutside(cairo_surface_t* screen, CGRect inside, const Pixel& background)
{
    int changed = 0;
    for (int y = 0; y < cairo_image_surface_get_height(screen); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(screen); ++x) {
            if (CGRectContainsPoint(inside, CGPointMake(x, y)))
                continue;
            changed += pixelAt(screen, x, y) != background;
        }
    }
    return changed;
}

int pixelsMatching(cairo_surface_t* screen, CGRect area, const Pixel& wanted, int tolerance = 3)
{
    int count = 0;
    for (int y = static_cast<int>(area.origin.y); y < CGRectGetMaxY(area); ++y) {
        for (int x = static_cast<int>(area.origin.x); x < CGRectGetMaxX(area); ++x)
            count += near(pixelAt(screen, x, y), wanted, tolerance);
    }
    return count;
}

TEST_F(ViewDrawingTest, ViewLandsOnItsPixelsAtScale2)
{
    auto window = showWindow(CGRectMake(5, 7, 150, 80), color(kWhite));
    auto view = addView(window.get(), CGRectMake(10, 20, 30, 40), color(kRed));

    auto screen = draw();
    // The view covers points (15, 27) to (45, 67): pixels 30 to 89 across, 54 to 133 down.
    EXPECT_EQ(pixelAt(screen.get(), 30, 54), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 89, 133), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 29, 54), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 90, 133), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 30, 53), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 89, 134), kWhite);
    EXPECT_EQ(pixelsMatching(screen.get(), CGRectMake(0, 0, 400, 200), kRed), 60 * 80);

    // The window's bounds origin scrolls its content: 10 points up and left.
    send(window.get(), "setBounds:"_sel, CGRectMake(10, 10, 150, 80));
    screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 10, 34), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 10, 33), kWhite);
}

TEST_F(ViewDrawingTest, HiddenViewsVanishAndAlphaFadesWholeSubtrees)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kBlack));
    auto hiddenParent = addView(window.get(), CGRectMake(0, 0, 20, 20), color(kRed));
    addView(hiddenParent.get(), CGRectMake(5, 5, 5, 5), color(kBlue));
    send(hiddenParent.get(), "setHidden:"_sel, true);

    auto half = addView(window.get(), CGRectMake(40, 0, 40, 40), color(kWhite));
    send(half.get(), "setAlpha:"_sel, 0.5);
    auto quarter = addView(half.get(), CGRectMake(0, 20, 20, 20), color(kWhite));
    send(quarter.get(), "setAlpha:"_sel, 0.5);

    // Two opaque children of a half-faded view: the front one hides the back
    // one where they overlap, and the pair fades as one.
    auto group = addView(window.get(), CGRectMake(100, 0, 40, 40), nullptr);
    send(group.get(), "setAlpha:"_sel, 0.5);
    addView(group.get(), CGRectMake(0, 0, 30, 30), color(kRed));
    addView(group.get(), CGRectMake(10, 10, 30, 30), color(kBlue));

    auto screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 2 * 2, 2 * 2), kBlack);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 7, 2 * 7), kBlack);
    EXPECT_TRUE(near(pixelAt(screen.get(), 2 * 70, 2 * 10), { 128, 128, 128, 255 })) << pixelAt(screen.get(), 2 * 70, 2 * 10);
    // A half-faded child of the half-faded white: white on white before the
    // pair fades as one, not a quarter again on top.
    EXPECT_TRUE(near(pixelAt(screen.get(), 2 * 45, 2 * 30), { 128, 128, 128, 255 })) << pixelAt(screen.get(), 2 * 45, 2 * 30);
    EXPECT_TRUE(near(pixelAt(screen.get(), 2 * 125, 2 * 25), { 0, 0, 128, 255 })) << pixelAt(screen.get(), 2 * 125, 2 * 25);
    EXPECT_TRUE(near(pixelAt(screen.get(), 2 * 105, 2 * 5), { 128, 0, 0, 255 })) << pixelAt(screen.get(), 2 * 105, 2 * 5);

    // Alpha multiplies down the tree: a quarter of white over black.
    auto dim = addView(window.get(), CGRectMake(150, 0, 40, 40), nullptr);
    send(dim.get(), "setAlpha:"_sel, 0.5);
    auto inner = addView(dim.get(), CGRectMake(0, 0, 40, 40), color(kWhite));
    send(inner.get(), "setAlpha:"_sel, 0.5);
    screen = draw();
    EXPECT_TRUE(near(pixelAt(screen.get(), 2 * 170, 2 * 20), { 64, 64, 64, 255 })) << pixelAt(screen.get(), 2 * 170, 2 * 20);
}

TEST_F(ViewDrawingTest, TransformScalesAboutTheCentreWithSubviews)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    auto scaled = addView(window.get(), CGRectMake(20, 10, 80, 40), color(kRed));
    auto child = addView(scaled.get(), CGRectMake(0, 0, 40, 20), color(kBlue));
    send(scaled.get(), "setTransform:"_sel, CGAffineTransformMakeScale(0.5, 0.5));

    auto screen = draw();
    // Centre (60, 30): the view now spans (40, 20) to (80, 40); its child, its
    // top left quarter, (40, 20) to (60, 30).
    EXPECT_EQ(pixelsMatching(screen.get(), CGRectMake(0, 0, 400, 200), kBlue), 40 * 20);
    EXPECT_EQ(pixelsMatching(screen.get(), CGRectMake(0, 0, 400, 200), kRed), 80 * 40 - 40 * 20);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 40, 2 * 20), kBlue);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 70, 2 * 35), kRed);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 30, 2 * 15), kWhite);

    // Moved by the transform's translation too.
    send(scaled.get(), "setTransform:"_sel, CGAffineTransform { 0.5, 0, 0, 0.5, 50, 0 });
    screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 2 * 90, 2 * 20), kBlue);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 45, 2 * 25), kWhite);
}

TEST_F(ViewDrawingTest, ClippingAndRoundedCornersAndShadow)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    auto clipping = addView(window.get(), CGRectMake(10, 10, 40, 40), color(kRed));
    addView(clipping.get(), CGRectMake(20, 20, 60, 60), color(kBlue));
    auto spilling = addView(window.get(), CGRectMake(110, 10, 40, 40), color(kRed));
    addView(spilling.get(), CGRectMake(20, 20, 60, 60), color(kBlue));
    send(clipping.get(), "setClipsToBounds:"_sel, true);
    send(clipping->layer.get(), "setCornerRadius:"_sel, 10.0);

    auto screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 2 * 45, 2 * 35), kBlue);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 55, 2 * 55), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 155, 2 * 55), kBlue);
    // The rounded corner leaves the window's white at the very corner.
    EXPECT_EQ(pixelAt(screen.get(), 2 * 10, 2 * 10), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 49, 2 * 49 + 1), kWhite);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 12 + 10, 2 * 12 + 10), kRed);

    // A shadow darkens the white beneath and below the view, fading outwards.
    auto shadowed = addView(window.get(), CGRectMake(60, 60, 40, 20), color(kWhite));
    CALayer* layer = shadowed->layer.get();
    send(layer, "setShadowOpacity:"_sel, 0.5f);
    send(layer, "setShadowRadius:"_sel, 5.0);
    send(layer, "setShadowOffset:"_sel, CGSizeMake(0, 2));
    screen = draw();
    EXPECT_EQ(pixelAt(screen.get(), 2 * 80, 2 * 70), kWhite);
    Pixel const close = pixelAt(screen.get(), 2 * 80, 2 * 81);
    Pixel const distant = pixelAt(screen.get(), 2 * 80, 2 * 86);
    EXPECT_LT(close.red, 220);
    EXPECT_GT(distant.red, close.red);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 80, 2 * 98), kWhite);
}

TEST_F(ViewDrawingTest, ImagesAndLabelsDrawInsideTheirFrameOnly)
{
    auto window = showWindow(CGRectMake(0, 0, 200, 100), color(kWhite));
    cairo_surface_t* pixels = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 10, 10);
    cairo_t* cairo = cairo_create(pixels);
    cairo_set_source_rgb(cairo, 0, 1, 0);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    Strong<UIImage> image = UIImage::make(pixels);

    // Aspect fit: a 20-point square in the middle of the 40 x 20 frame.
    auto imageView = make<UIImageView>(uikit::UIImageViewClass(), CGRectMake(10, 10, 40, 20));
    send(imageView.get(), "setContentMode:"_sel, long(UIViewContentModeScaleAspectFit));
    send(imageView.get(), "setImage:"_sel, static_cast<id>(image.get()));
    send(window.get(), "addSubview:"_sel, static_cast<id>(imageView.get()));
    auto screen = draw();
    EXPECT_EQ(pixelsMatching(screen.get(), CGRectMake(0, 0, 400, 200), kGreen), 40 * 40);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 20, 2 * 10), kGreen);
    EXPECT_EQ(pixelAt(screen.get(), 2 * 39, 2 * 29 + 1), kGreen);
    EXPECT_EQ(pixelsChangedOutside(screen.get(), CGRectMake(40, 20, 40, 40), kWhite), 0);

    // A template image takes the view's tint.
    image = static_cast<UIImage*>(send<id>(image.get(), "imageWithRenderingMode:"_sel, long(UIImageRenderingModeAlwaysTemplate)));
    send(imageView.get(), "setImage:"_sel, static_cast<id>(image.get()));
    send(window.get(), "setTintColor:"_sel, static_cast<id>(color(kBlue)));
    screen = draw();
    EXPECT_EQ(pixelsMatching(screen.get(), CGRectMake(0, 0, 400, 200), kBlue), 40 * 40);
    send(imageView.get(), "removeFromSuperview"_sel);

    // A label's text, even one far too long, stays in its frame, in its colour.
    auto label = make<UILabel>(uikit::UILabelClass(), CGRectMake(30, 40, 60, 20));
    send(label.get(), "setText:"_sel, static_cast<id>(NSString::make("A line much longer than the label is wide")));
    send(label.get(), "setTextColor:"_sel, static_cast<id>(color(kRed)));
    send(label.get(), "setFont:"_sel, static_cast<id>(UIFont::systemFont(14)));
    send(window.get(), "addSubview:"_sel, static_cast<id>(label.get()));
    screen = draw();
    CGRect const labelPixels = CGRectMake(60, 80, 120, 40);
    EXPECT_GT(pixelsMatching(screen.get(), labelPixels, kRed, 40), 50);
    EXPECT_EQ(pixelsChangedOutside(screen.get(), labelPixels, kWhite), 0);

    // Centred and right-aligned text moves right.
    auto firstReddenedColumn = [&](cairo_surface_t* s) {
        for (int x = 60; x < 180; ++x) {
            for (int y = 80; y < 120; ++y) {
                if (pixelAt(s, x, y).green < 200)
                    return x;
            }
        }
        return -1;
    };
    send(label.get(), "setText:"_sel, static_cast<id>(NSString::make("Hi")));
    int const left = firstReddenedColumn(draw().get());
    send(label.get(), "setTextAlignment:"_sel, long(NSTextAlignmentCenter));
    int const centred = firstReddenedColumn(draw().get());
    send(label.get(), "setTextAlignment:"_sel, long(NSTextAlignmentRight));
    int const right = firstReddenedColumn(draw().get());
    EXPECT_LE(left, 66);
    EXPECT_GT(centred, left + 20);
    EXPECT_GT(right, centred + 20);
}

}

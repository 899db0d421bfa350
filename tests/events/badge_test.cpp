// A bulletin for the pinned application shakes the grabber and shows its
// badge on the grabber's label; other bulletins only get the shell's banner.
#include "PanelFixture.h"

#include "core/PanelState.h"
#include "dispatch/RunLoop.h"
#include "foundation/NSNumber.h"
#include "quartz/CAKeyframeAnimation.h"
#include "quartz/LayerAnimations.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/BulletinBanner.h"
#include "springboard/NotificationDelivery.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UILabel.h"

#include <algorithm>
#include <cmath>

using namespace shelltest;
using namespace paneltest;
using Badge = springboard::BadgeChange;

namespace {

const std::string kNotes = "com.drawlet.demo.notes";
const std::string kGrid = "com.drawlet.demo.grid";

void deliver(const std::string& bundleIdentifier, const Badge& badge = {})
{
    std::string error;
    ASSERT_TRUE(springboard::deliverNotification(bundleIdentifier, "Lunch at noon?", badge, &error)) << error;
}

CALayer* grabberLayer()
{
    return static_cast<UIView*>(grabber.get())->layer.get();
}

std::optional<double> shownOffset()
{
    return quartz::presentationValue(grabberLayer(), "transform.translation.y");
}

UILabel* label()
{
    return static_cast<UILabel*>(badgeLabel.get());
}

size_t heyLines()
{
    auto const lines = drawletLines();
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), [](const std::string& line) { return line.starts_with("[Drawlet] Hey look"); }));
}

}

FORKED_TEST(BadgeAndShake, ABulletinForThePinnedApplicationShakesTheGrabberAfterTheBanner)
{
    AutoreleasePool pool;
    launchPinnedShell();
    auto& loop = dispatch::RunLoop::main();
    int64_t const start = loop.nowNanoseconds();
    deliver(kNotes, { Badge::Kind::Number, 3, {} });
    EXPECT_EQ(springboard::shownBannerSection(), kNotes) << "the shell's own banner first";

    auto const& running = grabberLayer()->animations;
    ASSERT_EQ(running.size(), 1u);
    EXPECT_EQ(running.front().key->value, "shake");
    auto* shake = static_cast<CAKeyframeAnimation*>(running.front().animation.get());
    EXPECT_EQ(shake->keyPath->value, "transform.translation.y");
    std::vector<long long> values;
    for (auto const& value : shake->values->items) {
        auto* number = static_cast<NSNumber*>(value.get());
        EXPECT_EQ(number->kind, NSNumber::Kind::Integer);
        values.push_back(number->integer);
    }
    EXPECT_EQ(values, (std::vector<long long> { -20, 20, -20, 20, -10, 10, -5, 5, 0 }));
    EXPECT_EQ(shake->keyTimes, nullptr) << "spread evenly";
    EXPECT_EQ(shake->duration, 0.6);
    ASSERT_NE(shake->timingFunction, nullptr);
    auto const curve = shake->timingFunction->curve;
    EXPECT_TRUE(curve.x1 == 0 && curve.y1 == 0 && curve.x2 == 1 && curve.y2 == 1) << "linear";

    // 0.075 s between values, in a straight line.
    for (auto [step, offset] : std::vector<std::pair<double, double>> { { 0.075, 20 }, { 0.1125, 0 }, { 0.225, 20 }, { 0.3, -10 } }) {
        loop.runUntil(start + std::llround(step * 1e9));
        EXPECT_NEAR(shownOffset().value_or(99), offset, 1e-6) << "at " << step;
    }
    loop.runUntil(start + 600'000'000);
    EXPECT_TRUE(running.empty()) << "removed when done";
    EXPECT_EQ(send<CGRect>(grabber.get(), "frame"_sel).origin.y, 667 - 125) << "the grabber itself never moved";
}

FORKED_TEST(BadgeAndShake, TheLabelShowsANumberOrATextAndHidesWithoutABadge)
{
    AutoreleasePool pool;
    launchPinnedShell();
    deliver(kNotes, { Badge::Kind::Number, 3, {} });
    EXPECT_EQ(label()->text->value, "3");
    EXPECT_FALSE(label()->hidden);
    deliver(kNotes, { Badge::Kind::Text, 0, "new" });
    EXPECT_EQ(label()->text->value, "new");
    deliver(kNotes, { Badge::Kind::Clear, 0, {} });
    EXPECT_TRUE(label()->hidden);
    deliver(kNotes);
    EXPECT_TRUE(label()->hidden) << "a bulletin that leaves the badge as it was";
    auto const lines = drawletLines();
    std::vector<std::string> hey;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(hey), [](const std::string& line) { return line.starts_with("[Drawlet] Hey look"); });
    EXPECT_EQ(hey, (std::vector<std::string> { "[Drawlet] Hey look, you have has 3 notification(s)!!!", "[Drawlet] Hey look, you have has new notification(s)!!!" }));
}

FORKED_TEST(BadgeAndShake, ASecondBulletinWithinTheShakeRestartsIt)
{
    AutoreleasePool pool;
    launchPinnedShell();
    deliver(kNotes);
    runFor(0.3);
    deliver(kNotes);
    auto const& running = grabberLayer()->animations;
    ASSERT_EQ(running.size(), 1u);
    EXPECT_NEAR(shownOffset().value_or(99), -20, 1e-6) << "from the beginning";
    runFor(0.375);
    ASSERT_EQ(running.size(), 1u) << "the first shake's end does not end the second";
    EXPECT_NEAR(shownOffset().value_or(99), 10, 1e-6);
}

FORKED_TEST(BadgeAndShake, AnotherApplicationsBulletinOnlyShowsTheBanner)
{
    AutoreleasePool pool;
    launchPinnedShell();
    springboard::installApplication(SBApplication::make(kGrid, "Grid"));
    deliver(kGrid, { Badge::Kind::Number, 2, {} });
    EXPECT_EQ(springboard::shownBannerSection(), kGrid);
    EXPECT_TRUE(grabberLayer()->animations.empty());
    EXPECT_TRUE(label()->hidden);
    EXPECT_EQ(heyLines(), 0u);
}

FORKED_TEST(BadgeAndShake, WithNothingPinnedNothingShakes)
{
    AutoreleasePool pool;
    launchShell(375, 667, "<key>tweakEnabled</key><true/>");
    deliver(kNotes, { Badge::Kind::Number, 2, {} });
    EXPECT_EQ(springboard::shownBannerSection(), kNotes) << "the shell's banner shows all the same";
    EXPECT_TRUE(grabberLayer()->animations.empty());
    EXPECT_EQ(heyLines(), 0u);
}

FORKED_TEST(BadgeAndShake, TheLabelHidesWhenATapOpensThePanelAndWhenADragEndsClosed)
{
    AutoreleasePool pool;
    launchPinnedShell();
    deliver(kNotes, { Badge::Kind::Number, 3, {} });
    tapTheGrabber();
    EXPECT_FALSE(label()->hidden) << "until the opening slide ends";
    runFor(0.4);
    ASSERT_TRUE(isActive);
    EXPECT_TRUE(label()->hidden);

    tapTheGrabber();
    runFor(0.4);
    ASSERT_FALSE(isActive);
    deliver(kNotes);
    EXPECT_FALSE(label()->hidden);
    dragTheGrabberBy(-40);
    EXPECT_FALSE(isActive);
    EXPECT_TRUE(label()->hidden) << "at the release";
}

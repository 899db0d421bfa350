// UIView block animations: model values at once, on-screen values along the
// ease-in-out curve by the run loop's clock, completions at the end or, when
// a later animation takes a property over, at once with false.

#include "UIKitFixture.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSBlock.h"
#include "uikit/EaseInOutCurve.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Finish {
    bool finished;
    double at;
    bool operator==(const Finish&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Finish& f) { return out << "{" << (f.finished ? "true" : "false") << " at " << f.at << "}"; }

bool logged(const std::string& part)
{
    for (auto const& message : systemlog::capturedMessages()) {
        if (message.find(part) != std::string::npos)
            return true;
    }
    return false;
}

class Animations : public UIKitTest {
protected:
    void SetUp() override
    {
        UIKitTest::SetUp();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    }

    void TearDown() override
    {
        UIKitTest::TearDown();
        dispatch::RunLoop::main().reset();
    }

    static double now() { return dispatch::RunLoop::main().now(); }
    static void runUntil(double seconds) { dispatch::RunLoop::main().runUntil(std::llround(seconds * 1e9)); }

    // animateWithDuration:animations:completion: through the runtime; the
    // completion's calls land in `finishes`.
    void animate(double seconds, std::function<void()> changes, std::vector<Finish>* finishes = nullptr)
    {
        id completion = finishes ? makeCompletionBlock([finishes](bool finished) { finishes->push_back({ finished, now() }); }) : nullptr;
        send(uikit::UIViewClass(), "animateWithDuration:animations:completion:"_sel, seconds, static_cast<id>(makeBlock(std::move(changes))), completion);
    }

    static void moveTo(UIView* view, CGFloat x) { send(view, "setFrame:"_sel, CGRectMake(x, 0, 100, 50)); }
    static void fadeTo(UIView* view, CGFloat alpha) { send(view, "setAlpha:"_sel, alpha); }
    static CGFloat shownX(UIView* view) { return uikit::presentationFrame(view).origin.x; }
};

TEST(EaseInOutCurve, FollowsTheCubicBezierFromEndToEnd)
{
    // Values of the Bézier (0.42, 0, 0.58, 1), solved independently.
    EXPECT_EQ(uikit::easeInEaseOut(0), 0);
    EXPECT_EQ(uikit::easeInEaseOut(1), 1);
    EXPECT_NEAR(uikit::easeInEaseOut(0.1), 0.019722453548311196, 1e-9);
    EXPECT_NEAR(uikit::easeInEaseOut(0.25), 0.1291619310473198, 1e-9);
    EXPECT_NEAR(uikit::easeInEaseOut(0.5), 0.5, 1e-12);
    EXPECT_NEAR(uikit::easeInEaseOut(0.9), 0.9802775464516889, 1e-9);
    // Outside the duration, and not a number: clamped.
    EXPECT_EQ(uikit::easeInEaseOut(-1), 0);
    EXPECT_EQ(uikit::easeInEaseOut(2), 1);
    EXPECT_EQ(uikit::easeInEaseOut(std::numeric_limits<double>::quiet_NaN()), 0);
    double previous = 0;
    for (int step = 1; step <= 1000; ++step) {
        double const value = uikit::easeInEaseOut(step / 1000.0);
        EXPECT_GE(value, previous) << step;
        EXPECT_NEAR(value + uikit::easeInEaseOut(1 - step / 1000.0), 1, 1e-9) << step;
        previous = value;
    }
}

TEST_F(Animations, ModelAtOnceScreenAlongTheCurveCompletionAtTheEnd)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    std::vector<Finish> finishes;
    animate(
        0.3, [&] {
            moveTo(view, 200);
            fadeTo(view, 0);
        },
        &finishes);

    EXPECT_EQ(send<CGRect>(view.get(), "frame"_sel), CGRectMake(200, 0, 100, 50));
    EXPECT_EQ(send<CGFloat>(view.get(), "alpha"_sel), 0);
    EXPECT_EQ(uikit::presentationFrame(view), CGRectMake(0, 0, 100, 50));
    EXPECT_EQ(uikit::presentationAlpha(view), 1);
    EXPECT_TRUE(uikit::hasRunningAnimations());

    runUntil(0.075);
    EXPECT_NEAR(shownX(view), 200 * 0.1291619310473198, 1e-6);
    runUntil(0.15);
    EXPECT_NEAR(shownX(view), 100, 1e-9);
    EXPECT_NEAR(uikit::presentationAlpha(view), 0.5, 1e-9);
    EXPECT_EQ(uikit::presentationFrame(view).size, CGSizeMake(100, 50));
    runUntil(0.2999);
    EXPECT_TRUE(finishes.empty());

    runUntil(0.3);
    EXPECT_EQ(finishes, (std::vector<Finish> { { true, 0.3 } }));
    EXPECT_EQ(uikit::presentationFrame(view), CGRectMake(200, 0, 100, 50));
    EXPECT_EQ(uikit::presentationAlpha(view), 0);
    EXPECT_FALSE(uikit::hasRunningAnimations());
    runUntil(1);
    EXPECT_EQ(finishes.size(), 1u);
}

TEST_F(Animations, ANewAnimationStartsFromTheScreenAndEndsTheOldOneAtOnce)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    std::vector<Finish> first, second;
    animate(
        0.3, [&] {
            moveTo(view, 200);
            fadeTo(view, 0);
        },
        &first);
    runUntil(0.15);

    // Only the frame is taken over; the old alpha animation runs on.
    animate(
        0.3, [&] { moveTo(view, 0); }, &second);
    EXPECT_NEAR(shownX(view), 100, 1e-9);
    EXPECT_TRUE(first.empty()) << "the replaced completion runs on the run loop, not inside the block";
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(first, (std::vector<Finish> { { false, 0.15 } }));

    runUntil(0.3);
    // Half way back from the on-screen 100, and the alpha at its end.
    EXPECT_NEAR(shownX(view), 50, 1e-9);
    EXPECT_EQ(uikit::presentationAlpha(view), 0);
    EXPECT_EQ(first.size(), 1u) << "an interrupted animation completes once";
    runUntil(0.45);
    EXPECT_EQ(shownX(view), 0);
    EXPECT_EQ(second, (std::vector<Finish> { { true, 0.45 } }));
}

TEST_F(Animations, ChangesOutsideABlockShowAtOnceAndEndTheRunningAnimation)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    std::vector<Finish> finishes;
    animate(
        0.3, [&] { moveTo(view, 200); }, &finishes);
    runUntil(0.1);

    // The same value again changes nothing: the animation runs on.
    moveTo(view, 200);
    send(view.get(), "setAlpha:"_sel, 1.0);
    dispatch::RunLoop::main().drain();
    EXPECT_TRUE(finishes.empty());
    EXPECT_GT(shownX(view), 0);
    EXPECT_LT(shownX(view), 100);

    // A finger moving the view takes it over.
    moveTo(view, 30);
    EXPECT_EQ(shownX(view), 30);
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(finishes, (std::vector<Finish> { { false, 0.1 } }));
    EXPECT_FALSE(uikit::hasRunningAnimations());
    runUntil(1);
    EXPECT_EQ(finishes.size(), 1u);
}

TEST_F(Animations, EmptyNestedRepeatedAndInstantBlocks)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    std::vector<Finish> empty, outer, inner, instant, negative, repeated;

    // Nothing changes (or the same value is set): the completion still waits.
    animate(
        0.3, [&] { moveTo(view, 0); }, &empty);
    animate(
        0, [&] { moveTo(view, 10); }, &instant);
    EXPECT_EQ(shownX(view), 10) << "a zero duration shows the change at once";
    animate(
        -1, [] {}, &negative);
    dispatch::RunLoop::main().drain();
    EXPECT_EQ(instant, (std::vector<Finish> { { true, 0 } }));
    EXPECT_EQ(negative, (std::vector<Finish> { { true, 0 } }));
    EXPECT_TRUE(empty.empty());

    // An inner animation keeps its own duration and completion; the outer
    // one's changes keep theirs.
    auto other = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    animate(
        0.3, [&] {
            moveTo(view, 310);
            animate(
                0.1, [&] { moveTo(other, 100); }, &inner);
            fadeTo(view, 0.5);
        },
        &outer);
    // Set twice in one block: one animation, from where it was to the last value.
    animate(
        0.2, [&] {
            fadeTo(other, 0);
            fadeTo(other, 0.6);
        },
        &repeated);
    runUntil(0.075);
    EXPECT_NEAR(uikit::presentationFrame(other).origin.x, 100 * 0.8708380689526802, 1e-6);
    EXPECT_NEAR(shownX(view), 10 + 300 * 0.1291619310473198, 1e-6);
    runUntil(0.1);
    EXPECT_EQ(inner, (std::vector<Finish> { { true, 0.1 } }));
    EXPECT_NEAR(uikit::presentationAlpha(other), 0.8, 1e-9);
    runUntil(0.15);
    EXPECT_NEAR(shownX(view), 160, 1e-9);
    EXPECT_NEAR(uikit::presentationAlpha(view), 0.75, 1e-9);
    runUntil(0.3);
    EXPECT_EQ(repeated, (std::vector<Finish> { { true, 0.2 } }));
    EXPECT_EQ(empty, (std::vector<Finish> { { true, 0.3 } }));
    EXPECT_EQ(outer, (std::vector<Finish> { { true, 0.3 } }));
    EXPECT_EQ(shownX(view), 310);
}

TEST_F(Animations, WindowsCentreAndBoundsAnimateAndTheCallWithoutCompletion)
{
    auto window = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(270, 50, 320, 468));
    id changes = makeBlock([&] {
        send(window.get(), "setFrame:"_sel, CGRectMake(4, 50, 320, 468));
        send(window.get(), "setAlpha:"_sel, 0.0);
    });
    send(uikit::UIViewClass(), "animateWithDuration:animations:"_sel, 0.3, changes);
    EXPECT_EQ(send<CGRect>(window.get(), "frame"_sel).origin.x, 4);
    runUntil(0.15);
    EXPECT_NEAR(uikit::presentationFrame(window).origin.x, 137, 1e-9);
    EXPECT_NEAR(uikit::presentationAlpha(window), 0.5, 1e-9);
    runUntil(0.3);
    EXPECT_EQ(uikit::presentationFrame(window), CGRectMake(4, 50, 320, 468));

    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    animate(0.2, [&] {
        send(view.get(), "setCenter:"_sel, CGPointMake(150, 25));
        send(view.get(), "setBounds:"_sel, CGRectMake(0, 0, 200, 50));
    });
    runUntil(0.4);
    // Centre moved by 100, then the size grew about the new centre.
    EXPECT_NEAR(uikit::presentationFrame(view).origin.x, 25, 1e-9);
    EXPECT_NEAR(uikit::presentationFrame(view).size.width, 150, 1e-9);
    runUntil(0.5);
    EXPECT_EQ(uikit::presentationFrame(view), CGRectMake(50, 0, 200, 50));
}

TEST_F(Animations, PresentationFrameFollowsTheTransformAsFrameDoes)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(10, 20, 100, 50));
    double const turn = 0.5;
    send(view.get(), "setTransform:"_sel, CGAffineTransform { std::cos(turn) * 2, std::sin(turn), -std::sin(turn), std::cos(turn) * 0.5, 7, -3 });
    CGRect const frame = send<CGRect>(view.get(), "frame"_sel);
    CGRect const shown = uikit::presentationFrame(view);
    EXPECT_NEAR(shown.origin.x, frame.origin.x, 1e-9);
    EXPECT_NEAR(shown.origin.y, frame.origin.y, 1e-9);
    EXPECT_NEAR(shown.size.width, frame.size.width, 1e-9);
    EXPECT_NEAR(shown.size.height, frame.size.height, 1e-9);
    EXPECT_EQ(uikit::presentationUntransformedFrame(view), CGRectMake(10, 20, 100, 50));
}

TEST_F(Animations, BadInputAndResetLoseNothingAndCrashNothing)
{
    auto view = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
    std::vector<Finish> finishes;
    animate(
        std::numeric_limits<double>::quiet_NaN(), [&] { moveTo(view, 40); }, &finishes);
    EXPECT_EQ(shownX(view), 40);
    EXPECT_TRUE(logged("not a number"));
    // A completion that is not a block is refused with a log line.
    send(uikit::UIViewClass(), "animateWithDuration:animations:completion:"_sel, 0.1, static_cast<id>(nullptr), static_cast<id>(NSString::make("no block")));
    runUntil(0.2);
    EXPECT_EQ(finishes, (std::vector<Finish> { { true, 0 } }));
    EXPECT_TRUE(logged("not a block"));

    // The animation keeps a view its owner dropped until it ends.
    {
        auto dropped = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 50));
        animate(0.3, [&] { moveTo(dropped, 100); });
    }
    runUntil(0.6);
    EXPECT_FALSE(uikit::hasRunningAnimations());

    std::vector<Finish> forgotten;
    animate(
        0.3, [&] { moveTo(view, 0); }, &forgotten);
    animate(
        0.3, [&] { moveTo(view, 90); }, &forgotten);
    uikit::reset();
    EXPECT_EQ(shownX(view), 90);
    runUntil(2);
    EXPECT_TRUE(forgotten.empty());
}

}

// Touches and gesture recognizers on virtual time: what each recognizer
// recognises, which one wins a touch, and where a touch lands.

#include "RefuseWindowsOwnArea.h"
#include "UIKitFixture.h"

#include "dispatch/RunLoop.h"
#include "substrate/Substrate.h"
#include "support/ForkedTest.h"

#include <cmath>
#include <functional>

namespace {

// What one action call saw.
struct Call {
    id recognizer;
    long state;
    CGPoint location;
    CGPoint translation;
    CGPoint velocity;
    double time;
};

struct Recorder : NSObject {
    std::vector<Call> calls;
    UIView* space = nullptr;
    // Runs after each call is recorded.
    std::function<void()> onCall;
};

void handle(id self, SEL, id recognizer)
{
    auto* recorder = static_cast<Recorder*>(self);
    Call call { recognizer, send<long>(recognizer, "state"_sel), send<CGPoint>(recognizer, "locationInView:"_sel, static_cast<id>(recorder->space)), {}, {}, dispatch::RunLoop::main().now() };
    if (foundation::isKindOf(recognizer, uikit::UIPanGestureRecognizerClass())) {
        call.translation = send<CGPoint>(recognizer, "translationInView:"_sel, static_cast<id>(recorder->space));
        call.velocity = send<CGPoint>(recognizer, "velocityInView:"_sel, static_cast<id>(recorder->space));
    }
    recorder->calls.push_back(call);
    if (auto const next = recorder->onCall)
        next();
}

void takesANumber(id, SEL, long) { }

Class recorderClass()
{
    static Class cls = nullptr;
    if (cls)
        return cls;
    cls = runtime::defineClass("GestureTestRecorder", foundation::NSObjectClass(), runtime::makeInstance<Recorder>);
    addMethod(cls, "handle:"_sel, handle);
    addMethod(cls, "takesANumber:"_sel, takesANumber);
    return cls;
}

class Gestures : public UIKitTest {
protected:
    void SetUp() override
    {
        UIKitTest::SetUp();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
        recorder = adopt(static_cast<Recorder*>(send<id>(send<id>(recorderClass(), "alloc"_sel), "init"_sel)));
        window = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(0, 0, 320, 568));
        send(window.get(), "setHidden:"_sel, false);
        box = make<UIView>(uikit::UIViewClass(), CGRectMake(100, 100, 100, 100));
        send(window.get(), "addSubview:"_sel, static_cast<id>(box.get()));
        recorder->space = box;
    }

    void TearDown() override
    {
        UIKitTest::TearDown();
        dispatch::RunLoop::main().reset();
    }

    id add(Class cls, UIView* view)
    {
        id recognizer = send<id>(send<id>(cls, "alloc"_sel), "initWithTarget:action:"_sel, static_cast<id>(recorder.get()), "handle:"_sel);
        send(static_cast<id>(view), "addGestureRecognizer:"_sel, recognizer);
        objc_release(recognizer);
        return recognizer;
    }

    static double now() { return dispatch::RunLoop::main().now(); }
    static void wait(double seconds) { dispatch::RunLoop::main().runFor(seconds); }
    static uikit::TouchInput& input() { return uikit::TouchInput::shared(); }
    static UIView* down(CGPoint at, long finger = 0) { return input().touchBegan(at, now(), finger); }
    static void move(CGPoint to, long finger = 0) { input().touchMoved(to, now(), finger); }
    static void up(CGPoint at, long finger = 0) { input().touchEnded(at, now(), finger); }

    // A finger moving in a straight line, one event every 1/120 s, then lifting.
    static void drag(CGPoint from, CGPoint to, double seconds, bool lift = true)
    {
        down(from);
        int const steps = std::max(1, static_cast<int>(std::lround(seconds * 120)));
        for (int i = 1; i <= steps; ++i) {
            wait(seconds / steps);
            move({ from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps });
        }
        if (lift)
            up(to);
    }

    std::vector<long> statesOf(id recognizer) const
    {
        std::vector<long> states;
        for (Call const& call : recorder->calls) {
            if (call.recognizer == recognizer)
                states.push_back(call.state);
        }
        return states;
    }

    Strong<Recorder> recorder;
    Strong<UIWindow> window;
    Strong<UIView> box;
};

using States = std::vector<long>;

TEST_F(Gestures, TapRecognisedAtLiftWithinItsMovementAndDuration)
{
    id tap = add(uikit::UITapGestureRecognizerClass(), box);
    EXPECT_EQ(down({ 150, 150 }), box.get());
    wait(0.1);
    move({ 157, 157 }); // 9.9 pt
    EXPECT_TRUE(recorder->calls.empty());
    up({ 152, 151 });
    ASSERT_EQ(statesOf(tap), States { 3 });
    EXPECT_EQ(recorder->calls[0].location, CGPointMake(52, 51));
    EXPECT_EQ(send<long>(tap, "state"_sel), 0);

    // Just within the limits it is still a tap.
    down({ 150, 150 });
    wait(uikit::kTapLongestDuration - 0.01);
    up({ 160, 150 });
    EXPECT_EQ(statesOf(tap).size(), 2u);

    // Past them, or with a second finger, no tap.
    down({ 150, 150 });
    move({ 160.5, 150 });
    move({ 150, 150 });
    up({ 150, 150 });
    down({ 150, 150 });
    wait(uikit::kTapLongestDuration + 0.01);
    up({ 150, 150 });
    down({ 150, 150 });
    down({ 160, 160 }, 1);
    up({ 160, 160 }, 1);
    up({ 150, 150 });
    EXPECT_EQ(statesOf(tap).size(), 2u);
}

TEST_F(Gestures, OneTouchMakesOneGestureNearestViewFirst)
{
    id boxTap = add(uikit::UITapGestureRecognizerClass(), box);
    id windowTap = add(uikit::UITapGestureRecognizerClass(), window);
    id pan = add(uikit::UIPanGestureRecognizerClass(), box);
    id hold = add(uikit::UILongPressGestureRecognizerClass(), box);

    down({ 150, 150 });
    up({ 150, 150 });
    EXPECT_EQ(statesOf(boxTap), States { 3 });
    EXPECT_TRUE(statesOf(windowTap).empty());
    down({ 20, 20 });
    up({ 20, 20 });
    EXPECT_EQ(statesOf(windowTap), States { 3 });

    // A pan that starts stops the pending tap and long press; holding on
    // afterwards does not bring the long press back.
    recorder->calls.clear();
    drag({ 150, 150 }, { 170, 150 }, 0.1, false);
    EXPECT_EQ(send<long>(boxTap, "state"_sel), 5);
    EXPECT_EQ(send<long>(hold, "state"_sel), 5);
    wait(1);
    up({ 170, 150 });
    EXPECT_EQ(statesOf(pan), (States { 1, 2, 2, 2, 2, 2, 2, 3 }));
    EXPECT_EQ(recorder->calls.size(), statesOf(pan).size());

    // A held press begins first and keeps the touch from the pan and the tap.
    recorder->calls.clear();
    down({ 150, 150 });
    wait(0.5);
    move({ 180, 150 });
    up({ 180, 150 });
    EXPECT_EQ(statesOf(hold), (States { 1, 2, 3 }));
    EXPECT_EQ(recorder->calls.size(), 3u);
}

TEST_F(Gestures, PanReportsTranslationAndVelocityInTheAskingView)
{
    id pan = add(uikit::UIPanGestureRecognizerClass(), box);
    // 240 points a second to the right: the pan starts at 10 points.
    drag({ 120, 150 }, { 180, 150 }, 0.25);
    auto const& calls = recorder->calls;
    ASSERT_EQ(statesOf(pan).size(), 27u);
    EXPECT_EQ(calls.front().state, 1);
    EXPECT_NEAR(calls.front().translation.x, 10, 1e-9);
    EXPECT_NEAR(calls.front().time, 10.0 / 240, 1e-6);
    EXPECT_EQ(calls.back().state, 3);
    EXPECT_NEAR(calls.back().translation.x, 60, 1e-9);
    EXPECT_NEAR(calls.back().velocity.x, 240, 1e-3);
    EXPECT_NEAR(calls.back().velocity.y, 0, 1e-9);
    EXPECT_NEAR(calls.back().location.x, 80, 1e-9);

    // In a view scaled to twice the size the same movement measures half;
    // a reset translation counts from the moment it is set.
    recorder->calls.clear();
    auto inner = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 50, 50));
    send(inner.get(), "setTransform:"_sel, CGAffineTransformMakeScale(2, 2));
    send(box.get(), "addSubview:"_sel, static_cast<id>(inner.get()));
    recorder->space = inner;
    drag({ 110, 150 }, { 150, 150 }, 0.25, false);
    EXPECT_NEAR(recorder->calls.back().translation.x, 20, 1e-9);
    EXPECT_NEAR(recorder->calls.back().velocity.x, 80, 1e-3);
    send(pan, "setTranslation:inView:"_sel, CGPointMake(0, 0), static_cast<id>(box.get()));
    wait(1.0 / 120);
    move({ 150, 160 });
    EXPECT_EQ(recorder->calls.back().translation, CGPointMake(0, 5));
    // A finger that stops before lifting lifts with no velocity.
    wait(0.2);
    up({ 150, 160 });
    EXPECT_EQ(recorder->calls.back().state, 3);
    EXPECT_EQ(recorder->calls.back().velocity, CGPointMake(0, 0));
}

TEST_F(Gestures, PanCountsItsFingers)
{
    id pan = add(uikit::UIPanGestureRecognizerClass(), box);
    send(pan, "setMinimumNumberOfTouches:"_sel, 2ul);
    drag({ 120, 150 }, { 180, 150 }, 0.1);
    EXPECT_TRUE(recorder->calls.empty());

    // Two fingers: the centre moves, and a lift below the minimum ends it.
    down({ 110, 110 }, 0);
    down({ 130, 130 }, 1);
    move({ 110, 135 }, 0);
    EXPECT_EQ(recorder->calls.back().translation, CGPointMake(0, 12.5));
    move({ 130, 145 }, 1);
    EXPECT_EQ(statesOf(pan), (States { 1, 2 }));
    EXPECT_EQ(recorder->calls.back().translation, CGPointMake(0, 20));
    up({ 130, 145 }, 1);
    EXPECT_EQ(statesOf(pan), (States { 1, 2, 3 }));
    up({ 110, 135 }, 0);
    EXPECT_EQ(statesOf(pan).size(), 3u);

    // More fingers than the maximum before it starts: it fails.
    send(pan, "setMinimumNumberOfTouches:"_sel, 1ul);
    send(pan, "setMaximumNumberOfTouches:"_sel, 1ul);
    down({ 110, 110 }, 0);
    down({ 130, 130 }, 1);
    move({ 140, 110 }, 0);
    EXPECT_EQ(send<long>(pan, "state"_sel), 5);
    up({ 140, 110 }, 0);
    up({ 130, 130 }, 1);
    EXPECT_EQ(send<long>(pan, "state"_sel), 0);
    EXPECT_EQ(statesOf(pan).size(), 3u);
}

TEST_F(Gestures, SwipeNeedsItsDirectionSpeedAndAStraightLine)
{
    id swipe = add(uikit::UISwipeGestureRecognizerClass(), window);
    EXPECT_EQ(send<unsigned long>(swipe, "direction"_sel), 1ul);
    drag({ 100, 300 }, { 200, 300 }, 0.1);
    EXPECT_EQ(statesOf(swipe), States { 3 });
    // Recognised at the deciding distance, not at the lift.
    EXPECT_NEAR(recorder->calls[0].time, 0.05, 1e-6);
    EXPECT_NEAR(recorder->calls[0].location.x, 50, 1e-9);

    drag({ 200, 300 }, { 100, 300 }, 0.1); // wrong way
    drag({ 100, 300 }, { 200, 300 }, 0.5); // a drag, 200 pt/s
    drag({ 100, 300 }, { 200, 360 }, 0.1); // too slanted
    drag({ 100, 300 }, { 140, 300 }, 0.05); // too short
    EXPECT_EQ(statesOf(swipe).size(), 1u);

    send(swipe, "setDirection:"_sel, static_cast<unsigned long>(UISwipeGestureRecognizerDirectionLeft | UISwipeGestureRecognizerDirectionUp));
    drag({ 200, 300 }, { 200, 200 }, 0.1);
    drag({ 200, 300 }, { 100, 300 }, 0.1);
    drag({ 200, 300 }, { 200, 400 }, 0.1);
    EXPECT_EQ(statesOf(swipe), (States { 3, 3, 3 }));
}

TEST_F(Gestures, SwipeAndPanBothRecogniseOnOneTouch)
{
    id pan = add(uikit::UIPanGestureRecognizerClass(), box);
    id swipe = add(uikit::UISwipeGestureRecognizerClass(), window);
    id tap = add(uikit::UITapGestureRecognizerClass(), window);
    drag({ 110, 150 }, { 210, 150 }, 0.1);
    ASSERT_EQ(statesOf(swipe), States { 3 });
    EXPECT_TRUE(statesOf(tap).empty());
    States const panStates = statesOf(pan);
    EXPECT_EQ(panStates.front(), 1);
    EXPECT_EQ(panStates.back(), 3);
    // The pan runs on after the swipe.
    auto swipeCall = std::find_if(recorder->calls.begin(), recorder->calls.end(), [&](const Call& c) { return c.recognizer == swipe; });
    EXPECT_EQ(recorder->calls.back().recognizer, pan);
    EXPECT_GT(std::count_if(swipeCall, recorder->calls.end(), [&](const Call& c) { return c.recognizer == pan && c.state == 2; }), 3);
}

TEST_F(Gestures, LongPressBeginsFromTheTimerWhileHeld)
{
    id hold = add(uikit::UILongPressGestureRecognizerClass(), box);
    send(hold, "setMinimumPressDuration:"_sel, 1.0);
    down({ 150, 150 });
    wait(0.999);
    EXPECT_TRUE(recorder->calls.empty());
    wait(0.001);
    ASSERT_EQ(statesOf(hold), States { 1 });
    EXPECT_DOUBLE_EQ(recorder->calls[0].time, 1.0);
    move({ 170, 150 });
    wait(2);
    up({ 170, 150 });
    EXPECT_EQ(statesOf(hold), (States { 1, 2, 3 }));
    EXPECT_EQ(recorder->calls.back().location, CGPointMake(70, 50));

    // Lifted early, or moved past its allowance first: nothing, now or later.
    down({ 150, 150 });
    wait(0.9);
    up({ 150, 150 });
    down({ 150, 150 });
    move({ 150, 161 });
    wait(2);
    up({ 150, 161 });
    EXPECT_EQ(statesOf(hold).size(), 3u);
    EXPECT_EQ(dispatch::RunLoop::main().pendingTimerCount(), 0u);

    send(hold, "setMinimumPressDuration:"_sel, -1.0);
    EXPECT_DOUBLE_EQ(send<double>(hold, "minimumPressDuration"_sel), 1.0);
}

TEST_F(Gestures, TouchesPassOverWindowsAndViewsThatDecline)
{
    auto front = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(270, 0, 320, 568));
    send(front.get(), "setWindowLevel:"_sel, UIWindowLevelStatusBar + 1);
    send(front.get(), "setHidden:"_sel, false);
    auto grabber = make<UIView>(uikit::UIViewClass(), CGRectMake(26, 443, 70, 25));
    send(front.get(), "addSubview:"_sel, static_cast<id>(grabber.get()));

    EXPECT_EQ(down({ 300, 450 }), grabber.get());
    up({ 300, 450 });
    EXPECT_EQ(down({ 280, 20 }), front.get());
    up({ 280, 20 });
    EXPECT_EQ(down({ 150, 150 }), box.get());
    up({ 150, 150 });

    // Hidden, nearly transparent or non-interactive: the touch goes below.
    send(grabber.get(), "setHidden:"_sel, true);
    EXPECT_EQ(down({ 300, 450 }), front.get());
    up({ 300, 450 });
    send(grabber.get(), "setHidden:"_sel, false);
    send(front.get(), "setAlpha:"_sel, 0.009);
    EXPECT_EQ(down({ 300, 450 }), window.get());
    up({ 300, 450 });
    send(front.get(), "setAlpha:"_sel, 1.0);
    send(grabber.get(), "setUserInteractionEnabled:"_sel, false);
    EXPECT_EQ(down({ 300, 450 }), front.get());
    up({ 300, 450 });

    // At equal levels the window made visible last takes the touch.
    auto later = make<UIWindow>(uikit::UIWindowClass(), CGRectMake(0, 0, 200, 200));
    send(later.get(), "setHidden:"_sel, false);
    EXPECT_EQ(down({ 150, 150 }), later.get());
    up({ 150, 150 });

    // Nothing takes a touch off every window; it is dropped quietly.
    EXPECT_EQ(down({ 400, 700 }), nullptr);
    move({ 410, 700 });
    up({ 410, 700 });
    EXPECT_EQ(input().activeTouchCount(), 0u);
    EXPECT_TRUE(systemlog::captured().empty());
}

FORKED_TEST(GestureHitTesting, AWindowThatDeclinesPassesTheTouchBelowThroughTheRuntime)
{
    uikit::registerClasses();
    AutoreleasePool pool;
    dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
    auto makeView = [](Class cls, CGRect frame) { return adopt(send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame)); };
    auto home = makeView(uikit::UIWindowClass(), CGRectMake(0, 0, 320, 568));
    auto overlay = makeView(uikit::UIWindowClass(), CGRectMake(270, 0, 320, 568));
    auto grabber = makeView(uikit::UIViewClass(), CGRectMake(26, 443, 70, 25));
    send(overlay.get(), "setWindowLevel:"_sel, UIWindowLevelStatusBar + 1);
    send(home.get(), "setHidden:"_sel, false);
    send(overlay.get(), "setHidden:"_sel, false);
    send(overlay.get(), "addSubview:"_sel, grabber.get());
    MSHookMessageEx(uikit::UIViewClass(), "hitTest:withEvent:"_sel, uikittest::refuseWindowsOwnArea, &uikittest::previousHitTest);

    auto& input = uikit::TouchInput::shared();
    EXPECT_EQ(input.touchBegan({ 280, 20 }, 0), nullptr);
    input.touchEnded({ 280, 20 }, 0);
    EXPECT_EQ(input.touchBegan({ 300, 450 }, 0), grabber.get());
    input.touchEnded({ 300, 450 }, 0);
    // The home window's own area is refused too, so nothing takes it.
    EXPECT_EQ(input.touchBegan({ 100, 20 }, 0), nullptr);
    input.touchEnded({ 100, 20 }, 0);
    auto icon = makeView(uikit::UIViewClass(), CGRectMake(250, 0, 60, 60));
    send(home.get(), "addSubview:"_sel, icon.get());
    EXPECT_EQ(input.touchBegan({ 280, 20 }, 0), icon.get());
    input.touchEnded({ 280, 20 }, 0);
}

TEST_F(Gestures, ASinkTakesItsTouchesFromEveryRecognizer)
{
    id tap = add(uikit::UITapGestureRecognizerClass(), window);
    auto content = make<UIView>(uikit::UIViewClass(), CGRectMake(10, 10, 20, 20));
    send(box.get(), "addSubview:"_sel, static_cast<id>(content.get()));
    std::vector<std::pair<long, CGPoint>> seen;
    box->touchSink = [&](UITouch* touch) { seen.emplace_back(touch->phase, touch->location(box)); };

    EXPECT_EQ(down({ 115, 115 }), content.get());
    move({ 116, 117 });
    up({ 118, 117 });
    down({ 150, 150 });
    input().touchCancelled(now());
    using Seen = std::vector<std::pair<long, CGPoint>>;
    EXPECT_EQ(seen, (Seen { { 0, { 15, 15 } }, { 1, { 16, 17 } }, { 1, { 18, 17 } }, { 3, { 18, 17 } }, { 0, { 50, 50 } }, { 4, { 50, 50 } } }));
    EXPECT_TRUE(statesOf(tap).empty());
}

TEST_F(Gestures, TouchesNoWindowTakesGoToTheUnclaimedSinkAlone)
{
    id tap = add(uikit::UITapGestureRecognizerClass(), window);
    struct Seen {
        long phase;
        long finger;
        CGPoint location;
        bool withoutView;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    input().setUnclaimedTouchSink([&](UITouch* touch) { seen.push_back({ touch->phase, touch->finger, touch->location(nullptr), !touch->view && !touch->window }); });

    // Outside the one window, on the screen below it.
    EXPECT_EQ(down({ 400, 20 }, 3), nullptr);
    move({ 405, 22 }, 3);
    up({ 405, 22 }, 3);
    // A touch the window takes is the window's alone.
    down({ 150, 150 });
    up({ 150, 150 });
    EXPECT_EQ((std::vector<Seen> { { 0, 3, { 400, 20 }, true }, { 1, 3, { 405, 22 }, true }, { 3, 3, { 405, 22 }, true } }), seen);
    EXPECT_EQ(statesOf(tap), States { 3 });

    // The touch input's reset forgets the sink.
    input().reset();
    seen.clear();
    down({ 400, 20 });
    up({ 400, 20 });
    EXPECT_TRUE(seen.empty());
}

TEST_F(Gestures, GesturesStopCleanlyWhenTheirViewOrTargetGoesWrong)
{
    // Taken off its view, or disabled, mid-pan: the target hears a cancel.
    id pan = add(uikit::UIPanGestureRecognizerClass(), box);
    Strong<objc_object> const keepPan(pan);
    drag({ 120, 150 }, { 150, 150 }, 0.1, false);
    send(box.get(), "removeGestureRecognizer:"_sel, pan);
    move({ 160, 150 });
    up({ 160, 150 });
    EXPECT_EQ(statesOf(pan).back(), 4);
    EXPECT_EQ(send<id>(box.get(), "gestureRecognizers"_sel), nullptr);

    recorder->calls.clear();
    send(window.get(), "addGestureRecognizer:"_sel, pan);
    drag({ 120, 150 }, { 150, 150 }, 0.1, false);
    send(pan, "setEnabled:"_sel, false);
    up({ 160, 150 });
    EXPECT_EQ(statesOf(pan).back(), 4);
    send(pan, "setEnabled:"_sel, true);

    // A view freed mid-gesture: the touch holds only the view it landed on
    // and its window, so a recognizer of a view between them can lose it.
    auto inner = make<UIView>(uikit::UIViewClass(), CGRectMake(0, 0, 100, 100));
    send(box.get(), "addSubview:"_sel, static_cast<id>(inner.get()));
    send(box.get(), "addGestureRecognizer:"_sel, pan);
    recorder->space = inner;
    recorder->calls.clear();
    drag({ 120, 150 }, { 150, 150 }, 0.1, false);
    send(box.get(), "removeFromSuperview"_sel);
    box = nullptr;
    move({ 170, 150 });
    up({ 170, 150 });
    EXPECT_EQ(statesOf(pan).back(), 4);
    EXPECT_EQ(send<id>(pan, "view"_sel), nullptr);

    // A target that answers with another encoding is skipped, once logged.
    recorder->calls.clear();
    systemlog::reset();
    id tap = send<id>(send<id>(uikit::UITapGestureRecognizerClass(), "alloc"_sel), "initWithTarget:action:"_sel, static_cast<id>(recorder.get()), "takesANumber:"_sel);
    send(tap, "addTarget:action:"_sel, static_cast<id>(recorder.get()), "handle:"_sel);
    send(static_cast<id>(inner.get()), "addGestureRecognizer:"_sel, tap);
    objc_release(tap);
    send(window.get(), "addSubview:"_sel, static_cast<id>(inner.get()));
    for (int i = 0; i < 2; ++i) {
        down({ 50, 50 });
        up({ 50, 50 });
    }
    EXPECT_EQ(statesOf(tap), (States { 3, 3 }));
    EXPECT_EQ(systemlog::captured().size(), 1u);

    // Bad input is refused and loses nothing.
    down({ NAN, 10 });
    move({ 10, 10 }, 7);
    EXPECT_EQ(input().activeTouchCount(), 0u);
    EXPECT_EQ(systemlog::captured().size(), 3u);

    // An action that cancels every touch while the touch's other recognizers
    // are still to be told of the movement: none of them is left stuck.
    recorder->calls.clear();
    id innerPan = add(uikit::UIPanGestureRecognizerClass(), inner);
    id hold = add(uikit::UILongPressGestureRecognizerClass(), window);
    recorder->onCall = [] { uikit::TouchInput::shared().cancelAllTouches(now()); };
    drag({ 20, 20 }, { 65, 20 }, 0.1);
    recorder->onCall = nullptr;
    EXPECT_EQ(statesOf(innerPan), (States { 1, 4 }));
    down({ 20, 20 });
    wait(1);
    up({ 20, 20 });
    EXPECT_EQ(statesOf(hold), (States { 1, 3 }));
}

}

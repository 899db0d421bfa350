// The touch, home and rotation verbs: what their parsers refuse, and, run in
// this process on virtual time, what the recognizers, the home button and
// the shell's application object receive from them.
#include "Script.h"
#include "ScriptRunner.h"

#include "activator/ActivatorClasses.h"
#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

std::string lineError(const std::string& line)
{
    auto script = sim::parseScript(line);
    return script.errors.empty() ? "" : script.errors[0].message;
}

}

TEST(TouchVerbParser, RefusesBadArguments)
{
    for (auto const* line : { "tap", "tap 1", "tap 1 2 3", "tap x 2", "tap 1 nan", "tap inf 2", "tap 1e7 2", "tap 1 -1000001", "tap \"\" 2",
             "tap 1,5 2", "drag 1 2 3 4", "drag 1 2 3 4 5 6", "drag 1 2 3 4 -1", "drag 1 2 3 4 1e9", "drag 1 2 3 y 1", "drag 1 2 3 4 nan",
             "swipe 1 2 3", "swipe 1 2 3 4 0.1", "swipe 1 2 3 1e300", "hold 1 2", "hold 1 2 -0.5", "hold 1 2 forever", "hold 1 2 3 4",
             "home now", "rotate", "rotate 0", "rotate 5", "rotate 1.0", "rotate -1", "rotate left", "rotate 1 2", "rotate \" 1\"" })
        EXPECT_NE(lineError(line), "") << line;

    for (auto const* line : { "tap 0 0", "tap 361 554", "tap -40 2000.5", "tap 1e-3 1e2", "drag 10 10 300 10 0", "drag 10 10 300 10 0.5",
             "swipe 300 300 20 300", "hold 5 5 0", "hold 5 5 2.5", "home", "rotate 1", "rotate 2", "rotate 3", "rotate 4" })
        EXPECT_EQ(lineError(line), "") << line;

    EXPECT_NE(lineError("drag 1 2 3 4").find("usage: drag X1 Y1 X2 Y2 SECONDS"), std::string::npos) << lineError("drag 1 2 3 4");
    EXPECT_NE(lineError("tap 1 oops").find("Y \"oops\""), std::string::npos) << lineError("tap 1 oops");
    EXPECT_NE(lineError("rotate 7").find("1, 2, 3 or 4"), std::string::npos) << lineError("rotate 7");
}

namespace {

// What one action call saw.
struct Call {
    id recognizer;
    long state;
    CGPoint location;
    CGPoint translation;
    double time;
};

struct Recorder : NSObject {
    std::vector<Call> calls;
};

void handle(id self, SEL, id recognizer)
{
    Call call { recognizer, send<long>(recognizer, "state"_sel), send<CGPoint>(recognizer, "locationInView:"_sel, static_cast<id>(nullptr)), {},
        dispatch::RunLoop::main().now() };
    if (foundation::isKindOf(recognizer, uikit::UIPanGestureRecognizerClass()))
        call.translation = send<CGPoint>(recognizer, "translationInView:"_sel, static_cast<id>(nullptr));
    static_cast<Recorder*>(self)->calls.push_back(call);
}

Class recorderClass()
{
    static Class cls = nullptr;
    if (cls)
        return cls;
    cls = runtime::defineClass("TouchVerbsTestRecorder", foundation::NSObjectClass(), runtime::makeInstance<Recorder>);
    addMethod(cls, "handle:"_sel, handle);
    return cls;
}

// A full-screen window on a 375 × 667 screen, on virtual time, with a view
// whose recognizers the verbs should reach.
class TouchVerbs : public testing::Test {
protected:
    void SetUp() override
    {
        springboard::registerClasses();
        activator::registerClasses();
        uikit::reset();
        springboard::reset();
        activator::reset();
        systemlog::setWritesToStandardError(false);
        systemlog::reset();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
        pool.emplace();
        uikit::setMainScreenSize(375, 667);
        recorder = adopt(static_cast<Recorder*>(send<id>(send<id>(recorderClass(), "alloc"_sel), "init"_sel)));
        window = make(uikit::UIWindowClass(), CGRectMake(0, 0, 375, 667));
        send(static_cast<id>(window.get()), "setHidden:"_sel, false);
        view = make(uikit::UIViewClass(), CGRectMake(0, 0, 375, 667));
        send(static_cast<id>(window.get()), "addSubview:"_sel, static_cast<id>(view.get()));
    }

    void TearDown() override
    {
        recorder = nullptr;
        view = nullptr;
        window = nullptr;
        pool.reset();
        uikit::reset();
        springboard::reset();
        activator::reset();
        dispatch::RunLoop::main().reset();
        systemlog::setWritesToStandardError(true);
    }

    Strong<UIView> make(Class cls, CGRect frame)
    {
        return adopt(static_cast<UIView*>(send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame)));
    }

    id add(Class cls)
    {
        id recognizer = send<id>(send<id>(cls, "alloc"_sel), "initWithTarget:action:"_sel, static_cast<id>(recorder.get()), "handle:"_sel);
        send(static_cast<id>(view.get()), "addGestureRecognizer:"_sel, recognizer);
        objc_release(recognizer);
        return recognizer;
    }

    int run(const std::string& text)
    {
        auto script = sim::parseScript(text);
        EXPECT_TRUE(script.errors.empty()) << text;
        sim::ScriptContext context { "/nonexistent" };
        return sim::runScript(script, context);
    }

    std::vector<Call> callsOf(id recognizer) const
    {
        std::vector<Call> calls;
        for (Call const& call : recorder->calls) {
            if (call.recognizer == recognizer)
                calls.push_back(call);
        }
        return calls;
    }

    std::optional<AutoreleasePool> pool;
    Strong<Recorder> recorder;
    Strong<UIView> window;
    Strong<UIView> view;
};

}

TEST_F(TouchVerbs, TapIsATapAtItsPointAndNothingElse)
{
    id tap = add(uikit::UITapGestureRecognizerClass());
    id pan = add(uikit::UIPanGestureRecognizerClass());
    id press = add(uikit::UILongPressGestureRecognizerClass());
    EXPECT_EQ(run("tap 361 554\ntap -50 -50\ntap 20 30.5"), 0);
    auto const taps = callsOf(tap);
    ASSERT_EQ(taps.size(), 2u) << "the tap off the screen touches nothing";
    EXPECT_EQ(taps[0].state, UIGestureRecognizerStateRecognized);
    EXPECT_EQ(taps[0].location, CGPointMake(361, 554));
    EXPECT_NEAR(taps[0].time, 0.05, 1e-9) << "down, then up a moment later";
    EXPECT_EQ(taps[1].location, CGPointMake(20, 30.5));
    EXPECT_TRUE(callsOf(pan).empty());
    EXPECT_TRUE(callsOf(press).empty());
    EXPECT_EQ(uikit::TouchInput::shared().activeTouchCount(), 0u) << "every finger lifted";
}

TEST_F(TouchVerbs, DragMovesInAStraightLineEvery120thOfASecond)
{
    id pan = add(uikit::UIPanGestureRecognizerClass());
    id tap = add(uikit::UITapGestureRecognizerClass());
    EXPECT_EQ(run("drag 300 400 60 280 0.5"), 0);
    auto const calls = callsOf(pan);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().state, UIGestureRecognizerStateBegan);
    EXPECT_EQ(calls.back().state, UIGestureRecognizerStateEnded);
    EXPECT_NEAR(calls.back().time, 0.5, 1e-9) << "the finger lifts at the end";
    EXPECT_NEAR(calls.back().translation.x, -240, 1e-9);
    EXPECT_NEAR(calls.back().translation.y, -120, 1e-9);
    // Every movement after the start is a change, one each 1/120 s, on the line.
    size_t changes = 0;
    for (size_t i = 1; i + 1 < calls.size(); ++i) {
        EXPECT_EQ(calls[i].state, UIGestureRecognizerStateChanged);
        EXPECT_NEAR(calls[i].time - calls[i - 1].time, 1.0 / 120, 1e-9);
        EXPECT_NEAR(calls[i].translation.y * 2, calls[i].translation.x, 1e-9);
        ++changes;
    }
    // 60 moves of 4.47 points: the pan starts at the third, 10 points out.
    EXPECT_EQ(changes, 57u);
    EXPECT_TRUE(callsOf(tap).empty());

    // A drag of no time lands, moves once and lifts at one instant.
    recorder->calls.clear();
    EXPECT_EQ(run("drag 100 100 100 300 0"), 0);
    auto const instant = callsOf(pan);
    ASSERT_EQ(instant.size(), 2u);
    EXPECT_EQ(instant[0].state, UIGestureRecognizerStateBegan);
    EXPECT_EQ(instant[1].state, UIGestureRecognizerStateEnded);
    EXPECT_EQ(instant[1].translation, CGPointMake(0, 200));
}

TEST_F(TouchVerbs, SwipeIsFastEnoughForASwipeAndHoldForALongPress)
{
    id swipe = add(uikit::UISwipeGestureRecognizerClass());
    send(swipe, "setDirection:"_sel, static_cast<unsigned long>(UISwipeGestureRecognizerDirectionLeft));
    EXPECT_EQ(run("swipe 300 300 200 300"), 0);
    auto const swipes = callsOf(swipe);
    ASSERT_EQ(swipes.size(), 1u);
    EXPECT_EQ(swipes[0].state, UIGestureRecognizerStateRecognized);
    EXPECT_NEAR(swipes[0].time, 0.05, 1e-9) << "decided 50 points along, half way";
    EXPECT_NEAR(dispatch::RunLoop::main().now(), 0.1, 1e-9);

    // The same path dragged slowly is no swipe.
    recorder->calls.clear();
    EXPECT_EQ(run("drag 300 300 200 300 1"), 0);
    EXPECT_TRUE(callsOf(swipe).empty());

    id press = add(uikit::UILongPressGestureRecognizerClass());
    double const start = dispatch::RunLoop::main().now();
    EXPECT_EQ(run("hold 50 60 0.8\nhold 50 60 0.3"), 0);
    auto const presses = callsOf(press);
    ASSERT_EQ(presses.size(), 2u) << "a press held 0.3 s does not begin";
    EXPECT_EQ(presses[0].state, UIGestureRecognizerStateBegan);
    EXPECT_NEAR(presses[0].time - start, uikit::kLongPressDefaultDuration, 1e-9);
    EXPECT_EQ(presses[1].state, UIGestureRecognizerStateEnded);
    EXPECT_NEAR(presses[1].time - start, 0.8, 1e-9);
    EXPECT_EQ(presses[1].location, CGPointMake(50, 60));
}

TEST_F(TouchVerbs, HomeAndRotateReachTheShellsApplicationObject)
{
    EXPECT_EQ(run("home"), 1) << "no application object yet: the verb fails";
    EXPECT_EQ(run("rotate 3"), 1);

    auto* shell = static_cast<SpringBoard*>(uikit::launchApplication(springboard::SpringBoardClass()));
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(run("home\nhome"), 0);
    EXPECT_EQ(shell->homePressCount, 2);

    EXPECT_EQ(run("wait 1\nrotate 3"), 0);
    EXPECT_EQ(shell->interfaceOrientation, UIInterfaceOrientationLandscapeRight);
    EXPECT_EQ(shell->deviceOrientationEventCount, 1);
    id event = shell->lastDeviceOrientationEvent.get();
    ASSERT_TRUE(foundation::isKindOf(event, uikit::UIDeviceOrientationEventClass()));
    EXPECT_EQ(send<long>(event, "orientation"_sel), 3);
    EXPECT_EQ(send<long>(event, "type"_sel), UIEventTypeMotion);
    EXPECT_NEAR(send<double>(event, "timestamp"_sel), 1.0, 1e-9);
    EXPECT_NE(foundation::describe(event).find("orientation = 3"), std::string::npos) << foundation::describe(event);

    EXPECT_EQ(run("rotate 4\nrotate 1"), 0);
    EXPECT_EQ(shell->interfaceOrientation, UIInterfaceOrientationPortrait);
    EXPECT_EQ(shell->deviceOrientationEventCount, 3);
}

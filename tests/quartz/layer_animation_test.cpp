// Keyframe animations on layers: the values on screen along the timing
// function by the run loop's clock, replacement under one key, removal at
// the end, and input the layer refuses.
#include "dispatch/RunLoop.h"
#include "foundation/NSArray.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "quartz/CAKeyframeAnimation.h"
#include "quartz/CAMediaTimingFunction.h"
#include "quartz/LayerAnimations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

class LayerAnimations : public testing::Test {
protected:
    void SetUp() override
    {
        quartz::registerClasses();
        dispatch::RunLoop::main().reset(dispatch::RunLoop::ClockMode::Virtual);
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
        layer = adopt(quartz::makeLayer());
    }

    void TearDown() override
    {
        layer = nullptr;
        dispatch::RunLoop::main().reset();
        systemlog::setWritesToStandardError(true);
    }

    static void runUntil(double seconds) { dispatch::RunLoop::main().runUntil(std::llround(seconds * 1e9)); }

    static id keyframes(const char* keyPath, const std::vector<double>& values, double seconds, const char* timing)
    {
        id animation = send<id>(quartz::CAKeyframeAnimationClass(), "animationWithKeyPath:"_sel, static_cast<id>(NSString::make(keyPath)));
        NSArray* list = NSArray::mutableArray();
        for (double value : values)
            list->items.emplace_back(NSNumber::numberWithDouble(value));
        send(animation, "setValues:"_sel, static_cast<id>(list));
        send(animation, "setDuration:"_sel, seconds);
        send(animation, "setTimingFunction:"_sel, send<id>(quartz::CAMediaTimingFunctionClass(), "functionWithName:"_sel, static_cast<id>(NSString::make(timing))));
        return animation;
    }

    void add(id animation, const char* key) { send(static_cast<id>(layer.get()), "addAnimation:forKey:"_sel, animation, static_cast<id>(NSString::make(key))); }
    id running(const char* key) { return send<id>(static_cast<id>(layer.get()), "animationForKey:"_sel, static_cast<id>(NSString::make(key))); }
    std::optional<double> shownY() { return quartz::presentationValue(layer.get(), "transform.translation.y"); }

    Strong<CALayer> layer;
    AutoreleasePool pool;
};

}

TEST_F(LayerAnimations, EvenlySpreadValuesAlongTheTimingFunctionThenRemoved)
{
    id linear = keyframes("transform.translation.y", { 0, 10, 30 }, 1, kCAMediaTimingFunctionLinear);
    add(linear, "move");
    EXPECT_EQ(running("move"), linear);
    for (auto [at, value] : std::vector<std::pair<double, double>> { { 0, 0 }, { 0.25, 5 }, { 0.5, 10 }, { 0.75, 20 }, { 0.999, 29.96 } }) {
        runUntil(at);
        ASSERT_TRUE(shownY()) << at;
        EXPECT_NEAR(*shownY(), value, 1e-9) << "at " << at;
    }
    CGAffineTransform const scaled = CGAffineTransformScale(CGAffineTransformIdentity, 2, 2);
    CGAffineTransform const shown = quartz::presentationTransform(layer.get(), scaled);
    EXPECT_EQ(shown.a, 2);
    EXPECT_NEAR(shown.ty, 29.96, 1e-9) << "the translation is the animated one; the rest stays";
    EXPECT_EQ(shown.tx, 0);

    runUntil(1);
    EXPECT_FALSE(shownY());
    EXPECT_EQ(running("move"), nullptr) << "removed when done";
    EXPECT_TRUE(layer->animations.empty());

    // Ease-in is behind the straight line at the middle; key times move the
    // middle value.
    id easedIn = keyframes("transform.translation.x", { 0, 100 }, 2, kCAMediaTimingFunctionEaseIn);
    send(easedIn, "setKeyTimes:"_sel, static_cast<id>(NSArray::array()));
    add(easedIn, "ease");
    id timed = keyframes("transform.translation.y", { 0, 10, 30 }, 1, kCAMediaTimingFunctionLinear);
    NSArray* times = NSArray::mutableArray();
    for (double time : { 0.0, 0.8, 1.0 })
        times->items.emplace_back(NSNumber::numberWithDouble(time));
    send(timed, "setKeyTimes:"_sel, static_cast<id>(times));
    add(timed, "timed");
    runUntil(1.4);
    EXPECT_LT(*quartz::presentationValue(layer.get(), "transform.translation.x"), 20);
    EXPECT_NEAR(*shownY(), 5, 1e-9) << "half of the first segment, which lasts 0.8 s";
}

TEST_F(LayerAnimations, ASecondUnderTheSameKeyStartsAfreshAndOutlivesTheFirstsEnd)
{
    add(keyframes("transform.translation.y", { -20, 20 }, 0.6, kCAMediaTimingFunctionLinear), "shake");
    runUntil(0.3);
    id second = keyframes("transform.translation.y", { -20, 20 }, 0.6, kCAMediaTimingFunctionLinear);
    add(second, "shake");
    EXPECT_EQ(layer->animations.size(), 1u);
    EXPECT_NEAR(*shownY(), -20, 1e-9) << "from its beginning";
    runUntil(0.75);
    EXPECT_EQ(running("shake"), second) << "the first one's end removes nothing of the second";
    EXPECT_NEAR(*shownY(), 10, 1e-9);
    runUntil(0.9);
    EXPECT_EQ(running("shake"), nullptr);

    // An animation added without a key replaces nothing.
    add(keyframes("transform.translation.y", { 1 }, 1, kCAMediaTimingFunctionLinear), "a");
    send(static_cast<id>(layer.get()), "addAnimation:forKey:"_sel, keyframes("transform.translation.y", { 2 }, 1, kCAMediaTimingFunctionLinear),
        static_cast<id>(nullptr));
    EXPECT_EQ(layer->animations.size(), 2u);
    EXPECT_EQ(*shownY(), 2) << "the one added last shows";
}

TEST_F(LayerAnimations, WhatCannotRunIsRefusedWithALogLine)
{
    EXPECT_EQ(send<id>(quartz::CAMediaTimingFunctionClass(), "functionWithName:"_sel, static_cast<id>(NSString::make("bouncy"))), nullptr);
    id noValues = keyframes("transform.translation.y", {}, 1, kCAMediaTimingFunctionLinear);
    add(noValues, "none");
    id words = keyframes("transform.translation.y", { 1 }, 1, kCAMediaTimingFunctionLinear);
    static_cast<CAKeyframeAnimation*>(words)->values->items.emplace_back(NSString::make("up"));
    add(words, "words");
    add(static_cast<id>(NSString::make("shake")), "string");
    EXPECT_TRUE(layer->animations.empty());
    std::vector<std::string> const expected {
        "+[CAMediaTimingFunction functionWithName:]: no timing function is named bouncy",
        "-[CALayer addAnimation:forKey:]: refused the animation: it has no values",
        "-[CALayer addAnimation:forKey:]: refused the animation: one of its values is not a finite number",
        "-[CALayer addAnimation:forKey:]: refused shake, which is not a CAKeyframeAnimation",
    };
    EXPECT_EQ(systemlog::capturedMessages(), expected);
}

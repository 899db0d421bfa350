#include "LayerAnimations.h"

#include "dispatch/RunLoop.h"
#include "foundation/NSArray.h"
#include "foundation/SystemLog.h"

#include <algorithm>
#include <cmath>

namespace quartz {

namespace {

constexpr std::string_view kTranslationX = "transform.translation.x";
constexpr std::string_view kTranslationY = "transform.translation.y";

CALayer* animatedLayer(id self) { return static_cast<CALayer*>(self); }

int64_t layerClockNow() { return dispatch::RunLoop::main().nowNanoseconds(); }

int64_t durationNanoseconds(const KeyframeTrack& track) { return std::llround(track.seconds * 1e9); }

bool sameKey(const NSString* key, const NSString* other)
{
    return key && other && key->value == other->value;
}

NSString* keyOrNil(id key)
{
    return static_cast<NSString*>(foundation::isKindOf(key, foundation::NSStringClass()) ? key : nullptr);
}

void removeSerial(CALayer* layer, uint64_t serial)
{
    // Moved out first: releasing an animation may release anything.
    std::vector<LayerAnimation> removed;
    std::erase_if(layer->animations, [&](LayerAnimation& running) {
        if (running.serial != serial)
            return false;
        removed.push_back(std::move(running));
        return true;
    });
}

void removeAnimationForKey(id self, SEL, id key)
{
    auto* layer = animatedLayer(self);
    NSString* wanted = keyOrNil(key);
    std::vector<LayerAnimation> removed;
    std::erase_if(layer->animations, [&](LayerAnimation& running) {
        if (!sameKey(running.key.get(), wanted))
            return false;
        removed.push_back(std::move(running));
        return true;
    });
}

void addAnimation(id self, SEL, id animation, id key)
{
    if (!foundation::isKindOf(animation, CAKeyframeAnimationClass())) {
        systemlog::write(kCFLogLevelError, "-[CALayer addAnimation:forKey:]: refused " + foundation::describe(animation) + ", which is not a CAKeyframeAnimation");
        return;
    }
    std::string problem;
    auto track = makeKeyframeTrack(static_cast<CAKeyframeAnimation*>(animation), &problem);
    if (!track) {
        systemlog::write(kCFLogLevelError, "-[CALayer addAnimation:forKey:]: refused the animation: " + problem);
        return;
    }
    if (track->keyPath != kTranslationX && track->keyPath != kTranslationY)
        systemlog::write(kCFLogLevelWarning, "-[CALayer addAnimation:forKey:]: \"" + track->keyPath + "\" is not drawn on this platform; the animation only runs");

    auto* layer = animatedLayer(self);
    NSString* name = keyOrNil(key);
    if (name)
        removeAnimationForKey(self, nullptr, name);
    uint64_t const serial = layer->nextAnimationSerial++;
    int64_t const begin = layerClockNow();
    bool const removedOnCompletion = track->removedOnCompletion;
    int64_t const end = begin + durationNanoseconds(*track);
    layer->animations.push_back({ name, animation, std::move(*track), begin, serial });
    if (!removedOnCompletion)
        return;
    // The layer is held until then; a replaced animation's serial is gone, so
    // its end removes nothing.
    dispatch::RunLoop::main().scheduleAt(end, [held = Strong<CALayer>(layer), serial] { removeSerial(held.get(), serial); });
}

id animationForKey(id self, SEL, id key)
{
    NSString* wanted = keyOrNil(key);
    for (auto const& running : animatedLayer(self)->animations) {
        if (sameKey(running.key.get(), wanted))
            return running.animation;
    }
    return nullptr;
}

void removeAllAnimations(id self, SEL)
{
    auto removed = std::move(animatedLayer(self)->animations);
    animatedLayer(self)->animations.clear();
}

id animationKeys(id self, SEL)
{
    auto const& animations = animatedLayer(self)->animations;
    bool const anyKey = std::any_of(animations.begin(), animations.end(), [](const LayerAnimation& running) { return running.key; });
    if (!anyKey)
        return nullptr;
    NSArray* keys = NSArray::array();
    for (auto const& running : animations) {
        if (running.key)
            keys->items.emplace_back(running.key.get());
    }
    return keys;
}

}

void addLayerAnimationMethods(Class layerClass)
{
    addMethod(layerClass, "addAnimation:forKey:"_sel, addAnimation);
    addMethod(layerClass, "animationForKey:"_sel, animationForKey);
    addMethod(layerClass, "removeAnimationForKey:"_sel, removeAnimationForKey);
    addMethod(layerClass, "removeAllAnimations"_sel, removeAllAnimations);
    addMethod(layerClass, "animationKeys"_sel, animationKeys);
}

std::optional<double> presentationValue(const CALayer* layer, std::string_view keyPath)
{
    if (!layer || layer->animations.empty())
        return std::nullopt;
    int64_t const instant = layerClockNow();
    for (auto running = layer->animations.rbegin(); running != layer->animations.rend(); ++running) {
        auto const& track = running->track;
        if (track.keyPath != keyPath)
            continue;
        int64_t const elapsed = instant - running->beginNanoseconds;
        if (elapsed < 0 || elapsed >= durationNanoseconds(track))
            continue;
        return track.valueAt(static_cast<double>(elapsed) / 1e9);
    }
    return std::nullopt;
}

CGAffineTransform presentationTransform(const CALayer* layer, const CGAffineTransform& model)
{
    if (!layer || layer->animations.empty())
        return model;
    CGAffineTransform shown = model;
    if (auto const x = presentationValue(layer, kTranslationX))
        shown.tx = *x;
    if (auto const y = presentationValue(layer, kTranslationY))
        shown.ty = *y;
    return shown;
}

}

#include "KeyframeTrack.h"

#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"

#include <algorithm>
#include <cmath>

namespace quartz {

namespace {

// Longer durations are cut to this, so that the end instant stays within
// the clock's range.
constexpr double kLongestSeconds = 24 * 60 * 60;

std::optional<std::vector<double>> numbers(NSArray* array)
{
    std::vector<double> result;
    if (!array)
        return result;
    for (auto const& item : array->items) {
        if (!foundation::isKindOf(item.get(), foundation::NSNumberClass()))
            return std::nullopt;
        double const value = static_cast<NSNumber*>(item.get())->doubleValue();
        if (!std::isfinite(value))
            return std::nullopt;
        result.push_back(value);
    }
    return result;
}

bool fitsValues(const std::vector<double>& keyTimes, size_t valueCount)
{
    if (keyTimes.size() != valueCount)
        return false;
    if (!std::is_sorted(keyTimes.begin(), keyTimes.end()))
        return false;
    return keyTimes.front() >= 0 && keyTimes.back() <= 1;
}

std::vector<double> evenlySpread(size_t count)
{
    std::vector<double> times;
    for (size_t index = 0; index < count; ++index)
        times.push_back(count == 1 ? 0 : static_cast<double>(index) / static_cast<double>(count - 1));
    return times;
}

}

double KeyframeTrack::valueAt(double elapsed) const
{
    double const progress = timingCurveValue(curve, elapsed / seconds);
    if (progress <= keyTimes.front())
        return values.front();
    // The first key time past the progress ends the segment it lies in.
    auto const next = std::upper_bound(keyTimes.begin(), keyTimes.end(), progress);
    if (next == keyTimes.end())
        return values.back();
    size_t const end = static_cast<size_t>(next - keyTimes.begin());
    double const from = keyTimes[end - 1];
    double const share = (progress - from) / (keyTimes[end] - from);
    return values[end - 1] + (values[end] - values[end - 1]) * share;
}

std::optional<KeyframeTrack> makeKeyframeTrack(CAKeyframeAnimation* animation, std::string* problem)
{
    if (!animation->keyPath || animation->keyPath->value.empty()) {
        *problem = "it has no key path";
        return std::nullopt;
    }
    auto values = numbers(animation->values.get());
    if (!values) {
        *problem = "one of its values is not a finite number";
        return std::nullopt;
    }
    if (values->empty()) {
        *problem = "it has no values";
        return std::nullopt;
    }
    KeyframeTrack track;
    track.keyPath = animation->keyPath->value;
    track.values = std::move(*values);
    track.keyTimes = evenlySpread(track.values.size());
    if (auto keyTimes = numbers(animation->keyTimes.get()); keyTimes && !keyTimes->empty()) {
        if (fitsValues(*keyTimes, track.values.size()))
            track.keyTimes = std::move(*keyTimes);
        else
            systemlog::write(kCFLogLevelWarning, "CAKeyframeAnimation: the key times of \"" + track.keyPath + "\" are not one a value, from 0 to 1 in order; the values are spread evenly");
    }
    if (animation->duration > 0)
        track.seconds = std::min(animation->duration, kLongestSeconds);
    if (animation->timingFunction)
        track.curve = animation->timingFunction->curve;
    track.removedOnCompletion = animation->removedOnCompletion;
    return track;
}

}

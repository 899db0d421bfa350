#pragma once
// View animations, kept beside the views. A view's frame and alpha fields are
// the model values, set at once; while an animation of one of them runs, the
// animator keeps the value it started from, and the value on screen (the
// presentation value) moves from there to the model value along the
// ease-in-out curve, by the main run loop's clock.
//
// The changes one animation call makes form a group with one completion: it
// runs on the run loop with true when the duration has passed, or with false
// at once when a later change of one of its properties takes over (the
// group's other properties go on moving to their end).

#include "UIView.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace uikit {

class ViewAnimator {
public:
    using Completion = std::function<void(bool finished)>;

    static ViewAnimator& shared();

    // Runs `changes`, animating over `seconds` the frame and alpha changes
    // they make through the views' setters. A duration of 0 or less makes
    // them at once and completes on the run loop's next turn, with true.
    void animate(double seconds, const std::function<void()>& changes, Completion completion);

    // The views' setters wrap their change of the frame (or alpha) in these:
    // inside an animation the change is animated from the value on screen;
    // outside, a change ends a running animation of the property, which then
    // shows the new value at once.
    void changeFrame(UIView* view, const std::function<void()>& apply);
    void changeAlpha(UIView* view, const std::function<void()>& apply);

    // The untransformed frame and the alpha on screen now.
    CGRect presentationUntransformedFrame(const UIView* view) const;
    CGFloat presentationAlpha(const UIView* view) const;

    // True while any view's frame or alpha is still moving (or waiting for
    // its group's end to be noted).
    bool hasRunningAnimations() const { return !m_views.empty(); }

    // Forgets every animation; completions not yet called are never called.
    void reset();

private:
    // Always built whole (no member initializers: clang 14 cannot emit a
    // nested template's defaults used inside the enclosing class).
    template <class Value>
    struct Track {
        uint64_t group;
        int64_t start;
        int64_t duration;
        Value from;
    };

    struct ViewTracks {
        Strong<UIView> view;
        std::optional<Track<CGRect>> frame;
        std::optional<Track<CGFloat>> alpha;
    };

    struct OpenAnimation {
        // 0 for changes made at once (a duration of 0 or less).
        uint64_t group = 0;
        int64_t start = 0;
        int64_t duration = 0;
    };

    ViewAnimator() = default;

    template <class Value>
    void record(UIView* view, std::optional<Track<Value>> ViewTracks::*slot, Value shown, bool modelChanged);
    // Calls the group's completion with false on the run loop, at once.
    void interrupt(uint64_t group);
    // The group's duration has passed: its tracks end and, unless it was
    // interrupted, its completion runs with true.
    void finish(uint64_t group);
    void postCompletion(Completion completion, bool finished);

    std::unordered_map<const UIView*, ViewTracks> m_views;
    // Groups whose completion has not been called yet.
    std::map<uint64_t, Completion> m_pendingCompletions;
    // Animation calls in progress, innermost last.
    std::vector<OpenAnimation> m_open;
    // Never reused, so a timer of a group from before a reset finds nothing.
    uint64_t m_nextGroup = 1;
    uint64_t m_generation = 0;
};

}

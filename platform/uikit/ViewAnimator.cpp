#include "ViewAnimator.h"

#include "EaseInOutCurve.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"

#include <cmath>

namespace {

// Longer durations are cut to this, so that the end instant stays within the
// clock's range.
constexpr double kLongestSeconds = 24 * 60 * 60;

int64_t animatorClockNow() { return dispatch::RunLoop::main().nowNanoseconds(); }

// The share of the change on screen now, for an animation from `start`.
double easedProgress(int64_t start, int64_t duration)
{
    if (duration <= 0)
        return 1;
    return uikit::easeInEaseOut(static_cast<double>(animatorClockNow() - start) / static_cast<double>(duration));
}

CGFloat betweenValues(CGFloat from, CGFloat to, double share) { return from + (to - from) * share; }

CGRect betweenRects(const CGRect& from, const CGRect& to, double share)
{
    return CGRectMake(betweenValues(from.origin.x, to.origin.x, share), betweenValues(from.origin.y, to.origin.y, share),
        betweenValues(from.size.width, to.size.width, share), betweenValues(from.size.height, to.size.height, share));
}

}

namespace uikit {

ViewAnimator& ViewAnimator::shared()
{
    static ViewAnimator animator;
    return animator;
}

void ViewAnimator::animate(double seconds, const std::function<void()>& changes, Completion completion)
{
    if (std::isnan(seconds)) {
        systemlog::write(kCFLogLevelError, "+[UIView animateWithDuration:animations:completion:]: the duration is not a number; the changes are made at once");
        seconds = 0;
    }
    if (!(seconds > 0)) {
        m_open.push_back({});
        if (changes)
            changes();
        m_open.pop_back();
        postCompletion(std::move(completion), true);
        return;
    }
    seconds = std::min(seconds, kLongestSeconds);
    uint64_t const group = m_nextGroup++;
    int64_t const start = animatorClockNow();
    int64_t const duration = std::llround(seconds * 1e9);
    m_pendingCompletions.emplace(group, std::move(completion));
    m_open.push_back({ group, start, duration });
    if (changes)
        changes();
    m_open.pop_back();
    // As on the phone, the completion waits for the duration even when the
    // changes moved nothing.
    dispatch::RunLoop::main().scheduleAt(start + duration, [this, group, generation = m_generation] {
        if (generation == m_generation)
            finish(group);
    });
}

void ViewAnimator::changeFrame(UIView* view, const std::function<void()>& apply)
{
    CGRect const shown = presentationUntransformedFrame(view);
    CGRect const model = view->untransformedFrame;
    apply();
    record(view, &ViewTracks::frame, shown, !(view->untransformedFrame == model));
}

void ViewAnimator::changeAlpha(UIView* view, const std::function<void()>& apply)
{
    CGFloat const shown = presentationAlpha(view);
    CGFloat const model = view->alpha;
    apply();
    // Compared bitwise-equal or both not a number: NaN set twice is no change.
    bool const same = view->alpha == model || (std::isnan(view->alpha) && std::isnan(model));
    record(view, &ViewTracks::alpha, shown, !same);
}

template <class Value>
void ViewAnimator::record(UIView* view, std::optional<Track<Value>> ViewTracks::*slot, Value shown, bool modelChanged)
{
    auto found = m_views.find(view);
    std::optional<Track<Value>>* running = found != m_views.end() && (found->second.*slot) ? &(found->second.*slot) : nullptr;
    OpenAnimation const open = m_open.empty() ? OpenAnimation {} : m_open.back();
    if (open.group == 0) {
        if (!running || !modelChanged)
            return;
        uint64_t const replaced = (*running)->group;
        running->reset();
        if (!found->second.frame && !found->second.alpha) {
            Strong<UIView> keepAlive = std::move(found->second.view);
            m_views.erase(found);
        }
        interrupt(replaced);
        return;
    }
    // Nothing moves on screen: the property already shows its model value.
    if (!running && !modelChanged)
        return;
    // Set again by the same animation: it still runs from where it started,
    // towards the new model value.
    if (running && (*running)->group == open.group)
        return;
    if (running)
        interrupt((*running)->group);
    ViewTracks& tracks = m_views[view];
    tracks.view = view;
    tracks.*slot = Track<Value> { open.group, open.start, open.duration, shown };
}

CGRect ViewAnimator::presentationUntransformedFrame(const UIView* view) const
{
    if (m_views.empty())
        return view->untransformedFrame;
    auto found = m_views.find(view);
    if (found == m_views.end() || !found->second.frame)
        return view->untransformedFrame;
    auto const& track = *found->second.frame;
    return betweenRects(track.from, view->untransformedFrame, easedProgress(track.start, track.duration));
}

CGFloat ViewAnimator::presentationAlpha(const UIView* view) const
{
    if (m_views.empty())
        return view->alpha;
    auto found = m_views.find(view);
    if (found == m_views.end() || !found->second.alpha)
        return view->alpha;
    auto const& track = *found->second.alpha;
    return betweenValues(track.from, view->alpha, easedProgress(track.start, track.duration));
}

void ViewAnimator::interrupt(uint64_t group)
{
    auto found = m_pendingCompletions.find(group);
    if (found == m_pendingCompletions.end())
        return;
    Completion completion = std::move(found->second);
    m_pendingCompletions.erase(found);
    postCompletion(std::move(completion), false);
}

void ViewAnimator::finish(uint64_t group)
{
    // Released after the loop: a view freed here must not free others mid-walk.
    std::vector<Strong<UIView>> ended;
    for (auto it = m_views.begin(); it != m_views.end();) {
        ViewTracks& tracks = it->second;
        if (tracks.frame && tracks.frame->group == group)
            tracks.frame.reset();
        if (tracks.alpha && tracks.alpha->group == group)
            tracks.alpha.reset();
        if (tracks.frame || tracks.alpha) {
            ++it;
            continue;
        }
        ended.push_back(std::move(tracks.view));
        it = m_views.erase(it);
    }
    auto found = m_pendingCompletions.find(group);
    if (found == m_pendingCompletions.end())
        return;
    Completion completion = std::move(found->second);
    m_pendingCompletions.erase(found);
    if (completion)
        completion(true);
}

void ViewAnimator::postCompletion(Completion completion, bool finished)
{
    if (!completion)
        return;
    dispatch::RunLoop::main().post([this, completion = std::move(completion), finished, generation = m_generation] {
        if (generation == m_generation)
            completion(finished);
    });
}

void ViewAnimator::reset()
{
    ++m_generation;
    // Moved out first: a completion freed with its views may hold anything.
    auto views = std::move(m_views);
    auto completions = std::move(m_pendingCompletions);
    m_views.clear();
    m_pendingCompletions.clear();
    m_open.clear();
}

}

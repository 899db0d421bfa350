#include "BulletinArrival.h"
#include "PinnedShell.h"

#include "core/PanelState.h"
#include "core/PreviousImplementations.h"
#include "foundation/NSNumber.h"
#include "runtime/AutoreleasePool.h"
#include "springboard/SpringBoardClasses.h"

#include <functional>

namespace bench {

namespace {

constexpr const char* kClock = "com.drawlet.demo.clock";
// Every this many bulletins, untimed, the run loop runs past the ends of the
// shakes and banners they left, so timers and log lines do not pile up.
constexpr int kSettleEvery = 512;
constexpr double kPastTheBanner = 3.5;

using AddBulletin = void (*)(id, SEL, id, id, unsigned long, bool, id);

void noShellImplementation(id, SEL, id, id, unsigned long, bool, id) { }

Strong<objc_object> clockBulletin()
{
    auto bulletin = adopt(send<id>(send<id>(springboard::BBBulletinClass(), "alloc"_sel), "init"_sel));
    send(bulletin.get(), "setSectionID:"_sel, static_cast<id>(NSString::make(kClock)));
    send(bulletin.get(), "setMessage:"_sel, static_cast<id>(NSString::make("New message")));
    return bulletin;
}

id bannerController()
{
    return send<id>(springboard::SBBulletinBannerControllerClass(), "sharedInstance"_sel);
}

void sendBulletin(id controller, id bulletin)
{
    send(controller, "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel, static_cast<id>(nullptr), bulletin, springboard::kBannerFeed, true,
        static_cast<id>(nullptr));
}

// Clock pinned, its badge 5, and a first bulletin that shook the grabber
// and showed the badge; false, the benchmark skipped, otherwise.
bool readyForBulletins(benchmark::State& state)
{
    AutoreleasePool pool;
    id controller = send<id>(springboard::SBApplicationControllerClass(), "sharedInstance"_sel);
    send(send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(NSString::make(kClock))), "setBadge:"_sel,
        static_cast<id>(NSNumber::numberWithInteger(5)));
    sendBulletin(bannerController(), clockBulletin().get());
    auto const* layer = static_cast<UIView*>(grabber.get())->layer.get();
    bool const shaken = layer && layer->animations.size() == 1;
    bool const shown = !static_cast<UIView*>(badgeLabel.get())->hidden;
    settle(kPastTheBanner);
    if (shaken && shown)
        return true;
    state.SkipWithError("a bulletin for Clock did not shake the grabber and show its badge");
    return false;
}

void deliverRepeatedly(benchmark::State& state, const std::function<void(id controller, id bulletin)>& deliver)
{
    Strong<objc_object> const bulletin = clockBulletin();
    id controller = bannerController();
    int count = 0;
    for (auto _ : state) {
        {
            AutoreleasePool pool;
            deliver(controller, bulletin.get());
        }
        if (++count % kSettleEvery != 0)
            continue;
        state.PauseTiming();
        settle(kPastTheBanner);
        state.ResumeTiming();
    }
    settle(kPastTheBanner);
}

}

void bulletinThroughReplacement(benchmark::State& state)
{
    if (!readyForBulletins(state))
        return;
    deliverRepeatedly(state, sendBulletin);
}

void bulletinReplacementAlone(benchmark::State& state)
{
    if (!readyForBulletins(state))
        return;
    AddBulletin const shell = previous_SBBulletinBannerController_addBulletin;
    previous_SBBulletinBannerController_addBulletin = noShellImplementation;
    deliverRepeatedly(state, sendBulletin);
    previous_SBBulletinBannerController_addBulletin = shell;
}

void bulletinShellImplementation(benchmark::State& state)
{
    if (!readyForBulletins(state))
        return;
    AddBulletin const shell = previous_SBBulletinBannerController_addBulletin;
    SEL const selector = "observer:addBulletin:forFeed:playLightsAndSirens:withReply:"_sel;
    deliverRepeatedly(state, [shell, selector](id controller, id bulletin) {
        shell(controller, selector, nullptr, bulletin, springboard::kBannerFeed, true, nullptr);
    });
}

}

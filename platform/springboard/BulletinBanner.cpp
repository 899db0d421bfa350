#include "BulletinBanner.h"

#include "BBBulletin.h"
#include "SBApplicationController.h"
#include "SBBulletinBannerController.h"
#include "SharedInstances.h"
#include "ShellViews.h"
#include "SpringBoard.h"

#include "dispatch/Dispatch.h"
#include "foundation/SystemLog.h"
#include "uikit/UIColor.h"
#include "uikit/UIGestureRecognizer.h"
#include "uikit/UIImageView.h"
#include "uikit/UIScreen.h"
#include "uikit/UITapGestureRecognizer.h"

#include <algorithm>
#include <cmath>

namespace springboard {

namespace {

constexpr double kSideMargin = 8;
constexpr double kTopMargin = 6;
constexpr double kHeight = 66;
constexpr double kInset = 12;
constexpr double kIconSize = 20;

struct BannerState {
    Strong<UIWindow> window;
    Strong<BBBulletin> bulletin;
    // Each banner shown starts a new generation: the end of an earlier one's
    // 3 seconds finds itself stale and leaves the new one alone.
    uint64_t generation = 0;
};

BannerState& bannerState()
{
    static BannerState shared;
    return shared;
}

std::string bannerText(NSString* value)
{
    return value ? value->value : std::string();
}

SBApplication* applicationFor(NSString* sectionID)
{
    id controller = sharedInstanceOf(SBApplicationControllerClass());
    return static_cast<SBApplication*>(send<id>(controller, "applicationWithBundleIdentifier:"_sel, static_cast<id>(sectionID)));
}

void hideWindow()
{
    auto& shared = bannerState();
    if (shared.window)
        send(static_cast<id>(shared.window.get()), "setHidden:"_sel, true);
    shared.window = nullptr;
}

// The banner's window, laid out for the screen as it is now: as wide as the
// screen less the margins, and only as tall as the card, so touches beside it
// reach what is below.
Strong<UIWindow> makeBannerWindow(BBBulletin* bulletin)
{
    CGSize const screen = uikit::mainScreenBounds().size;
    CGRect const frame { { kSideMargin, kTopMargin }, { std::max(screen.width - 2 * kSideMargin, 0.0), kHeight } };
    auto window = adopt(static_cast<UIWindow*>(send<id>(send<id>(uikit::UIWindowClass(), "alloc"_sel), "initWithFrame:"_sel, frame)));
    send(static_cast<id>(window.get()), "setWindowLevel:"_sel, kBannerWindowLevel);

    CGSize const size = frame.size;
    UIView* card = addView(window.get(), { { 0, 0 }, size }, UIColor::make(0.97, 0.97, 0.98, 0.97));
    id layer = send<id>(static_cast<id>(card), "layer"_sel);
    send(layer, "setCornerRadius:"_sel, 13.0);
    send(layer, "setShadowOpacity:"_sel, 0.3f);
    send(layer, "setShadowRadius:"_sel, 6.0);
    send(layer, "setShadowOffset:"_sel, CGSizeMake(0, 2));

    SBApplication* application = applicationFor(bulletin->sectionID.get());
    std::string const name = application ? bannerText(application->displayName) : bannerText(bulletin->sectionID);
    auto icon = adopt(send<id>(send<id>(uikit::UIImageViewClass(), "alloc"_sel), "initWithFrame:"_sel, CGRectMake(kInset, 10, kIconSize, kIconSize)));
    if (application)
        send(icon.get(), "setImage:"_sel, static_cast<id>(application->iconImage.get()));
    send(icon.get(), "setBackgroundColor:"_sel, static_cast<id>(UIColor::make(0.8, 0.8, 0.82, 1)));
    send(send<id>(icon.get(), "layer"_sel), "setCornerRadius:"_sel, 5.0);
    send(icon.get(), "setClipsToBounds:"_sel, true);
    send(static_cast<id>(card), "addSubview:"_sel, icon.get());

    double const textLeft = kInset + kIconSize + 8;
    addLabel(card, { { textLeft, 10 }, { size.width - textLeft - kInset, kIconSize } }, name,
        { 13, true, UIColor::make(0.25, 0.25, 0.28, 1), NSTextAlignmentLeft });
    addLabel(card, { { kInset, 36 }, { size.width - 2 * kInset, 20 } }, bannerText(bulletin->message),
        { 15, false, UIColor::make(0, 0, 0, 1), NSTextAlignmentLeft });

    send(static_cast<id>(card), "setUserInteractionEnabled:"_sel, true);
    addRecognizer(card, uikit::UITapGestureRecognizerClass(), sharedInstanceOf(SBBulletinBannerControllerClass()), "_bannerTapped:"_sel);
    return window;
}

void show(BBBulletin* bulletin)
{
    auto& shared = bannerState();
    hideWindow();
    shared.bulletin = bulletin;
    shared.window = makeBannerWindow(bulletin);
    send(static_cast<id>(shared.window.get()), "setHidden:"_sel, false);
}

void openFromBanner(const std::string& bundleIdentifier)
{
    std::string error;
    if (openApplication(bundleIdentifier, &error)) {
        systemlog::write(kCFLogLevelNotice, "springboard: opened " + bundleIdentifier + " from its banner");
        return;
    }
    systemlog::write(kCFLogLevelError, "springboard: cannot open " + bundleIdentifier + " from its banner: " + error);
}

}

void showBanner(id bulletin)
{
    if (!foundation::isKindOf(bulletin, BBBulletinClass())) {
        systemlog::write(kCFLogLevelError, "springboard: no banner for " + foundation::describe(bulletin) + ", which is not a BBBulletin");
        return;
    }
    auto* shown = static_cast<BBBulletin*>(bulletin);
    show(shown);
    systemlog::write(kCFLogLevelNotice, "springboard: banner for " + bannerText(shown->sectionID) + ": " + bannerText(shown->message));
    uint64_t const generation = ++bannerState().generation;
    dispatch_after(dispatch_time(DISPATCH_TIME_NOW, std::llround(kBannerSeconds * 1e9)), dispatch_get_main_queue(), [generation] {
        if (generation != bannerState().generation)
            return;
        hideWindow();
        bannerState().bulletin = nullptr;
    });
}

std::string shownBannerSection()
{
    auto const& shared = bannerState();
    return shared.window && shared.bulletin ? bannerText(shared.bulletin->sectionID) : std::string();
}

UIWindow* bannerWindow()
{
    return bannerState().window.get();
}

void bannerTapped(id recognizer)
{
    auto* tap = static_cast<UIGestureRecognizer*>(recognizer);
    if (tap->state != UIGestureRecognizerStateEnded || !bannerState().window)
        return;
    std::string const bundleIdentifier = shownBannerSection();
    ++bannerState().generation;
    hideWindow();
    bannerState().bulletin = nullptr;
    openFromBanner(bundleIdentifier);
}

void layOutBanner()
{
    auto& shared = bannerState();
    if (!shared.window)
        return;
    Strong<BBBulletin> bulletin = shared.bulletin;
    show(bulletin.get());
}

void resetBanner()
{
    hideWindow();
    auto& shared = bannerState();
    uint64_t const generation = shared.generation + 1;
    shared = {};
    shared.generation = generation;
}

}

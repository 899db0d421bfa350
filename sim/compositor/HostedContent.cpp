#include "HostedContent.h"

#include "Compositor.h"
#include "HomeScreen.h"
#include "HostedFrames.h"
#include "NotRunningNote.h"

#include "foundation/NSString.h"
#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBSceneHostView.h"
#include "quartz/SharedFrameBuffer.h"
#include "springboard/SBAppSwitcherSnapshotView.h"
#include "springboard/SBApplication.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIApplication.h"
#include "uikit/UIScreen.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace compositor {

namespace {

// Which frame of which process: a new frame, or the process going, changes it.
std::string frameVersion(const std::string& bundleIdentifier)
{
    auto& processes = frontboard::ApplicationProcesses::shared();
    return bundleIdentifier + ' ' + std::to_string(processes.processIdentifier(bundleIdentifier)) + ' '
        + std::to_string(processes.announcedFrameCount(bundleIdentifier));
}

constexpr std::string_view kFrameNumber = " frame ";

// The number of the latest frame rather than the announced count: it is the
// frame drawn, and the frames can tell what changed between two numbers. A
// frame published between recording and drawing is drawn in its place; the
// rows it changed are within the next change asked, which starts from here.
std::string hostedFrameVersion(id view)
{
    auto const* host = static_cast<FBSceneHostView*>(view);
    if (!host->manager)
        return {};
    auto const& bundleIdentifier = host->manager->bundleIdentifier;
    auto& processes = frontboard::ApplicationProcesses::shared();
    auto const* frames = processes.frames(bundleIdentifier);
    return (frontboard::isHosting(host) ? "hosting " : "idle ") + bundleIdentifier + ' ' + std::to_string(processes.processIdentifier(bundleIdentifier))
        + std::string(kFrameNumber) + std::to_string(frames ? frames->latestFrameNumber() : 0);
}

// Splits a hosted version into what must stay the same and the frame number.
bool splitHostedVersion(std::string_view version, std::string_view* rest, uint64_t* number)
{
    size_t const at = version.rfind(kFrameNumber);
    if (at == std::string_view::npos)
        return false;
    *rest = version.substr(0, at);
    auto const digits = version.substr(at + kFrameNumber.size());
    auto const [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), *number);
    return error == std::errc() && end == digits.data() + digits.size();
}

// Only the application's frame moved on: the rows its frames changed since.
std::optional<CGRect> hostedFrameChange(id view, const std::string& since, CGSize size)
{
    std::string const now = hostedFrameVersion(view);
    std::string_view sinceRest, nowRest;
    uint64_t sinceNumber = 0, nowNumber = 0;
    if (!splitHostedVersion(since, &sinceRest, &sinceNumber) || !splitHostedVersion(now, &nowRest, &nowNumber) || sinceRest != nowRest)
        return std::nullopt;
    auto const* frames = frontboard::ApplicationProcesses::shared().frames(static_cast<FBSceneHostView*>(view)->manager->bundleIdentifier);
    if (!frames)
        return std::nullopt;
    return changedPartOfView(*frames, sinceNumber, nowNumber, size);
}

void drawHostedFrame(id view, cairo_t* cairo, CGSize size)
{
    auto const* host = static_cast<FBSceneHostView*>(view);
    std::string const bundleIdentifier = host->manager ? host->manager->bundleIdentifier : std::string();
    if (!bundleIdentifier.empty() && !frontboard::ApplicationProcesses::shared().hasProcess(bundleIdentifier)) {
        drawNotRunningNote(cairo, size, bundleIdentifier);
        return;
    }
    paintFrame(frontboard::takeHostedFrame(host), cairo, size);
}

// A switcher card: the application's latest frame, or the home screen as it
// is drawn under the windows, scaled down to the card.
void drawSnapshot(id view, cairo_t* cairo, CGSize size)
{
    auto const& item = static_cast<SBAppSwitcherSnapshotView*>(view)->displayItem;
    if (!item)
        return;
    if (!item->isHomeScreen()) {
        if (item->displayIdentifier)
            paintFrame(frontboard::ApplicationProcesses::shared().takeLatestFrame(item->displayIdentifier->value), cairo, size);
        return;
    }
    CGSize const screen = uikit::mainScreenBounds().size;
    double const scale = uikit::mainScreenScale();
    cairo_save(cairo);
    cairo_scale(cairo, size.width / screen.width / scale, size.height / screen.height / scale);
    drawHomeScreen(cairo, screen, scale);
    cairo_restore(cairo);
}

std::string snapshotVersion(id view)
{
    auto const& item = static_cast<SBAppSwitcherSnapshotView*>(view)->displayItem;
    if (!item)
        return {};
    if (item->isHomeScreen())
        return "home " + homeScreenVersion();
    return item->displayIdentifier ? frameVersion(item->displayIdentifier->value) : std::string();
}

const std::string* frontApplication()
{
    auto* shell = uikit::sharedApplication();
    if (!shell || !foundation::isKindOf(shell, springboard::SpringBoardClass()))
        return nullptr;
    auto const& front = static_cast<SpringBoard*>(shell)->frontMostApplication;
    if (!front || !static_cast<SBApplication*>(front.get())->bundleIdentifier)
        return nullptr;
    return &static_cast<SBApplication*>(front.get())->bundleIdentifier->value;
}

}

std::string frontApplicationVersion()
{
    auto const* bundleIdentifier = frontApplication();
    return bundleIdentifier ? frameVersion(*bundleIdentifier) : std::string();
}

void drawFrontApplication(cairo_t* cairo, CGSize screen)
{
    if (auto const* bundleIdentifier = frontApplication())
        paintFrame(frontboard::ApplicationProcesses::shared().takeLatestFrame(*bundleIdentifier), cairo, screen);
}

void registerHostedContent()
{
    registerContentDrawer(frontboard::FBSceneHostViewClass(), drawHostedFrame, hostedFrameVersion, hostedFrameChange);
    registerContentDrawer(springboard::SBAppSwitcherSnapshotViewClass(), drawSnapshot, snapshotVersion);
}

}

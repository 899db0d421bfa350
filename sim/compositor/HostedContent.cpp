#include "HostedContent.h"

#include "Compositor.h"
#include "HomeScreen.h"
#include "NotRunningNote.h"

#include "foundation/NSString.h"
#include "frontboard/ApplicationProcesses.h"
#include "frontboard/FBSceneHostView.h"
#include "springboard/SBAppSwitcherSnapshotView.h"
#include "springboard/SBApplication.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIApplication.h"
#include "uikit/UIScreen.h"

#include <algorithm>
#include <string>

namespace compositor {

namespace {

bool isLandscape(double width, double height) { return width > height; }

// Draws `frame` (an application's whole screen in pixels, at its own size)
// over `size` points, and lets it go.
void paintFrame(cairo_surface_t* frame, cairo_t* cairo, CGSize size)
{
    if (!frame)
        return;
    int const width = cairo_image_surface_get_width(frame);
    int const height = cairo_image_surface_get_height(frame);
    // The frame is the application's whole screen in pixels; the view is
    // that screen in points. A frame turned otherwise than the view (drawn
    // before the application heard of a turn) keeps its proportions, from
    // the top left, rather than being squashed.
    double scaleX = size.width / width;
    double scaleY = size.height / height;
    if (isLandscape(width, height) != isLandscape(size.width, size.height))
        scaleX = scaleY = std::min(scaleX, scaleY);
    cairo_save(cairo);
    cairo_scale(cairo, scaleX, scaleY);
    cairo_set_source_surface(cairo, frame, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cairo), CAIRO_FILTER_GOOD);
    cairo_paint(cairo);
    cairo_restore(cairo);
    cairo_surface_destroy(frame);
}

// Which frame of which process: a new frame, or the process going, changes it.
std::string frameVersion(const std::string& bundleIdentifier)
{
    auto& processes = frontboard::ApplicationProcesses::shared();
    return bundleIdentifier + ' ' + std::to_string(processes.processIdentifier(bundleIdentifier)) + ' '
        + std::to_string(processes.announcedFrameCount(bundleIdentifier));
}

std::string hostedFrameVersion(id view)
{
    auto const* host = static_cast<FBSceneHostView*>(view);
    if (!host->manager)
        return {};
    return (frontboard::isHosting(host) ? "hosting " : "idle ") + frameVersion(host->manager->bundleIdentifier);
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
    registerContentDrawer(frontboard::FBSceneHostViewClass(), drawHostedFrame, hostedFrameVersion);
    registerContentDrawer(springboard::SBAppSwitcherSnapshotViewClass(), drawSnapshot, snapshotVersion);
}

}

#include "HomeScreen.h"

#include "HomeIcon.h"
#include "HomeScreenLayout.h"
#include "Text.h"
#include "Wallpaper.h"

#include "InstalledApplications.h"
#include "StatusBarPainter.h"
#include "foundation/DevicePath.h"
#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "foundation/WallClock.h"
#include "springboard/SBApplicationController.h"

#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <optional>
#include <vector>

namespace compositor {

namespace {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};

struct HomeScreenState {
    std::optional<std::vector<HomeIcon>> icons;
    // The bundle identifier of each icon, in the same order.
    std::vector<std::string> bundleIdentifiers;
    std::unique_ptr<cairo_surface_t, SurfaceRelease> picture;
    CGSize pictureScreen;
    double pictureScale = 0;
};

HomeScreenState& state()
{
    static HomeScreenState shared;
    return shared;
}

std::vector<HomeIcon> readIcons(std::vector<std::string>* bundleIdentifiers)
{
    AutoreleasePool pool;
    std::vector<HomeIcon> icons;
    for (auto const& application : apps::readInstalledApplications()) {
        bundleIdentifiers->push_back(application.bundleIdentifier);
        HomeIcon icon { validUtf8(application.displayName), nullptr, badgeText(application.badgeValue) };
        std::error_code error;
        if (std::filesystem::exists(foundation::devicePath(application.iconPath), error))
            icon.image = uikit::loadImageFile(application.iconPath);
        else
            systemlog::write(kCFLogLevelWarning, "home screen: no icon for " + icon.name + " at " + application.iconPath);
        icons.push_back(std::move(icon));
    }
    return icons;
}

// A band of frosted white along the bottom, and above it the dot of the one
// page of icons.
void drawDock(cairo_t* cairo, CGSize screen)
{
    CGRect const dock = homeScreenDockFrame(screen);
    cairo_rectangle(cairo, dock.origin.x, dock.origin.y, dock.size.width, dock.size.height);
    cairo_set_source_rgba(cairo, 1, 1, 1, 0.22);
    cairo_fill(cairo);
    cairo_rectangle(cairo, dock.origin.x, dock.origin.y, dock.size.width, 0.5);
    cairo_set_source_rgba(cairo, 1, 1, 1, 0.35);
    cairo_fill(cairo);
    cairo_arc(cairo, screen.width / 2, dock.origin.y - 12, 3.5, 0, 2 * std::numbers::pi);
    cairo_set_source_rgba(cairo, 1, 1, 1, 0.9);
    cairo_fill(cairo);
}

cairo_surface_t* drawPicture(const std::vector<HomeIcon>& icons, CGSize screen, double scale, int width, int height)
{
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cairo = cairo_create(picture);
    cairo_scale(cairo, scale, scale);
    drawWallpaper(cairo, screen);
    drawDock(cairo, screen);
    double const lowest = homeScreenDockFrame(screen).origin.y - 20;
    for (size_t index = 0; index < icons.size(); ++index) {
        HomeScreenIconPlace const place = homeScreenIconPlace(screen, index);
        if (CGRectGetMaxY(place.name) > lowest)
            break;
        drawHomeIcon(cairo, icons[index], place);
    }
    cairo_destroy(cairo);
    return picture;
}

std::string liveBadgeText(id badge)
{
    if (foundation::isKindOf(badge, foundation::NSNumberClass())) {
        long long const number = static_cast<NSNumber*>(badge)->integerValue();
        return number == 0 ? std::string() : std::to_string(number);
    }
    if (foundation::isKindOf(badge, foundation::NSStringClass()))
        return validUtf8(static_cast<NSString*>(badge)->value);
    return {};
}

// The badges follow the shell's applications, which notifications change;
// an icon the shell does not know keeps the file's badge. True when one
// changed.
bool followShellBadges(std::vector<HomeIcon>& icons, const std::vector<std::string>& bundleIdentifiers)
{
    Class controllerClass = springboard::SBApplicationControllerClass();
    if (!controllerClass)
        return false;
    auto const* controller = static_cast<SBApplicationController*>(send<id>(controllerClass, "sharedInstance"_sel));
    if (!controller)
        return false;
    bool changed = false;
    for (auto const& application : controller->applications) {
        if (!application->bundleIdentifier)
            continue;
        for (size_t index = 0; index < icons.size(); ++index) {
            if (bundleIdentifiers[index] != application->bundleIdentifier->value)
                continue;
            std::string badge = liveBadgeText(application->badge.get());
            if (badge != icons[index].badge) {
                icons[index].badge = std::move(badge);
                changed = true;
            }
        }
    }
    return changed;
}

std::time_t deviceTime()
{
    return static_cast<std::time_t>(foundation::wallClockNow());
}

}

void drawHomeScreen(cairo_t* cairo, CGSize screen, double scale)
{
    auto& shared = state();
    if (!shared.icons)
        shared.icons = readIcons(&shared.bundleIdentifiers);
    if (followShellBadges(*shared.icons, shared.bundleIdentifiers))
        shared.picture.reset();
    cairo_surface_t* target = cairo_get_target(cairo);
    int const width = cairo_image_surface_get_width(target);
    int const height = cairo_image_surface_get_height(target);
    if (!shared.picture || shared.pictureScreen != screen || shared.pictureScale != scale
        || cairo_image_surface_get_width(shared.picture.get()) != width || cairo_image_surface_get_height(shared.picture.get()) != height) {
        shared.picture.reset(drawPicture(*shared.icons, screen, scale, width, height));
        shared.pictureScreen = screen;
        shared.pictureScale = scale;
    }

    cairo_save(cairo);
    cairo_set_source_surface(cairo, shared.picture.get(), 0, 0);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo);
    cairo_restore(cairo);

    cairo_save(cairo);
    cairo_scale(cairo, scale, scale);
    apps::StatusBarPainter(true).draw(cairo, screen.width, deviceTime());
    cairo_restore(cairo);
}

std::string homeScreenVersion()
{
    auto& shared = state();
    if (!shared.icons)
        shared.icons = readIcons(&shared.bundleIdentifiers);
    if (followShellBadges(*shared.icons, shared.bundleIdentifiers))
        shared.picture.reset();
    std::string version = std::to_string(apps::StatusBarPainter::version(deviceTime()));
    for (auto const& icon : *shared.icons)
        version += ' ' + icon.badge;
    return version;
}

void resetHomeScreen()
{
    state() = HomeScreenState {};
}

}

#pragma once
// One application on the home screen: its icon in a rounded square, its name
// underneath, and its badge at the icon's top right corner.

#include "HomeScreenLayout.h"

#include "InstalledApplication.h"
#include "uikit/UIImage.h"

#include <cairo.h>

#include <string>

namespace compositor {

struct HomeIcon {
    std::string name;
    // Nil when the icon cannot be read: a plain tile stands in.
    Strong<UIImage> image;
    // Empty: no badge.
    std::string badge;
};

// The text a badge shows: nothing for no badge, zero or an empty text.
std::string badgeText(const apps::BadgeValue& value);

void drawHomeIcon(cairo_t* cairo, const HomeIcon& icon, const HomeScreenIconPlace& place);

}

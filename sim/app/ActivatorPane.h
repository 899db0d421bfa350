#pragma once
// Activator's pane in the Settings application: the listeners the shell's
// Activator has registered, under their groups, each with its title,
// description and icon as the listener answers them and the events assigned
// to it; a tap on a listener opens its page, where a tap assigns one of the
// device's events to it, or none. Everything comes from the shell over the bus
// (activator::ActivatorRemote), asked afresh each time the pane shows.

#include "AppScreen.h"
#include "DeviceImage.h"

#include "activator/ListenerDescription.h"
#include "coregraphics/CGGeometry.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace apps {

inline constexpr const char* kActivatorPaneName = "Activator";

class ActivatorPane {
public:
    // The pane came on screen (or the application to the front with it).
    void shown();
    long long version() const;

    void draw(cairo_t* cairo, const ScreenArea& area) const;
    void tapped(CGPoint point, const ScreenArea& area);
    // A listener's page goes back to the list; false on the list itself.
    bool goBack();

private:
    struct Row {
        CGRect frame;
        size_t listener;
    };
    struct ListLayout {
        std::vector<std::pair<std::string, CGRect>> headers;
        std::vector<Row> rows;
    };
    // "" for none, then the device's events, in the page's order.
    struct Choice {
        CGRect frame;
        std::string event;
        std::string title;
    };

    const std::vector<activator::ListenerDescription>* listeners() const;
    const activator::ListenerDescription* openListener() const;
    ListLayout layOutList(const ScreenArea& area) const;
    std::vector<Choice> layOutChoices(const ScreenArea& area) const;
    void drawList(cairo_t* cairo, const ScreenArea& area) const;
    void drawListener(cairo_t* cairo, const ScreenArea& area, const activator::ListenerDescription& listener) const;
    void drawMessage(cairo_t* cairo, const ScreenArea& area, const std::string& message) const;
    cairo_surface_t* icon(const activator::ListenerDescription& listener) const;

    std::optional<std::string> m_open;
    long long m_version = 0;
    bool m_asked = false;
    // Decoded icons by listener name, with the bytes they came from.
    mutable std::map<std::string, std::pair<std::vector<uint8_t>, DeviceImage>> m_icons;
};

}

#pragma once
// Where each control of Drawlet's pane in the Settings application sits, and
// which setting it changes: the pane draws from this layout and hit-tests taps
// against it, so the two never disagree. One column from the top: a note when
// the settings file cannot be read, the master switches, the grabber's look
// (switches and a row of colour swatches for each colour), then the installed
// applications to choose the start-up application from, with a caption. A
// screen wide enough for two columns (turned landscape) puts the grabber's
// section in a second column, so the pane still fits its height.

#include "AppScreen.h"

#include "coregraphics/CGGeometry.h"

#include <string>
#include <vector>

namespace apps {

struct PaneSection {
    std::string title;
    CGRect frame {};
};

// A row whose switch turns a boolean key on and off.
struct PaneSwitch {
    std::string key;
    std::string label;
    CGRect row {};
};

// A row of swatches for a colour key, with the colour's text on the right.
struct PaneColourRow {
    std::string key;
    // What the shell uses when the key is absent or unreadable.
    std::string fallback;
    // The boolean key that makes the shell use the colour.
    std::string switchKey;
    CGRect row {};
};

struct PaneSwatch {
    std::string key;
    // "#RRGGBB", as written to the file.
    std::string colour;
    CGRect frame {};
};

struct PaneApplicationCell {
    // Index into the installed applications.
    size_t application = 0;
    CGRect frame {};
    CGRect icon {};
};

struct DrawletPaneLayout {
    // Only laid out when asked for (withProblem).
    CGRect problem {};
    std::vector<PaneSection> sections;
    // Rows of the grouped list, top to bottom, to draw their backgrounds.
    std::vector<CGRect> rows;
    std::vector<PaneSwitch> switches;
    std::vector<PaneColourRow> colourRows;
    std::vector<PaneSwatch> swatches;
    CGRect applicationsArea {};
    std::vector<PaneApplicationCell> applications;
    // Where the caption under the applications starts, on its baseline.
    CGPoint caption {};
};

inline constexpr const char* kStartupApplicationKey = "startupApp";

DrawletPaneLayout layOutDrawletPane(const ScreenArea& area, size_t applicationCount, bool withProblem);

}

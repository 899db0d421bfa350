#pragma once
// drawlet-app's command line.

#include <optional>
#include <string>
#include <vector>

namespace apps {

struct AppOptions {
    std::string bundleIdentifier;
    std::string root;
    std::string home;
    std::string bus;
    int scale = 2;
    int screenWidth = 375;
    int screenHeight = 667;
    bool headless = false;
    // The scene starts in the background: the application draws nothing
    // until the shell brings it to the foreground.
    bool background = false;
    std::vector<std::string> withoutClasses;
    std::string log;
    std::string shot;
    // The device's wall clock at the clock's 0 (drawlet-sim's --wall-clock).
    std::string wallClock;
    // An address to open once launched, as the shell hands one over.
    std::string url;
};

// An exit status when the program should stop here (0 after --help, 2 for a
// wrong option), otherwise nothing.
std::optional<int> parseAppOptions(int argc, char** argv, AppOptions* options);

}

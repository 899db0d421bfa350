#include "AppOptions.h"

#include "SimulatorOptions.h"
#include "settings/SettingsPaths.h"

#include <CLI/CLI.hpp>

namespace apps {

std::optional<int> parseAppOptions(int argc, char** argv, AppOptions* options)
{
    CLI::App app { "drawlet-app: one simulated application process, with the libraries its filters name\n"
                   "(DrawletClient) loaded into it. Exit status: 0, 1 when it cannot start (an unknown\n"
                   "bundle identifier, a bus it cannot join, a shot it cannot write), 2 for a wrong option." };
    app.get_formatter()->column_width(34);

    std::string screen = "375x667";
    app.add_option("BUNDLE_ID", options->bundleIdentifier, "The application, as listed in the installed-applications file.")
        ->required();
    app.add_option("--root", options->root, "The device's file-system root. Default: found from this program's location.")
        ->type_name("DIR")
        ->check(CLI::Validator(CLI::ExistingDirectory).description(""));
    // Never the real home: what an application writes there (the Settings
    // application writes the settings file) stays the simulator's.
    options->home = settings::defaultHomeDirectory();
    app.add_option("--home", options->home, "The user's home directory (NSHomeDirectory). Default: the simulator's own home, as for drawlet-sim.")
        ->type_name("DIR");
    app.add_option("--bus", options->bus, "Join the D-Bus bus at this address (notifications between processes).")->type_name("ADDR");
    app.add_option("--scale", options->scale, "Pixels per point (default 2).")->check(CLI::Range(1, 4));
    app.add_option("--screen", screen, "The screen's size in points (default 375x667).")
        ->type_name("WIDTHxHEIGHT")
        ->check([](const std::string& text) {
            int width = 0;
            int height = 0;
            return sim::parseScreenSize(text, &width, &height) ? std::string() : "expected WIDTHxHEIGHT, each 1 to 10000, e.g. 320x568";
        });
    app.add_flag("--headless", options->headless,
        "Virtual time. With --bus it follows the shell's clock; without, it launches, draws its first frame, runs what is due and exits.");
    app.add_flag("--background", options->background, "The scene starts in the background: nothing is drawn until the shell brings it to the foreground.");
    app.add_option("--app-without-class", options->withoutClasses,
           "Repeatable. Looking this class up by name gives nil in this process; the platform's own objects are unchanged.")
        ->type_name("NAME")
        ->allow_extra_args(false);
    app.add_option("--log", options->log, "Also write the log to this file.")->type_name("FILE");
    app.add_option("--wall-clock", options->wallClock, "The device's wall clock at the clock's 0, YYYY-MM-DDTHH:MM:SS (default: the host's time).")
        ->type_name("TIME")
        ->check(sim::checkWallClock);
    app.add_option("--shot", options->shot, "Write the first frame as a PNG and exit.")->type_name("FILE");
    app.add_option("--url", options->url, "Open this address once launched, as the shell hands one over (e.g. prefs:root=Drawlet for Settings).")
        ->type_name("ADDRESS");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }
    sim::parseScreenSize(screen, &options->screenWidth, &options->screenHeight);
    return std::nullopt;
}

}

#include "SimulatorOptions.h"

#include "foundation/WallClock.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cstdio>
#include <unistd.h>

namespace sim {

namespace {

bool parseDimension(std::string_view text, int* value)
{
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return status == std::errc() && end == text.data() + text.size() && *value >= 1 && *value <= 10000;
}

}

bool parseScreenSize(const std::string& text, int* width, int* height)
{
    auto x = text.find('x');
    if (x == std::string::npos)
        return false;
    std::string_view view(text);
    return parseDimension(view.substr(0, x), width) && parseDimension(view.substr(x + 1), height);
}

std::optional<int> parseSimulatorOptions(int argc, char** argv, SimulatorOptions* options)
{
    CLI::App app { "drawlet-sim: the simulated phone shell (SpringBoard), with Drawlet loaded into it.\n"
                   "Runs until killed, or runs a scenario (--script) and exits: 0 when every command\n"
                   "succeeded, 1 when a command failed while running, 2 for a wrong option or script." };
    app.get_formatter()->column_width(34);

    std::string screen = "375x667";
    std::optional<uint64_t> seed;
    app.add_option("--home", options->home,
           "The user's home directory; the settings file is DIR/Library/Preferences/com.quillbrook.drawlet-preferences.plist. "
           "Missing device folders (Library/Preferences) are created. Default: the simulator's own per-user folder, never your real home.")
        ->type_name("DIR");
    app.add_option("--root", options->root,
           "The device's file-system root, under which absolute device paths such as /Library/MobileSubstrate/DynamicLibraries are found. "
           "A root with no applications of its own (/Applications/InstalledApplications.plist), such as one the drawlet package was unpacked into, "
           "gets the simulator's own. Default: found from this program's location (the build tree's root/, or share/drawlet/root when installed).")
        ->type_name("DIR")
        ->check(CLI::Validator(CLI::ExistingDirectory).description(""));
    app.add_option("--bus", options->bus,
           "Join the D-Bus bus at this address. Default: start a private dbus-daemon, write its address to HOME/.drawlet-bus "
           "(for drawlet-settings) and end it with this process.")
        ->type_name("ADDR");
    app.add_option("--screen", screen, "The main screen's size in points (default 375x667).")
        ->type_name("WIDTHxHEIGHT")
        ->check([](const std::string& text) {
            int width = 0;
            int height = 0;
            return parseScreenSize(text, &width, &height) ? std::string() : "expected WIDTHxHEIGHT, each 1 to 10000, e.g. 320x568";
        });
    app.add_option("--without-class", options->withoutClasses,
           "Repeatable. Looking this class up by name (objc_getClass, NSClassFromString) gives nil, as on a shell version that lacks it; "
           "the platform's own objects are unchanged.")
        ->type_name("NAME")
        ->allow_extra_args(false);
    app.add_option("--app-without-class", options->appWithoutClasses,
           "Repeatable. As --without-class, in every application process the shell starts.")
        ->type_name("NAME")
        ->allow_extra_args(false);
    app.add_option("--app-program", options->appPrograms,
           "Repeatable, BUNDLE_ID=PROGRAM. That application runs PROGRAM, with the arguments drawlet-app would get, instead of drawlet-app: "
           "for testing how the shell copes with an application that misbehaves.")
        ->type_name("BUNDLE_ID=PROGRAM")
        ->allow_extra_args(false)
        ->check([](const std::string& value) -> std::string {
            auto const equals = value.find('=');
            if (equals == std::string::npos || equals == 0 || equals + 1 == value.size())
                return "expected BUNDLE_ID=PROGRAM, got " + value;
            if (access(value.c_str() + equals + 1, X_OK) != 0)
                return "not an executable program: " + value.substr(equals + 1);
            return {};
        });
    app.add_option("--scale", options->scale, "Pixels per point of the screen and of every application's frames (1 to 4, default 2).")
        ->check(CLI::Range(1, 4));
    app.add_flag("--no-inject", options->noInject, "Start without loading any library (the shell alone).");
    auto* headless = app.add_flag("--headless", options->headless, "No window; virtual time: a script's waits take no real time and timers fire in order at their exact virtual times.");
    app.add_option("--script", options->script,
           "Run this scenario, then exit. One command a line, # comments, words separated by spaces, double quotes (with backslash escapes) "
           "for words that hold spaces. The whole script is checked before it runs. Time 0 is the moment the shell finished launching.")
        ->type_name("FILE");
    app.add_option("--log", options->log,
           "Also write the log to this file: one line a message, SECONDS NAME[PID]: MESSAGE, the same as on standard error.")
        ->type_name("FILE");

    auto* record = app.add_option("--record", options->record,
                          "With --headless only: record the run into this folder (made when missing), on virtual time, from the end of launch to the "
                          "end of the script: the screen at each frame instant as DIR/frame-NNNN.png (frames an earlier recording left there are "
                          "removed), and all of them as the animated GIF DIR/NAME.gif, NAME the script's file name without its extension.")
                       ->type_name("DIR")
                       ->needs(headless)
                       ->check([](const std::string& text) { return text.empty() ? "the folder must not be empty" : ""; });
    app.add_option("--record-fps", options->recordFramesPerSecond, "Frames a second of virtual time that --record takes (1 to 120, default 30).")
        ->type_name("N")
        ->check(CLI::Range(1, 120))
        ->needs(record);

    app.add_option("--wall-clock", options->wallClock,
           "The device's wall clock at launch, as the phone's local time, YYYY-MM-DDTHH:MM:SS; it then follows the device's time in every "
           "process (virtual in headless runs), so pictures repeat. Default: the host's time.")
        ->type_name("TIME")
        ->check(checkWallClock);
    app.add_flag("--full-redraw", options->fullRedraw,
        "Draw every frame of the screen whole (window, shot, --record) instead of only what changed since the frame before; the pictures are "
        "the same, only the cost differs. The window then draws 60 frames a second, changed or not.");
    auto* soak = app.add_option("--soak", options->soakEvents,
                        "With --headless only: run this many random events (1 to 100000000) instead of a script, each a script line run as "
                        "--script runs it, checking after each that the shell, the panel, the dimming and the settings file are as they must be; "
                        "exit 0 with a summary line when all held, 1 with the seed, the event and the state at the first violation.")
                     ->type_name("EVENTS")
                     ->needs(headless)
                     ->check(CLI::Range(1L, 100'000'000L));
    app.add_option("--seed", seed, "The soak's seed (0 to 2^64-1); a fresh one, printed, without it.")
        ->type_name("SEED")
        ->needs(soak);
    app.add_option("--soak-script", options->soakScript, "Write the soak's events to this file as they run: a script that replays the run with --script.")
        ->type_name("FILE")
        ->needs(soak);
    app.add_option("--soak-without", options->soakWithout, "Repeatable. The soak never chooses events of this verb (e.g. hang, for a run that takes no real time).")
        ->type_name("VERB")
        ->allow_extra_args(false)
        ->needs(soak);
    app.add_flag("--list-apps", options->listApps, "Print the installed applications' bundle identifiers, one a line, and start nothing.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }
    parseScreenSize(screen, &options->screenWidth, &options->screenHeight);
    options->seed = seed;
    if (options->soakEvents > 0 && !options->script.empty()) {
        std::fprintf(stderr, "drawlet-sim: --soak and --script cannot run together\n");
        return 2;
    }
    return std::nullopt;
}

std::string checkWallClock(const std::string& text)
{
    return foundation::parseWallClock(text) ? std::string() : "expected YYYY-MM-DDTHH:MM:SS, a valid date and time from 1970, e.g. 2026-12-09T09:41:00";
}

}

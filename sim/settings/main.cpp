// drawlet-settings: the stand-in for the settings pane. Reads and edits the
// settings file of a home and tells a running shell about each change.

#include "SettingsNotification.h"
#include "SettingsPaths.h"
#include "SettingsStore.h"
#include "TypedValue.h"

#include "foundation/NSObject.h"
#include "foundation/SystemLog.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>

namespace {

constexpr int kExitAbsentKey = 1;
constexpr int kExitRefused = 2;

int fail(const settings::Status& status)
{
    std::cerr << "drawlet-settings: " << status.message << "\n";
    return status.code == settings::Status::Code::NotFound ? kExitAbsentKey : kExitRefused;
}

int printSettings(const settings::SettingsStore& store, const std::string& key)
{
    if (!key.empty()) {
        Strong<objc_object> value;
        auto status = store.get(key, &value);
        if (!status.ok())
            return fail(status);
        std::cout << key << " = " << settings::describeValue(value) << "\n";
        return 0;
    }
    Strong<NSDictionary> all;
    if (auto status = store.read(&all); !status.ok())
        return fail(status);
    for (auto const& [name, value] : all->entries)
        std::cout << settings::describeValue(name) << " = " << settings::describeValue(value) << "\n";
    return 0;
}

// The change is made; a shell that cannot be told reads it at its next launch.
int announce(const settings::Status& status, const std::string& home, const std::string& bus)
{
    if (!status.ok())
        return fail(status);
    if (status.changed)
        settings::postSettingsChangedOnBus(bus.empty() ? settings::readBusAddress(home) : bus);
    return 0;
}

}

// CLI11 throws outside CLI11_PARSE only for a malformed option table, which
// every run would show; what a user types is caught and reported by CLI11_PARSE.
int main(int argc, char** argv) // NOLINT(bugprone-exception-escape)
{
    CLI::App app { "Reads and edits Drawlet's settings file as the settings pane does, then tells a running shell "
                   "(Darwin notification \"com.quillbrook.drawlet-preferences/settingschanged\")." };
    app.require_subcommand(1);
    std::string home = settings::defaultHomeDirectory();
    std::string bus;
    app.add_option("--home", home, "The user's home; the settings file is HOME/Library/Preferences/com.quillbrook.drawlet-preferences.plist")
        ->capture_default_str();
    app.add_option("--bus", bus, "The bus of the running shell (default: the address the simulator left in HOME/.drawlet-bus)");

    std::string key;
    std::string value;
    bool forceString = false;
    auto* get = app.add_subcommand("get", "Print KEY = VALUE for KEY, or for every key; exit status 1 when KEY is absent");
    get->add_option("KEY", key, "The setting to print");
    auto* set = app.add_subcommand("set", "Store VALUE under KEY: true/false/YES/NO as a boolean, an integer or a real as a number, anything else as a string");
    set->add_option("KEY", key, "The setting to change")->required();
    set->add_option("VALUE", value, "The new value")->required();
    set->add_flag("--string", forceString, "Store VALUE as a string, whatever it looks like");
    auto* remove = app.add_subcommand("delete", "Remove KEY from the file (nothing happens when it is absent)");
    remove->add_option("KEY", key, "The setting to remove")->required();
    auto* reset = app.add_subcommand("reset", "Remove the settings file, so the next launch is a first launch");
    app.footer("A VALUE that begins with '-' follows \"--\": set KEY -- -text.\n"
               "Exit status: 0 done, 1 the key is absent (get), 2 refused (a file that cannot be read, a value that cannot be stored).");
    CLI11_PARSE(app, argc, argv);

    foundation::registerClasses();
    systemlog::setProcessName("drawlet-settings");
    AutoreleasePool pool;
    settings::SettingsStore store(home);

    if (get->parsed())
        return printSettings(store, key);
    if (set->parsed())
        return announce(store.set(key, value, forceString), home, bus);
    if (remove->parsed())
        return announce(store.remove(key), home, bus);
    if (reset->parsed())
        return announce(store.reset(), home, bus);
    return kExitRefused;
}

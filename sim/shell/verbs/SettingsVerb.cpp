// settings set [--string] KEY VALUE / settings delete KEY: edits the settings
// file with drawlet-settings' own code, then posts its change notification so
// the shell re-reads it.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "runtime/AutoreleasePool.h"
#include "settings/SettingsNotification.h"
#include "settings/SettingsStore.h"
#include "settings/TypedValue.h"

#include <filesystem>
#include <fstream>

namespace sim {

namespace {

constexpr const char* kSetUsage = "settings set [--string] KEY VALUE";
constexpr const char* kDeleteUsage = "settings delete KEY";
constexpr const char* kFileUsage = "settings file KIND";

// The file is written first, then the shell told of the change, as the
// settings tool does (a set to the value already there changes nothing).
VerbResult finish(const settings::Status& status)
{
    if (!status.ok())
        return VerbResult::failed(status.message);
    if (status.changed)
        settings::postSettingsChanged();
    return VerbResult::done();
}

std::optional<VerbAction> parseSet(Arguments arguments, std::string* error)
{
    bool forceString = !arguments.empty() && arguments[0] == "--string";
    if (forceString)
        arguments.erase(arguments.begin());
    if (!expectArgumentCount(arguments, 2, kSetUsage, error)
        || !checkText("the key", arguments[0], error)
        || !checkText("the value", arguments[1], error, true))
        return std::nullopt;
    // A value the file cannot hold is the script's mistake, found before it
    // runs (and before the device has set anything up but Foundation).
    foundation::registerClasses();
    AutoreleasePool pool;
    std::string reason;
    if (!settings::parseTypedValue(arguments[1], forceString, &reason)) {
        *error = "the value \"" + arguments[1] + "\": " + reason;
        return std::nullopt;
    }
    return [key = arguments[0], text = arguments[1], forceString](ScriptContext& context) {
        return finish(settings::SettingsStore(context.homeDirectory).set(key, text, forceString));
    };
}

std::optional<VerbAction> parseDelete(const Arguments& arguments, std::string* error)
{
    if (!expectArgumentCount(arguments, 1, kDeleteUsage, error) || !checkText("the key", arguments[0], error))
        return std::nullopt;
    return [key = arguments[0]](ScriptContext& context) {
        return finish(settings::SettingsStore(context.homeDirectory).remove(key));
    };
}

// Breaks the file as a careless hand or a full disk might, then tells the
// shell, which must carry on whatever it finds.
std::optional<VerbAction> parseFile(const Arguments& arguments, std::string* error)
{
    if (!expectArgumentCount(arguments, 1, kFileUsage, error))
        return std::nullopt;
    std::string const& what = arguments[0];
    if (what != "delete" && what != "empty" && what != "garbage") {
        *error = std::string("expected delete, empty or garbage; usage: ") + kFileUsage + " (KIND: delete, empty or garbage)";
        return std::nullopt;
    }
    return [what](ScriptContext& context) {
        std::string const path = settings::SettingsStore(context.homeDirectory).path();
        std::error_code removeError;
        std::filesystem::remove(path, removeError);
        if (removeError)
            return VerbResult::failed("cannot remove " + path + ": " + removeError.message());
        if (what != "delete") {
            std::ofstream file(path, std::ios::binary | std::ios::trunc);
            if (what == "garbage")
                file << "<?xml version=\"1.0\"?>\n<plist><dict><key>tweakEnabled</key><tru\x01\xff";
            if (!file.flush())
                return VerbResult::failed("cannot write " + path);
        }
        settings::postSettingsChanged();
        return VerbResult::done();
    };
}

}

Verb settingsVerb()
{
    return { "settings", { kSetUsage, kDeleteUsage, kFileUsage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!arguments.empty() && arguments[0] == "set")
                    return parseSet(Arguments(arguments.begin() + 1, arguments.end()), error);
                if (!arguments.empty() && arguments[0] == "delete")
                    return parseDelete(Arguments(arguments.begin() + 1, arguments.end()), error);
                if (!arguments.empty() && arguments[0] == "file")
                    return parseFile(Arguments(arguments.begin() + 1, arguments.end()), error);
                *error = std::string("expected \"set\", \"delete\" or \"file\"; usage: ") + kSetUsage + " | " + kDeleteUsage + " | " + kFileUsage;
                return std::nullopt;
            } };
}

}

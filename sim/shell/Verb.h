#pragma once
// The verbs a scenario is made of. Each verb checks its arguments when the
// script is parsed (before anything runs) and hands back the action that runs
// it later; adding a verb is adding a row to the table in VerbTable.cpp.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// What a running verb can reach of the simulated device.
struct ScriptContext {
    std::string homeDirectory;
    // True once the shell has been asked to end (a signal): the run stops
    // after the command under way, as at `quit`.
    std::function<bool()> endRequested = nullptr;
};

struct VerbResult {
    enum class Kind {
        Continue,
        Failed,
        Quit,
    };
    Kind kind = Kind::Continue;
    std::string failure;

    static VerbResult done() { return {}; }
    static VerbResult failed(std::string reason) { return { Kind::Failed, std::move(reason) }; }
    static VerbResult quit() { return { Kind::Quit, {} }; }
};

using VerbAction = std::function<VerbResult(ScriptContext&)>;
using Arguments = std::vector<std::string>;

struct Verb {
    std::string name;
    // How it is written, one form a line, e.g. "settings set KEY VALUE".
    std::vector<std::string> forms;
    // The arguments are the words after the verb; nullopt with a reason when
    // they are wrong.
    std::function<std::optional<VerbAction>(const Arguments& arguments, std::string* error)> parse;
};

const std::vector<Verb>& verbTable();
const Verb* findVerb(std::string_view name);

}

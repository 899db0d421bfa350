#pragma once
// A scenario: one command a line, parsed whole before anything runs, so that a
// mistake on line 40 stops the run before line 1 has changed anything.

#include "Verb.h"

#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct ScriptCommand {
    int line = 0;
    std::string verb;
    Arguments arguments;
    VerbAction action;
};

struct ScriptError {
    int line = 0;
    std::string message;
};

struct Script {
    std::vector<ScriptCommand> commands;
    // Every line in error, in order; the script runs only when there are none.
    std::vector<ScriptError> errors;
};

Script parseScript(std::string_view text);

// The file's contents, or false with a reason.
bool readScriptFile(const std::string& path, std::string* text, std::string* error);

}

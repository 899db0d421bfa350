#pragma once
// Runs a parsed scenario on the main thread, one command after another.

#include "Script.h"

namespace sim {

// Runs until `quit`, the end or the context's end request, then lets whatever is due at that instant run.
// A verb that fails writes a log line and the run goes on; the result is the
// exit status: 1 when any verb failed, otherwise 0.
int runScript(const Script& script, ScriptContext& context);

// Runs one command as a scenario does (its own pool, its failure logged), and
// then whatever it set off at this instant, in every process.
VerbResult runScriptCommand(const ScriptCommand& command, ScriptContext& context);

}

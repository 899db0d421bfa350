#include "ScriptRunner.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"

namespace sim {

VerbResult runScriptCommand(const ScriptCommand& command, ScriptContext& context)
{
    // Each command is one callback of the main thread, with its own pool;
    // what it sets off, in every process, is done at this instant before
    // the next command runs.
    VerbResult result;
    {
        AutoreleasePool pool;
        result = command.action(context);
    }
    if (result.kind == VerbResult::Kind::Failed)
        systemlog::write(kCFLogLevelError, "drawlet-sim: script line " + std::to_string(command.line) + ": " + command.verb + " failed: " + result.failure);
    auto& loop = dispatch::RunLoop::main();
    loop.runUntil(loop.nowNanoseconds());
    return result;
}

int runScript(const Script& script, ScriptContext& context)
{
    bool anyFailed = false;
    for (auto const& command : script.commands) {
        VerbResult result = runScriptCommand(command, context);
        anyFailed = anyFailed || result.kind == VerbResult::Kind::Failed;
        if (result.kind == VerbResult::Kind::Quit || (context.endRequested && context.endRequested()))
            break;
    }
    return anyFailed ? 1 : 0;
}

}

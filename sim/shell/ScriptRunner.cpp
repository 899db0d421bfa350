#include "ScriptRunner.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"

namespace sim {

int runScript(const Script& script, ScriptContext& context)
{
    bool anyFailed = false;
    for (auto const& command : script.commands) {
        // Each command is one callback of the main thread, with its own pool.
        AutoreleasePool pool;
        VerbResult result = command.action(context);
        if (result.kind == VerbResult::Kind::Failed) {
            systemlog::write(kCFLogLevelError, "drawlet-sim: script line " + std::to_string(command.line) + ": " + command.verb + " failed: " + result.failure);
            anyFailed = true;
        }
        if (result.kind == VerbResult::Kind::Quit)
            break;
    }
    // Notifications posted by the last commands reach their observers.
    auto& loop = dispatch::RunLoop::main();
    loop.runUntil(loop.nowNanoseconds());
    return anyFailed ? 1 : 0;
}

}

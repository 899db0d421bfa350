// wait SECONDS: lets the device run for that long (virtual time when headless).
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "dispatch/RunLoop.h"

#include <cmath>

namespace sim {

Verb waitVerb()
{
    static constexpr const char* usage = "wait SECONDS";
    return { "wait", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                double seconds = 0;
                if (!expectArgumentCount(arguments, 1, usage, error) || !parseSeconds(arguments[0], &seconds, error))
                    return std::nullopt;
                auto const nanoseconds = std::llround(seconds * 1e9);
                return [nanoseconds](ScriptContext&) {
                    auto& loop = dispatch::RunLoop::main();
                    loop.runUntil(loop.nowNanoseconds() + nanoseconds);
                    return VerbResult::done();
                };
            } };
}

}

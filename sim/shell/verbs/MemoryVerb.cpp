// memory: writes the shell's resident memory to the log, for comparing a
// shell with the libraries against one without (`--no-inject`) at the same
// moment of a scenario.
#include "ArgumentChecks.h"
#include "ResidentMemory.h"
#include "Verbs.h"

#include "foundation/SystemLog.h"

namespace sim {

Verb memoryVerb()
{
    static constexpr const char* usage = "memory";
    return { "memory", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 0, usage, error))
                    return std::nullopt;
                return [](ScriptContext&) {
                    ResidentMemory memory;
                    std::string failure;
                    if (!readResidentMemory(&memory, &failure))
                        return VerbResult::failed(failure);
                    systemlog::write(kCFLogLevelNotice,
                        "drawlet-sim: memory: VmRSS " + std::to_string(memory.residentKilobytes) + " kB, VmHWM " + std::to_string(memory.peakKilobytes)
                            + " kB, frames " + std::to_string(memory.frameKilobytes) + " kB");
                    return VerbResult::done();
                };
            } };
}

}

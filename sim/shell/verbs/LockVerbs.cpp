// lock and unlock: the lock button, and the unlock path the lock screen runs.
// Locking a locked phone, or unlocking an unlocked one, changes nothing and
// says so in the log.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "foundation/SystemLog.h"
#include "springboard/DeviceLock.h"

namespace sim {

namespace {

Verb lockStateVerb(const char* name, bool (*change)(), const char* unchanged)
{
    return { name, { name }, [name, change, unchanged](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 0, name, error))
                    return std::nullopt;
                return [change, unchanged](ScriptContext&) {
                    if (!change())
                        systemlog::write(kCFLogLevelNotice, std::string("drawlet-sim: ") + unchanged);
                    return VerbResult::done();
                };
            } };
}

}

Verb lockVerb()
{
    return lockStateVerb("lock", springboard::lockDevice, "the phone is already locked");
}

Verb unlockVerb()
{
    return lockStateVerb(
        "unlock", [] { return springboard::unlockDevice(); }, "the phone is not locked");
}

}

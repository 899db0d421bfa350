// quit: ends the run here (status 0 unless a verb failed before).
#include "ArgumentChecks.h"
#include "Verbs.h"

namespace sim {

Verb quitVerb()
{
    return { "quit", { "quit" }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 0, "quit", error))
                    return std::nullopt;
                return [](ScriptContext&) { return VerbResult::quit(); };
            } };
}

}

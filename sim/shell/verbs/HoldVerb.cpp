// hold X Y SECONDS: a finger lands at the point, stays still for that long,
// and lifts there.
#include "ArgumentChecks.h"
#include "ScreenPointArgument.h"
#include "ScriptFinger.h"
#include "Verbs.h"

namespace sim {

Verb holdVerb()
{
    static constexpr const char* usage = "hold X Y SECONDS";
    return { "hold", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                CGPoint point;
                double seconds = 0;
                if (!expectArgumentCount(arguments, 3, usage, error) || !parseScreenPoint(arguments[0], arguments[1], &point, error)
                    || !parseSeconds(arguments[2], &seconds, error))
                    return std::nullopt;
                return [point, seconds](ScriptContext&) {
                    landFinger(point);
                    keepFingerDown(seconds);
                    liftFinger(point);
                    return VerbResult::done();
                };
            } };
}

}

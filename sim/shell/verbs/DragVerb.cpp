// drag X1 Y1 X2 Y2 SECONDS: a finger lands at the first point, slides in a
// straight line to the second in that time (a move every 1/120 s) and lifts
// there.
#include "ArgumentChecks.h"
#include "ScreenPointArgument.h"
#include "ScriptFinger.h"
#include "Verbs.h"

namespace sim {

Verb dragVerb()
{
    static constexpr const char* usage = "drag X1 Y1 X2 Y2 SECONDS";
    return { "drag", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                CGPoint from;
                CGPoint to;
                double seconds = 0;
                if (!expectArgumentCount(arguments, 5, usage, error) || !parseScreenPoint(arguments[0], arguments[1], &from, error)
                    || !parseScreenPoint(arguments[2], arguments[3], &to, error) || !parseSeconds(arguments[4], &seconds, error))
                    return std::nullopt;
                return [from, to, seconds](ScriptContext&) {
                    landFinger(from);
                    slideFinger(from, to, seconds);
                    liftFinger(to);
                    return VerbResult::done();
                };
            } };
}

}

// tap X Y: a finger lands at the point and lifts there 0.05 s later, well
// within a tap's longest duration.
#include "ArgumentChecks.h"
#include "ScreenPointArgument.h"
#include "ScriptFinger.h"
#include "Verbs.h"

namespace sim {

Verb tapVerb()
{
    static constexpr const char* usage = "tap X Y";
    static constexpr double kTapSeconds = 0.05;
    return { "tap", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                CGPoint point;
                if (!expectArgumentCount(arguments, 2, usage, error) || !parseScreenPoint(arguments[0], arguments[1], &point, error))
                    return std::nullopt;
                return [point](ScriptContext&) {
                    landFinger(point);
                    keepFingerDown(kTapSeconds);
                    liftFinger(point);
                    return VerbResult::done();
                };
            } };
}

}

// swipe X1 Y1 X2 Y2: a drag of 0.1 s, fast enough for a swipe recognizer
// over any distance at which one decides.
#include "ArgumentChecks.h"
#include "ScreenPointArgument.h"
#include "ScriptFinger.h"
#include "Verbs.h"

namespace sim {

Verb swipeVerb()
{
    static constexpr const char* usage = "swipe X1 Y1 X2 Y2";
    static constexpr double kSwipeSeconds = 0.1;
    return { "swipe", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                CGPoint from;
                CGPoint to;
                if (!expectArgumentCount(arguments, 4, usage, error) || !parseScreenPoint(arguments[0], arguments[1], &from, error)
                    || !parseScreenPoint(arguments[2], arguments[3], &to, error))
                    return std::nullopt;
                return [from, to](ScriptContext&) {
                    landFinger(from);
                    slideFinger(from, to, kSwipeSeconds);
                    liftFinger(to);
                    return VerbResult::done();
                };
            } };
}

}

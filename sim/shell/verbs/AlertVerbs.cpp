// alert HEADER MESSAGE DEFAULT [ALTERNATE]: another alert for the shell's
// queue, as the phone's own alerts arrive. answer TITLE: a tap on the button
// of that title of the alert showing.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "springboard/AlertQueue.h"

namespace sim {

Verb alertVerb()
{
    static constexpr const char* usage = "alert HEADER MESSAGE DEFAULT [ALTERNATE]";
    return { "alert", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (arguments.size() != 3 && arguments.size() != 4) {
                    *error = std::string("expected: ") + usage;
                    return std::nullopt;
                }
                if (!checkText("the header", arguments[0], error, true) || !checkText("the message", arguments[1], error, true)
                    || !checkText("the default button's title", arguments[2], error)
                    || (arguments.size() == 4 && !checkText("the alternate button's title", arguments[3], error)))
                    return std::nullopt;
                return [arguments](ScriptContext&) {
                    springboard::postAlert(arguments[0], arguments[1], arguments[2], arguments.size() == 4 ? arguments[3] : std::string());
                    return VerbResult::done();
                };
            } };
}

Verb answerVerb()
{
    static constexpr const char* usage = "answer TITLE";
    return { "answer", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the button's title", arguments[0], error))
                    return std::nullopt;
                return [title = arguments[0]](ScriptContext&) {
                    std::string reason;
                    if (!springboard::answerAlert(title, &reason))
                        return VerbResult::failed("cannot answer \"" + title + "\": " + reason);
                    return VerbResult::done();
                };
            } };
}

}

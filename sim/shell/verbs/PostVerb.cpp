// post CENTER NAME ...: posts a notification as another process would.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "notifications/CFNotificationCenter.h"

namespace sim {

namespace {

std::optional<VerbAction> parseDarwinPost(const Arguments& arguments, std::string* error)
{
    if (!expectArgumentCount(arguments, 1, "post darwin NAME", error) || !checkText("the notification name", arguments[0], error))
        return std::nullopt;
    return [name = arguments[0]](ScriptContext&) {
        CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(), NSString::make(name), nullptr, nullptr, true);
        return VerbResult::done();
    };
}

struct Center {
    const char* name;
    std::optional<VerbAction> (*parse)(const Arguments& arguments, std::string* error);
};

// The centers a script can post on; the words after the center go to its parser.
const Center kCenters[] = {
    { "darwin", parseDarwinPost },
};

}

Verb postVerb()
{
    return { "post", { "post darwin NAME" }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
        std::string known;
        for (auto const& center : kCenters) {
            if (!arguments.empty() && arguments[0] == center.name)
                return center.parse(Arguments(arguments.begin() + 1, arguments.end()), error);
            known += known.empty() ? center.name : std::string(", ") + center.name;
        }
        *error = arguments.empty() ? "which center? usage: post darwin NAME" : "unknown center \"" + arguments[0] + "\" (known: " + known + ")";
        return std::nullopt;
    } };
}

}

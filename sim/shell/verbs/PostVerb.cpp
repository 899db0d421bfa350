// post CENTER NAME ...: posts a notification as another process would.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "foundation/NSDictionary.h"
#include "foundation/NSObject.h"
#include "notifications/CFNotificationCenter.h"
#include "runtime/AutoreleasePool.h"
#include "settings/TypedValue.h"

#include <utility>
#include <vector>

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

constexpr const char* kDistributedUsage = "post distributed NAME [KEY=VALUE...]";

// KEY=VALUE, the value typed as the settings tool types it ("true" a boolean,
// "3" an integer, "0.5" a real, anything else a string); the whole user info
// is checked before the script runs.
std::optional<VerbAction> parseDistributedPost(const Arguments& arguments, std::string* error)
{
    if (arguments.empty()) {
        *error = std::string("which name? usage: ") + kDistributedUsage;
        return std::nullopt;
    }
    if (!checkText("the notification name", arguments[0], error))
        return std::nullopt;
    std::vector<std::pair<std::string, std::string>> pairs;
    foundation::registerClasses();
    AutoreleasePool pool;
    for (size_t index = 1; index < arguments.size(); ++index) {
        auto const& pair = arguments[index];
        auto const equals = pair.find('=');
        if (equals == std::string::npos || equals == 0) {
            *error = "\"" + pair + "\" is not KEY=VALUE (usage: " + kDistributedUsage + ")";
            return std::nullopt;
        }
        std::string key = pair.substr(0, equals);
        std::string value = pair.substr(equals + 1);
        std::string reason;
        if (!checkText("the key", key, error) || !checkText("the value", value, error, true))
            return std::nullopt;
        if (!settings::parseTypedValue(value, false, &reason)) {
            *error = "the value of " + key + ": " + reason;
            return std::nullopt;
        }
        pairs.emplace_back(std::move(key), std::move(value));
    }
    return [name = arguments[0], pairs](ScriptContext&) {
        NSDictionary* userInfo = NSDictionary::mutableDictionary();
        for (auto const& [key, value] : pairs) {
            std::string ignored;
            userInfo->setObject(settings::parseTypedValue(value, false, &ignored), NSString::make(key));
        }
        CFNotificationCenterPostNotification(CFNotificationCenterGetDistributedCenter(), NSString::make(name), nullptr, userInfo, true);
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
    { "distributed", parseDistributedPost },
};

}

Verb postVerb()
{
    return { "post", { "post darwin NAME", kDistributedUsage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                std::string known;
                for (auto const& center : kCenters) {
                    if (!arguments.empty() && arguments[0] == center.name)
                        return center.parse(Arguments(arguments.begin() + 1, arguments.end()), error);
                    known += known.empty() ? center.name : std::string(", ") + center.name;
                }
                *error = arguments.empty() ? "which center? usage: post darwin NAME, or " + std::string(kDistributedUsage) : "unknown center \"" + arguments[0] + "\" (known: " + known + ")";
                return std::nullopt;
            } };
}

}

// notify BUNDLE_ID TEXT [BADGE]: a notification for an installed application,
// as the phone's bulletin board delivers one. BADGE, when given, becomes the
// application's badge first: an integer is a number, `-` takes the badge
// away, anything else is a text.
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"
#include "Verbs.h"

#include "springboard/NotificationDelivery.h"

#include <charconv>

namespace sim {

namespace {

constexpr const char* kUsage = "notify BUNDLE_ID TEXT [BADGE]";

springboard::BadgeChange parseBadge(const std::string& text)
{
    using Kind = springboard::BadgeChange::Kind;
    if (text == "-")
        return { Kind::Clear, 0, {} };
    long long number = 0;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc() && end == text.data() + text.size())
        return { Kind::Number, number, {} };
    return { Kind::Text, 0, text };
}

}

Verb notifyVerb()
{
    return { "notify", { kUsage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (arguments.size() != 2 && arguments.size() != 3) {
                    *error = std::string("expected: ") + kUsage;
                    return std::nullopt;
                }
                if (!checkText("the bundle identifier", arguments[0], error) || !checkText("the text", arguments[1], error, true)
                    || (arguments.size() == 3 && !checkText("the badge", arguments[2], error)))
                    return std::nullopt;
                springboard::BadgeChange const badge = arguments.size() == 3 ? parseBadge(arguments[2]) : springboard::BadgeChange {};
                return [bundleIdentifier = arguments[0], text = arguments[1], badge](ScriptContext&) {
                    std::string reason;
                    if (!checkInstalledApplication(bundleIdentifier, &reason))
                        return VerbResult::failed(reason);
                    if (!springboard::deliverNotification(bundleIdentifier, text, badge, &reason))
                        return VerbResult::failed("cannot notify " + bundleIdentifier + ": " + reason);
                    return VerbResult::done();
                };
            } };
}

}

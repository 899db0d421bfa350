#include "ApplicationVerb.h"
#include "ArgumentChecks.h"
#include "InstalledApplicationCheck.h"

#include <utility>

namespace sim {

Verb applicationVerb(const char* name, const char* usage, ApplicationAction run)
{
    return { name, { usage }, [name = std::string(name), usage, run = std::move(run)](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the bundle identifier", arguments[0], error))
                    return std::nullopt;
                return [name, run, bundleIdentifier = arguments[0]](ScriptContext&) {
                    std::string reason;
                    if (!checkInstalledApplication(bundleIdentifier, &reason))
                        return VerbResult::failed(reason);
                    if (!run(bundleIdentifier, &reason))
                        return VerbResult::failed("cannot " + name + " " + bundleIdentifier + ": " + reason);
                    return VerbResult::done();
                };
            } };
}

}

// url ADDRESS: opens an address as an application asks the shell to: openURL:
// goes to the shell's application object with an NSURL made by URLWithString:,
// so whatever replaces it decides. An address the shell does not open fails
// the command, after the shell's own line saying why.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "foundation/NSString.h"
#include "foundation/NSURL.h"
#include "runtime/AutoreleasePool.h"
#include "uikit/UIApplication.h"

namespace sim {

Verb urlVerb()
{
    static constexpr const char* usage = "url ADDRESS";
    return { "url", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 1, usage, error) || !checkText("the address", arguments[0], error))
                    return std::nullopt;
                if (!foundation::parseURL(arguments[0])) {
                    *error = "\"" + arguments[0] + "\" is not an address (letters, digits, -._~:/?#[]@!$&'()*+,;= and %XX escapes only)";
                    return std::nullopt;
                }
                return [address = arguments[0]](ScriptContext&) {
                    id shell = uikit::sharedApplication();
                    if (!shell)
                        return VerbResult::failed("cannot open the address " + address + ": the shell has no application object");
                    AutoreleasePool pool;
                    id url = send<id>(foundation::NSURLClass(), "URLWithString:"_sel, static_cast<id>(NSString::make(address)));
                    if (!send<bool>(shell, "openURL:"_sel, url))
                        return VerbResult::failed("the shell did not open the address " + address);
                    return VerbResult::done();
                };
            } };
}

}

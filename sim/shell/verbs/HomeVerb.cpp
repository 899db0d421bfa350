// home: a press of the home button. _handleMenuButtonEvent goes to the shell's
// application object through the runtime, so a replacement decides what the
// press does.
#include "ArgumentChecks.h"
#include "Verbs.h"

#include "uikit/UIApplication.h"

namespace sim {

Verb homeVerb()
{
    static constexpr const char* usage = "home";
    return { "home", { usage }, [](const Arguments& arguments, std::string* error) -> std::optional<VerbAction> {
                if (!expectArgumentCount(arguments, 0, usage, error))
                    return std::nullopt;
                return [](ScriptContext&) {
                    id shell = uikit::sharedApplication();
                    if (!shell)
                        return VerbResult::failed("cannot press home: the shell has no application object");
                    send(shell, "_handleMenuButtonEvent"_sel);
                    return VerbResult::done();
                };
            } };
}

}

// crash BUNDLE_ID: the application's process dies at once (SIGKILL), as a
// crash would; the shell hears of it before the next command.
#include "ApplicationVerb.h"
#include "Verbs.h"

#include "frontboard/ApplicationProcesses.h"

namespace sim {

Verb crashVerb()
{
    return applicationVerb("crash", "crash BUNDLE_ID", [](const std::string& bundleIdentifier, std::string* reason) {
        if (frontboard::ApplicationProcesses::shared().killProcess(bundleIdentifier))
            return true;
        *reason = "it is not running";
        return false;
    });
}

}

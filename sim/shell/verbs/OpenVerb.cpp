// open BUNDLE_ID: opens the application in front, as a tap on its icon does:
// the application that was in front goes to the background, and this one is
// launched when needed and activated. While the phone is locked nothing
// opens, as on the phone; that is a log line, not a failure.
#include "ApplicationVerb.h"
#include "Verbs.h"

#include "foundation/SystemLog.h"
#include "springboard/DeviceLock.h"
#include "springboard/SpringBoard.h"

namespace sim {

Verb openVerb()
{
    return applicationVerb("open", "open BUNDLE_ID", [](const std::string& bundleIdentifier, std::string* error) {
        if (springboard::isDeviceLocked()) {
            systemlog::write(kCFLogLevelNotice, "drawlet-sim: open " + bundleIdentifier + ": the phone is locked; nothing opens");
            return true;
        }
        return springboard::openApplication(bundleIdentifier, error);
    });
}

}

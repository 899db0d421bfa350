// open BUNDLE_ID: opens the application in front, as a tap on its icon does:
// the application that was in front goes to the background, and this one is
// launched when needed and activated.
#include "ApplicationVerb.h"
#include "Verbs.h"

#include "springboard/SpringBoard.h"

namespace sim {

Verb openVerb()
{
    return applicationVerb("open", "open BUNDLE_ID", springboard::openApplication);
}

}

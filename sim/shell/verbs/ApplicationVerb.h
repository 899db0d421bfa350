#pragma once
// A verb whose one argument names an installed application: the argument is
// checked when the script is parsed, the installation when the verb runs.

#include "Verb.h"

#include <functional>
#include <string>

namespace sim {

// `run` does the verb's work; false with a reason, which the verb reports
// after "cannot VERB BUNDLE_ID: ".
using ApplicationAction = std::function<bool(const std::string& bundleIdentifier, std::string* reason)>;

Verb applicationVerb(const char* name, const char* usage, ApplicationAction run);

}

#pragma once
// Values typed on a command line, as the settings tool and the simulator's
// scripts take them, and values shown back one a line.

#include "runtime/Runtime.h"

#include <string>
#include <string_view>

namespace settings {

// "true", "false", "YES", "NO": a boolean. A whole number: an integer (it must
// fit 64 bits). A decimal number with a point or an exponent: a real (it must
// be finite). Anything else, or everything with `forceString`: a string. Nil
// and the reason for text a property list cannot hold. Autoreleased.
id parseTypedValue(std::string_view text, bool forceString, std::string* error);

// One line of text: booleans as true/false, reals with a point, strings as they
// are (control characters escaped), containers in brackets.
std::string describeValue(id value);

}

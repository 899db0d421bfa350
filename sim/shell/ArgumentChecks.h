#pragma once
// Checks shared by the verbs' argument parsers. Each returns false and sets a
// reason that names the argument.

#include "Verb.h"

#include <string>
#include <string_view>

namespace sim {

// The longest wait a script may ask for, in seconds.
inline constexpr double kMaximumWaitSeconds = 1'000'000;

bool expectArgumentCount(const Arguments& arguments, size_t count, std::string_view usage, std::string* error);
bool parseSeconds(std::string_view text, double* seconds, std::string* error);
// Non-empty (unless allowed) UTF-8 text; `what` names it in the reason.
bool checkText(std::string_view what, std::string_view text, std::string* error, bool mayBeEmpty = false);

}

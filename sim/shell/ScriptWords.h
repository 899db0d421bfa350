#pragma once
// Splits one line of a scenario into words: words are separated by spaces or
// tabs; a line whose first non-blank character is '#' is a comment (elsewhere
// '#' is an ordinary character, so colours such as #FF8800 need no quotes);
// double quotes hold spaces, and inside them a backslash escapes: \" \\ \n \t
// \e (the escape byte 0x1B) and \xHH (any byte).

#include <string>
#include <string_view>
#include <vector>

namespace sim {

// False with a reason when a quote is left open or an escape is unknown.
bool splitScriptWords(std::string_view line, std::vector<std::string>* words, std::string* error);

}

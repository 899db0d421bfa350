#pragma once
// Checks on a property list's bytes before libplist sees them. libplist frees
// and copies nested values recursively and builds a node for every path to a
// shared object of a binary list, so nesting, sharing and cycles are bounded
// here first, without recursion.

#include <cstddef>
#include <cstdint>
#include <string>

namespace foundation::plistguard {

bool isBinary(const uint8_t* bytes, size_t length);

// "" when the bytes may be handed to libplist; otherwise the reason, such as
// "too deeply nested".
std::string checkBinary(const uint8_t* bytes, size_t length);
std::string checkXml(const uint8_t* bytes, size_t length);

}

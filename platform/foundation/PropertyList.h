#pragma once
// Property-list files on libplist: XML and binary, read whole with guards
// against files that are too large or too deeply nested, written atomically
// (a temporary file in the same folder, then rename) when asked.

#include "NSDictionary.h"

#include <cstdint>
#include <string>
#include <vector>

namespace foundation {

inline constexpr size_t kMaximumPropertyListBytes = 4 * 1024 * 1024;
inline constexpr int kMaximumPropertyListDepth = 128;

// An autoreleased mutable dictionary, or nil with one diagnostic log line
// (never beginning "[Drawlet] ") when the file is missing, unreadable, too
// large, too deep, not a property list, or not a dictionary at its root.
NSDictionary* readPropertyListDictionary(const std::string& path);
bool writePropertyListDictionary(NSDictionary* dictionary, const std::string& path, bool atomically);

// In-memory forms, for payloads that travel between processes.
id decodePropertyList(const uint8_t* bytes, size_t length, std::string* error);
std::vector<uint8_t> encodePropertyListBinary(id object);

}

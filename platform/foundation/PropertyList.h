#pragma once
// Property-list files on libplist: XML and binary, read whole with guards
// against files that are too large or too deeply nested, written atomically
// (a temporary file in the same folder, then rename) when asked.
//
// Values: strings are NSString, booleans, integers (signed 64-bit) and reals
// NSNumber of the matching kind, data NSData, dates NSDate, arrays
// NSMutableArray and dictionaries NSMutableDictionary, all autoreleased. A
// keyed-archive uid reads as the dictionary {"CF$UID" = n}, the form XML gives
// it. So a list read and written back keeps every value and its type.
//
// Paths go through foundation::devicePath (DevicePath.h).

#include "NSDictionary.h"
#include "NSString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

inline constexpr size_t kMaximumPropertyListBytes = size_t { 4 } * 1024 * 1024;
inline constexpr int kMaximumPropertyListDepth = 128;
// Values after expanding shared objects (a binary list may reference one
// object from many places; libplist builds a node for each).
inline constexpr size_t kMaximumPropertyListObjects = 1 << 20;

// An autoreleased mutable dictionary, or nil with one diagnostic log line
// ("plist: cannot read PATH: REASON", never beginning "[Drawlet] ") when the
// file is missing, unreadable, too large, too deep, not a property list, or not
// a dictionary at its root. Reading never changes the file.
NSDictionary* readPropertyListDictionary(const std::string& path);
// The same without the log line: the reason (without the path) goes to `error`.
NSDictionary* readPropertyListDictionary(const std::string& path, std::string* error);

// Writes XML, as Foundation does; a list holding text that XML 1.0 cannot
// carry (control characters) is written in the binary format instead, so
// nothing is lost. A value that is not a property-list type, text that is not
// UTF-8 or holds a NUL, or a failed write gives false with one log line
// ("plist: cannot write PATH: REASON"); the file is then left as it was when
// writing atomically.
bool writePropertyListDictionary(NSDictionary* dictionary, const std::string& path, bool atomically);
bool writePropertyListDictionary(NSDictionary* dictionary, const std::string& path, bool atomically, std::string* error);

// In-memory forms, for payloads that travel between processes. Decoding takes
// XML or binary with the same guards and any root type; nil and the reason on
// failure, never a partial result. Encoding gives an empty vector when the
// object holds something a property list cannot.
id decodePropertyList(const uint8_t* bytes, size_t length, std::string* error);
std::vector<uint8_t> encodePropertyListBinary(id object);

// True when a property list can hold the text: UTF-8 without NUL characters.
bool isPropertyListText(std::string_view text);

}

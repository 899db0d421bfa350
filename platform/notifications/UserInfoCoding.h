#pragma once
// The distributed center's user info on the wire: a binary property list, and
// no bytes at all for an empty or absent user info. Whatever arrives comes from
// any process on the bus, so decoding either yields a whole dictionary or
// nothing.

#include "foundation/NSDictionary.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace notifications {

// The bytes to send, or nullopt (with one log line) when the user info holds
// something a property list cannot.
std::optional<std::vector<uint8_t>> encodeUserInfo(NSDictionary* userInfo, const std::string& name);

// An autoreleased dictionary (empty for an empty payload), or nil with one log
// line when the payload does not decode (text that is not UTF-8 included) or
// its root is not a dictionary.
NSDictionary* decodeUserInfo(const std::vector<uint8_t>& payload, const std::string& name);

}

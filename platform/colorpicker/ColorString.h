#pragma once
// The colour-string grammar, on plain bytes so that it can be fuzzed alone:
//
//   "#RRGGBB" or "#RGB"        hexadecimal digits, either case
//   optionally ":ALPHA"        a decimal number from 0 to 1: digits with at
//                              most one point ("0", "1", "0.5", ".25", "1.000")
//
// Nothing else is read: no white space, signs, exponents, names or other
// lengths, and nothing longer than kMaximumColorStringLength bytes.

#include <cstddef>
#include <optional>
#include <string_view>

namespace colorpicker {

inline constexpr size_t kMaximumColorStringLength = 32;

struct RGBA {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;
    bool operator==(const RGBA&) const = default;
};

// The colour the text describes, each component from 0 to 1; nothing when the
// text does not follow the grammar.
std::optional<RGBA> parseColorString(std::string_view text);

}

#pragma once
// Addresses, as applications hand them to the shell to open. Only absolute
// text is kept: no resolving against a base, no path components.
//
// Encodings: URLWithString: "@@:@" (class), absoluteString "@@:", scheme "@@:".

#include "NSObject.h"

#include <optional>
#include <string>
#include <string_view>

struct NSURL : NSObject {
    std::string text;
    // Empty for a relative reference such as "path/to?x".
    std::string scheme;

    // An autoreleased URL, or nil when `text` is not one (see parseURL).
    static NSURL* make(std::string_view text);
};

namespace foundation {

Class NSURLClass();

struct URLParts {
    std::string scheme;
};

// What URLWithString: accepts: non-empty text made only of the characters an
// address may hold (letters, digits, -._~:/?#[]@!$&'()*+,;= and %XX escapes
// with two hexadecimal digits). A scheme is the part before the first ':'
// when it starts with a letter and holds only letters, digits, '+', '-' and
// '.'. Nothing otherwise, so no space, control byte or non-ASCII byte gets
// into an address.
std::optional<URLParts> parseURL(std::string_view text);

}

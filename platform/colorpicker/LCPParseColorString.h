#pragma once
// The colour-picker library's entry point: a colour from a settings string.
//
// `colorString` is read with the grammar of ColorString.h. When it is nil, not
// a string, or not readable, the fallback string is read instead; when the
// fallback is unreadable too the result is opaque black, so a caller always
// gets a colour it can show. The result is autoreleased.

#include "foundation/NSString.h"
#include "uikit/UIColor.h"

UIColor* LCPParseColorString(NSString* colorString, NSString* fallback);

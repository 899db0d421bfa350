#pragma once
// UIKit's UIImagePNGRepresentation: an image's pixels as PNG file bytes.

#include "foundation/NSData.h"

#include "runtime/Runtime.h"

// Autoreleased data, or nil when `image` is nil, not an image, or cannot be
// encoded.
NSData* UIImagePNGRepresentation(id image);

#pragma once
// Dictionaries keyed by strings, in insertion order (property lists keep it).
// CFDictionaryRef is the same object.

#include "NSObject.h"
#include "NSString.h"

#include <string>
#include <utility>
#include <vector>

struct NSDictionary : NSObject {
    std::vector<std::pair<Strong<NSString>, Strong<objc_object>>> entries;

    static NSDictionary* dictionary();
    static NSDictionary* mutableDictionary();

    id objectForKey(std::string_view key) const;
    void setObject(id object, NSString* key);
    void removeObject(std::string_view key);
};

using CFDictionaryRef = NSDictionary*;

namespace foundation {
Class NSDictionaryClass();
Class NSMutableDictionaryClass();
}

#pragma once
// Between libplist nodes and Foundation objects (the mapping is described in
// PropertyList.h). Callers have bounded the nesting already (PropertyListGuards.h);
// the conversions still stop at the depth limit rather than trust that.

#include "runtime/Runtime.h"

#include <plist/plist.h>

#include <memory>
#include <string>

namespace foundation::plistconvert {

struct NodeDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using Node = std::unique_ptr<void, NodeDeleter>;

// An autoreleased object, or nil with the reason.
id objectFromNode(plist_t node, std::string* error);

// How much of XML the text in the tree needs.
struct Encoding {
    bool needsBinary = false; // text with characters XML 1.0 cannot carry
};

// A new tree, or null with the reason.
Node nodeFromObject(id object, Encoding* encoding, std::string* error);

}

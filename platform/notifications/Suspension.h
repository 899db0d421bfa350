#pragma once
// A suspended process does not receive notifications as they come: each
// observer's suspension behaviour decides whether a notification is dropped,
// kept as the last one of its name (coalesced), kept with all the others
// (held), or delivered anyway. Resuming delivers what was kept, in order.

#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"
#include "runtime/Strong.h"

#include <cstdint>
#include <deque>

namespace notifications {

class NotificationCenter;

class Suspension {
public:
    static Suspension& shared();

    bool isSuspended() const { return m_suspended; }
    void setSuspended(bool suspended);

    // Keeps a notification for one observer; `coalesce` replaces what that
    // observer already has kept under the same name.
    void keep(NotificationCenter& center, uint64_t registration, NSString* name, const void* object, NSDictionary* userInfo, bool coalesce);
    // Delivers everything kept, in order, unless suspended again. Every
    // delivery calls this first, so kept notifications stay ahead of later ones.
    void deliverKept();

    size_t keptCount() const { return m_kept.size(); }
    void reset();

private:
    struct Kept {
        NotificationCenter* center;
        uint64_t registration;
        Strong<NSString> name;
        const void* object;
        Strong<NSDictionary> userInfo;
    };

    bool m_suspended = false;
    std::deque<Kept> m_kept;
};

}

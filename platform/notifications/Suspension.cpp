#include "Suspension.h"
#include "NotificationCenter.h"

#include "dispatch/RunLoop.h"

#include <algorithm>

namespace notifications {

Suspension& Suspension::shared()
{
    static auto* suspension = new Suspension;
    return *suspension;
}

void Suspension::setSuspended(bool suspended)
{
    m_suspended = suspended;
    // What was kept comes on the run loop, as any other delivery, never inside
    // this call.
    if (!suspended && !m_kept.empty())
        dispatch::RunLoop::main().post([] { Suspension::shared().deliverKept(); });
}

void Suspension::keep(NotificationCenter& center, uint64_t registration, NSString* name, const void* object, NSDictionary* userInfo, bool coalesce)
{
    if (coalesce) {
        std::erase_if(m_kept, [&](const Kept& kept) {
            return kept.center == &center && kept.registration == registration && kept.name->value == name->value;
        });
    }
    m_kept.push_back({ &center, registration, name, object, userInfo });
}

void Suspension::deliverKept()
{
    // One at a time: a callback may suspend again, or reset the centers.
    while (!m_suspended && !m_kept.empty()) {
        Kept kept = std::move(m_kept.front());
        m_kept.pop_front();
        kept.center->deliverToObserver(kept.registration, kept.name, kept.object, kept.userInfo);
    }
}

void Suspension::reset()
{
    m_suspended = false;
    m_kept.clear();
}

}

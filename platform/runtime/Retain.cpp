#include "AutoreleasePool.h"
#include "Object.h"

#include <vector>

namespace {

// One stack of pools per thread; everything runs on the main thread, but a
// pool stack per thread keeps a stray worker from draining the main one.
thread_local std::vector<std::vector<id>> t_pools;

}

id objc_retain(id object)
{
    if (object && !object->immortal)
        ++object->retainCount;
    return object;
}

void objc_release(id object)
{
    if (!object || object->immortal)
        return;
    if (--object->retainCount == 0)
        delete object;
}

id objc_autorelease(id object)
{
    if (!object || object->immortal)
        return object;
    if (t_pools.empty())
        t_pools.emplace_back();
    t_pools.back().push_back(object);
    return object;
}

AutoreleasePool::AutoreleasePool()
{
    t_pools.emplace_back();
}

AutoreleasePool::~AutoreleasePool()
{
    drain();
    t_pools.pop_back();
}

void AutoreleasePool::drain()
{
    // Releasing may autorelease more objects into this same pool; keep going.
    while (!t_pools.back().empty()) {
        auto objects = std::move(t_pools.back());
        t_pools.back().clear();
        for (id object : objects)
            objc_release(object);
    }
}

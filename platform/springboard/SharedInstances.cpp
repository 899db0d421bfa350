#include "SharedInstances.h"

#include <map>

namespace {

std::map<Class, Strong<objc_object>>& instances()
{
    static auto* map = new std::map<Class, Strong<objc_object>>;
    return *map;
}

}

namespace springboard {

id sharedInstanceOf(Class cls)
{
    if (!cls)
        return nullptr;
    auto& map = instances();
    if (auto it = map.find(cls); it != map.end())
        return it->second;
    id instance = send<id>(send<id>(cls, "alloc"_sel), "init"_sel);
    map[cls] = adopt(instance);
    return instance;
}

id sharedInstanceMethod(id self, SEL)
{
    return sharedInstanceOf(reinterpret_cast<Class>(self));
}

void resetSharedInstances()
{
    // Release outside the map, in case a controller's teardown asks for one.
    auto released = std::move(instances());
    instances().clear();
}

}

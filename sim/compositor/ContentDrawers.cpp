#include "ContentDrawers.h"

#include <utility>
#include <vector>

namespace compositor {

namespace {

// Few classes ever register (host views), so a list beats a map.
std::vector<std::pair<Class, ContentDrawer>>& drawers()
{
    static std::vector<std::pair<Class, ContentDrawer>> list;
    return list;
}

}

void registerContentDrawer(Class cls, ContentDrawer drawer)
{
    if (!cls)
        return;
    auto& list = drawers();
    std::erase_if(list, [cls](const auto& entry) { return entry.first == cls; });
    if (drawer)
        list.emplace_back(cls, std::move(drawer));
}

const ContentDrawer* contentDrawerFor(id view)
{
    auto const& list = drawers();
    if (!view || list.empty())
        return nullptr;
    for (Class cls = object_getClass(view); cls; cls = class_getSuperclass(cls)) {
        for (auto const& [registered, drawer] : list) {
            if (registered == cls)
                return &drawer;
        }
    }
    return nullptr;
}

void resetContentDrawers()
{
    drawers().clear();
}

}

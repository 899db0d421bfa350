#include "ContentDrawers.h"

#include <utility>
#include <vector>

namespace compositor {

namespace {

struct Registration {
    Class cls;
    ContentDrawer drawer;
    ContentVersion version;
    ContentChange change;
};

// Few classes ever register (host views), so a list beats a map.
std::vector<Registration>& drawers()
{
    static std::vector<Registration> list;
    return list;
}

const Registration* registrationFor(id view)
{
    auto const& list = drawers();
    if (!view || list.empty())
        return nullptr;
    for (Class cls = object_getClass(view); cls; cls = class_getSuperclass(cls)) {
        for (auto const& registration : list) {
            if (registration.cls == cls)
                return &registration;
        }
    }
    return nullptr;
}

}

void registerContentDrawer(Class cls, ContentDrawer drawer, ContentVersion version, ContentChange change)
{
    if (!cls)
        return;
    auto& list = drawers();
    std::erase_if(list, [cls](const auto& entry) { return entry.cls == cls; });
    if (drawer)
        list.push_back({ cls, std::move(drawer), std::move(version), std::move(change) });
}

const ContentDrawer* contentDrawerFor(id view)
{
    auto const* registration = registrationFor(view);
    return registration ? &registration->drawer : nullptr;
}

const ContentVersion* contentVersionFor(id view)
{
    auto const* registration = registrationFor(view);
    return registration && registration->version ? &registration->version : nullptr;
}

const ContentChange* contentChangeFor(id view)
{
    auto const* registration = registrationFor(view);
    return registration && registration->version && registration->change ? &registration->change : nullptr;
}

void resetContentDrawers()
{
    drawers().clear();
}

}

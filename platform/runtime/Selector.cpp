#include "Selector.h"

#include <deque>
#include <string>
#include <unordered_map>

namespace {

struct SelectorTable {
    std::deque<std::string> names;
    std::deque<objc_selector> selectors;
    std::unordered_map<std::string_view, const objc_selector*> byName;
};

// Selectors are names, never forgotten: the table only grows, like the phone's.
SelectorTable& selectorTable()
{
    static auto* instance = new SelectorTable;
    return *instance;
}

}

SEL sel_registerName(const char* name)
{
    if (!name)
        return nullptr;
    auto& t = selectorTable();
    if (auto it = t.byName.find(name); it != t.byName.end())
        return it->second;
    auto& stored = t.names.emplace_back(name);
    auto& selector = t.selectors.emplace_back(objc_selector { static_cast<uint32_t>(t.selectors.size()), stored.c_str() });
    t.byName.emplace(stored, &selector);
    return &selector;
}

SEL sel_getUid(const char* name)
{
    return sel_registerName(name);
}

const char* sel_getName(SEL selector)
{
    return selector ? selector->name : "<null selector>";
}

size_t sel_count()
{
    return selectorTable().selectors.size();
}

#include "ActivatorPreferences.h"

#include "foundation/NSArray.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"

#include <algorithm>
#include <filesystem>

namespace activator {

namespace {

constexpr const char* kAssignmentsKey = "LAAssignments";
constexpr const char* kSeenListenersKey = "LASeenListeners";

const std::string* stringValue(id object)
{
    if (!foundation::isKindOf(object, foundation::NSStringClass()))
        return nullptr;
    return &static_cast<NSString*>(object)->value;
}

}

std::string ActivatorPreferences::path()
{
    return foundation::homeDirectory() + "/Library/Preferences/libactivator.plist";
}

void ActivatorPreferences::read()
{
    m_problem.clear();
    m_document = NSDictionary::mutableDictionary();
    std::string const file = path();
    std::error_code missing;
    if (!std::filesystem::exists(file, missing))
        return;
    std::string error;
    NSDictionary* read = foundation::readPropertyListDictionary(file, &error);
    if (!read) {
        m_problem = error;
        CFLog(kCFLogLevelError, "activator: cannot read %s: %s; it is left as it is, and assignments made now last until the shell ends",
            file.c_str(), error.c_str());
        return;
    }
    m_document = read;
}

id ActivatorPreferences::section(const char* key, Class kind) const
{
    id value = m_document ? m_document->objectForKey(key) : nullptr;
    return foundation::isKindOf(value, kind) ? value : nullptr;
}

NSDictionary* ActivatorPreferences::assignments() const
{
    return static_cast<NSDictionary*>(section(kAssignmentsKey, foundation::NSDictionaryClass()));
}

NSArray* ActivatorPreferences::seenListeners() const
{
    return static_cast<NSArray*>(section(kSeenListenersKey, foundation::NSArrayClass()));
}

std::optional<std::string> ActivatorPreferences::listenerForEvent(std::string_view event) const
{
    auto* all = assignments();
    auto const* listener = all ? stringValue(all->objectForKey(event)) : nullptr;
    if (!listener)
        return std::nullopt;
    return *listener;
}

std::vector<std::string> ActivatorPreferences::eventsOfListener(std::string_view listener) const
{
    std::vector<std::string> events;
    auto* all = assignments();
    if (!all)
        return events;
    for (auto const& [event, value] : all->entries) {
        if (auto const* name = stringValue(value.get()); name && *name == listener)
            events.push_back(event->value);
    }
    return events;
}

bool ActivatorPreferences::hasSeen(std::string_view listener) const
{
    auto* seen = seenListeners();
    if (!seen)
        return false;
    return std::any_of(seen->items.begin(), seen->items.end(), [&](const Strong<objc_object>& item) {
        auto const* name = stringValue(item.get());
        return name && *name == listener;
    });
}

bool ActivatorPreferences::assign(std::string_view event, std::string_view listener)
{
    auto* all = assignments();
    // A key holding something else could never have been used: it is replaced.
    if (!all) {
        all = NSDictionary::mutableDictionary();
        m_document->setObject(all, NSString::make(kAssignmentsKey));
    }
    all->setObject(NSString::make(listener), NSString::make(event));
    return save();
}

bool ActivatorPreferences::unassign(std::string_view event)
{
    auto* all = assignments();
    if (!all || !all->objectForKey(event))
        return true;
    all->removeObject(event);
    return save();
}

bool ActivatorPreferences::markSeen(const std::vector<std::string>& listeners)
{
    std::vector<std::string> fresh;
    for (auto const& listener : listeners) {
        if (!hasSeen(listener) && std::find(fresh.begin(), fresh.end(), listener) == fresh.end())
            fresh.push_back(listener);
    }
    if (fresh.empty())
        return true;
    auto* seen = seenListeners();
    if (!seen) {
        seen = NSArray::mutableArray();
        m_document->setObject(seen, NSString::make(kSeenListenersKey));
    }
    for (auto const& listener : fresh)
        seen->items.emplace_back(NSString::make(listener));
    return save();
}

bool ActivatorPreferences::startWriting()
{
    m_writing = true;
    return !m_changed || save();
}

bool ActivatorPreferences::save()
{
    m_changed = true;
    if (!m_writing)
        return true;
    if (!m_problem.empty())
        return false;
    if (!foundation::writePropertyListDictionary(m_document.get(), path(), true))
        return false;
    m_changed = false;
    return true;
}

}

#include "NSDictionary.h"
#include "FoundationRegistration.h"
#include "NSArray.h"
#include "NSString.h"
#include "PropertyList.h"

#include <algorithm>

namespace {

Class g_NSDictionary;
Class g_NSMutableDictionary;

NSDictionary* asNSDictionary(id self) { return static_cast<NSDictionary*>(self); }

NSDictionary* makeDictionary(Class cls)
{
    return static_cast<NSDictionary*>(objc_autorelease(class_createInstance(cls, 0)));
}

id dictionary(id self, SEL) { return makeDictionary(reinterpret_cast<Class>(self)); }

id dictionaryWithObjectForKey(id self, SEL, id object, id key)
{
    auto* dictionary = makeDictionary(reinterpret_cast<Class>(self));
    if (object && foundation::isString(key))
        dictionary->setObject(object, static_cast<NSString*>(key));
    return dictionary;
}

id dictionaryWithContentsOfFile(id self, SEL, id path)
{
    if (!foundation::isString(path))
        return nullptr;
    auto* read = foundation::readPropertyListDictionary(static_cast<NSString*>(path)->value);
    if (!read)
        return nullptr;
    if (reinterpret_cast<Class>(self) == g_NSDictionary)
        read->isa = g_NSDictionary;
    return read;
}

id objectForKey(id self, SEL, id key)
{
    if (!foundation::isString(key))
        return nullptr;
    return asNSDictionary(self)->objectForKey(static_cast<NSString*>(key)->value);
}

void setObjectForKey(id self, SEL, id object, id key)
{
    // Foundation raises on a nil object or key; the stand-in refuses quietly.
    if (!object || !foundation::isString(key)) {
        runtime::runtimeError("-[NSMutableDictionary setObject:forKey:]: nil object or non-string key ignored");
        return;
    }
    asNSDictionary(self)->setObject(object, static_cast<NSString*>(key));
}

void removeObjectForKey(id self, SEL, id key)
{
    if (foundation::isString(key))
        asNSDictionary(self)->removeObject(static_cast<NSString*>(key)->value);
}

unsigned long dictionaryCount(id self, SEL) { return asNSDictionary(self)->entries.size(); }

id allKeys(id self, SEL)
{
    auto* keys = NSArray::array();
    for (auto const& [key, value] : asNSDictionary(self)->entries)
        keys->items.emplace_back(key.get());
    return keys;
}

id dictionaryMutableCopy(id self, SEL)
{
    auto* copy = static_cast<NSDictionary*>(class_createInstance(g_NSMutableDictionary, 0));
    copy->entries = asNSDictionary(self)->entries;
    return copy;
}

bool writeToFileAtomically(id self, SEL, id path, bool atomically)
{
    if (!foundation::isString(path))
        return false;
    return foundation::writePropertyListDictionary(asNSDictionary(self), static_cast<NSString*>(path)->value, atomically);
}

id dictionaryDescription(id self, SEL)
{
    std::string text = "{";
    for (auto const& [key, value] : asNSDictionary(self)->entries)
        text += "\n    " + key->value + " = " + foundation::describe(value) + ";";
    return NSString::make(text + "\n}");
}

}

NSDictionary* NSDictionary::dictionary() { return makeDictionary(g_NSDictionary); }
NSDictionary* NSDictionary::mutableDictionary() { return makeDictionary(g_NSMutableDictionary); }

id NSDictionary::objectForKey(std::string_view key) const
{
    auto it = std::find_if(entries.begin(), entries.end(), [&](auto const& entry) { return entry.first->value == key; });
    return it == entries.end() ? nullptr : it->second.get();
}

void NSDictionary::setObject(id object, NSString* key)
{
    auto it = std::find_if(entries.begin(), entries.end(), [&](auto const& entry) { return entry.first->value == key->value; });
    if (it != entries.end()) {
        it->second = object;
        return;
    }
    // Keys are copied, as Foundation copies them: a later change to the caller's
    // string cannot change the key.
    entries.emplace_back(NSString::make(key->value), object);
}

void NSDictionary::removeObject(std::string_view key)
{
    std::erase_if(entries, [&](auto const& entry) { return entry.first->value == key; });
}

namespace foundation {

Class NSDictionaryClass() { return g_NSDictionary; }
Class NSMutableDictionaryClass() { return g_NSMutableDictionary; }

void registerNSDictionary()
{
    g_NSDictionary = runtime::defineClass("NSDictionary", NSObjectClass(), runtime::makeInstance<NSDictionary>);
    g_NSMutableDictionary = runtime::defineClass("NSMutableDictionary", g_NSDictionary, nullptr);
    addClassMethod(g_NSDictionary, "dictionary"_sel, dictionary);
    addClassMethod(g_NSDictionary, "dictionaryWithObject:forKey:"_sel, dictionaryWithObjectForKey);
    addClassMethod(g_NSDictionary, "dictionaryWithContentsOfFile:"_sel, dictionaryWithContentsOfFile);
    addMethod(g_NSDictionary, "objectForKey:"_sel, objectForKey);
    // For string keys, key-value coding on a dictionary is objectForKey:.
    addMethod(g_NSDictionary, "valueForKey:"_sel, objectForKey);
    addMethod(g_NSDictionary, "count"_sel, dictionaryCount);
    addMethod(g_NSDictionary, "allKeys"_sel, allKeys);
    addMethod(g_NSDictionary, "mutableCopy"_sel, dictionaryMutableCopy);
    addMethod(g_NSDictionary, "writeToFile:atomically:"_sel, writeToFileAtomically);
    addMethod(g_NSDictionary, "description"_sel, dictionaryDescription);
    addMethod(g_NSMutableDictionary, "setObject:forKey:"_sel, setObjectForKey);
    addMethod(g_NSMutableDictionary, "removeObjectForKey:"_sel, removeObjectForKey);
}

}

#include "Class.h"
#include "Encoding.h"
#include "MessageSend.h"

#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <set>

#include <unistd.h>

namespace {

struct ClassTable {
    std::map<std::string, Class, std::less<>> byName;
    std::set<std::string, std::less<>> hiddenNames;
    std::deque<std::string> encodings;
    std::unordered_map<std::string, uint32_t> encodingIds;
};

ClassTable& classTable()
{
    static auto* instance = new ClassTable;
    return *instance;
}

// A cached miss: a method with no implementation, which the fast path skips.
objc_method const g_notFound { nullptr, nullptr, 0 };

Class findClass(std::string_view name)
{
    auto& t = classTable();
    auto it = t.byName.find(name);
    return it == t.byName.end() ? nullptr : it->second;
}

Class newClassObject(const char* name, Class superclass, bool isMeta)
{
    auto* cls = new objc_class;
    cls->immortal = true;
    cls->name = name;
    cls->superclass = superclass;
    cls->isMetaClass = isMeta;
    return cls;
}

objc_method* ownMethod(Class cls, SEL name)
{
    auto it = cls->methods.find(name);
    return it == cls->methods.end() ? nullptr : it->second;
}

}

namespace runtime {

namespace {

struct RuntimeErrors {
    uint64_t count = 0;
    std::string last;
};

RuntimeErrors& runtimeErrors()
{
    static auto* errors = new RuntimeErrors;
    return *errors;
}

}

void runtimeError(const std::string& message)
{
    ++runtimeErrors().count;
    runtimeErrors().last = message;
    std::fprintf(stderr, "objc[%d]: %s\n", static_cast<int>(getpid()), message.c_str());
}

uint64_t runtimeErrorCount() { return runtimeErrors().count; }
std::string lastRuntimeError() { return runtimeErrors().last; }
void resetRuntimeErrors() { runtimeErrors() = {}; }

uint32_t internEncoding(const std::string& encoding)
{
    auto& t = classTable();
    if (auto it = t.encodingIds.find(encoding); it != t.encodingIds.end())
        return it->second;
    auto encodingId = static_cast<uint32_t>(t.encodings.size());
    t.encodings.push_back(encoding);
    t.encodingIds.emplace(encoding, encodingId);
    return encodingId;
}

const char* encodingString(uint32_t encodingId)
{
    auto& t = classTable();
    return encodingId < t.encodings.size() ? t.encodings[encodingId].c_str() : "?";
}

uint64_t methodCacheEpoch = 1;

void invalidateMethodCaches()
{
    ++methodCacheEpoch;
}

const objc_method* lookupMethodSlow(Class cls, SEL selector)
{
    if (!cls || !selector)
        return nullptr;
    if (cls->cacheEpoch == methodCacheEpoch && selector->index < cls->cache.size()) {
        if (auto const* cached = cls->cache[selector->index])
            return cached == &g_notFound ? nullptr : cached;
    }
    if (cls->cacheEpoch != methodCacheEpoch) {
        cls->cache.assign(cls->cache.size(), nullptr);
        cls->cacheEpoch = methodCacheEpoch;
    }
    const objc_method* found = nullptr;
    for (Class c = cls; c && !found; c = c->superclass)
        found = ownMethod(c, selector);
    if (selector->index >= cls->cache.size())
        cls->cache.resize(std::max<size_t>(sel_count(), selector->index + 1), nullptr);
    cls->cache[selector->index] = found ? found : &g_notFound;
    return found;
}

Class defineClass(const char* name, Class superclass, InstanceFactory factory)
{
    Class cls = objc_allocateClassPair(superclass, name, 0);
    if (!cls)
        return findClass(name);
    if (factory)
        cls->factory = factory;
    objc_registerClassPair(cls);
    return cls;
}

void hideClassName(const std::string& name)
{
    classTable().hiddenNames.insert(name);
}

void clearHiddenClassNames()
{
    classTable().hiddenNames.clear();
}

bool isClassNameHidden(const std::string& name)
{
    return classTable().hiddenNames.contains(name);
}

}

Class objc_getClass(const char* name)
{
    if (!name || runtime::isClassNameHidden(name))
        return nullptr;
    return findClass(name);
}

Class objc_getMetaClass(const char* name)
{
    Class cls = objc_getClass(name);
    return cls ? cls->isa : nullptr;
}

Class objc_allocateClassPair(Class superclass, const char* name, size_t)
{
    if (!name || findClass(name))
        return nullptr;
    // The metaclass chain mirrors the class chain; the root metaclass inherits
    // from the root class, so class objects answer NSObject's instance methods.
    Class meta = newClassObject(name, superclass ? superclass->isa : nullptr, true);
    Class cls = newClassObject(name, superclass, false);
    cls->isa = meta;
    cls->factory = superclass ? superclass->factory : nullptr;
    if (!superclass)
        meta->superclass = cls;
    meta->isa = superclass ? superclass->isa->isa : meta;
    return cls;
}

void objc_registerClassPair(Class cls)
{
    if (!cls || findClass(cls->name))
        return;
    classTable().byName.emplace(cls->name, cls);
    // Like the phone's runtime, a class's own +load runs when it is registered.
    if (auto* load = ownMethod(cls->isa, "load"_sel))
        reinterpret_cast<void (*)(id, SEL)>(load->imp)(cls, "load"_sel);
}

const char* class_getName(Class cls)
{
    return cls ? cls->name.c_str() : "nil";
}

Class class_getSuperclass(Class cls)
{
    return cls ? cls->superclass : nullptr;
}

bool class_isMetaClass(Class cls)
{
    return cls && cls->isMetaClass;
}

bool class_respondsToSelector(Class cls, SEL selector)
{
    return runtime::lookupMethod(cls, selector) != nullptr;
}

bool class_addMethod(Class cls, SEL name, IMP imp, const char* types)
{
    if (!cls || !name || !imp || !types || ownMethod(cls, name))
        return false;
    cls->methods.emplace(name, new objc_method { name, imp, runtime::internEncoding(types) });
    runtime::invalidateMethodCaches();
    return true;
}

IMP class_replaceMethod(Class cls, SEL name, IMP imp, const char* types)
{
    if (!cls || !name || !imp)
        return nullptr;
    if (auto* method = ownMethod(cls, name))
        return method_setImplementation(method, imp);
    class_addMethod(cls, name, imp, types ? types : "v@:");
    return nullptr;
}

Method class_getInstanceMethod(Class cls, SEL name)
{
    return const_cast<Method>(runtime::lookupMethod(cls, name));
}

Method class_getClassMethod(Class cls, SEL name)
{
    return cls ? class_getInstanceMethod(cls->isa, name) : nullptr;
}

IMP class_getMethodImplementation(Class cls, SEL name)
{
    auto const* method = runtime::lookupMethod(cls, name);
    return method ? method->imp : nullptr;
}

IMP method_getImplementation(Method method)
{
    return method ? method->imp : nullptr;
}

IMP method_setImplementation(Method method, IMP imp)
{
    if (!method || !imp)
        return nullptr;
    IMP previous = method->imp;
    method->imp = imp;
    runtime::invalidateMethodCaches();
    return previous;
}

const char* method_getTypeEncoding(Method method)
{
    return method ? runtime::encodingString(method->encodingId) : nullptr;
}

id class_createInstance(Class cls, size_t)
{
    if (!cls || cls->isMetaClass || !cls->factory)
        return nullptr;
    id object = cls->factory();
    object->isa = cls;
    return object;
}

Class object_getClass(id object)
{
    return object ? object->isa : nullptr;
}

#include "NSArray.h"
#include "NSString.h"

namespace {

Class g_NSArray;
Class g_NSMutableArray;

NSArray* self_(id self) { return static_cast<NSArray*>(self); }

NSArray* makeArray(Class cls)
{
    return static_cast<NSArray*>(objc_autorelease(class_createInstance(cls, 0)));
}

id array(id self, SEL) { return makeArray(reinterpret_cast<Class>(self)); }
// What an array literal compiles to; nil entries are left out (on the phone
// they throw).
id arrayWithObjectsCount(id self, SEL, const id* objects, unsigned long count)
{
    NSArray* result = makeArray(reinterpret_cast<Class>(self));
    for (unsigned long index = 0; objects && index < count; ++index) {
        if (objects[index])
            result->items.emplace_back(objects[index]);
    }
    return result;
}

unsigned long count(id self, SEL) { return self_(self)->items.size(); }

id objectAtIndex(id self, SEL, unsigned long index)
{
    auto& items = self_(self)->items;
    return index < items.size() ? items[index].get() : nullptr;
}

void addObject(id self, SEL, id object)
{
    if (object)
        self_(self)->items.emplace_back(object);
}

id mutableCopy(id self, SEL)
{
    auto* copy = static_cast<NSArray*>(class_createInstance(g_NSMutableArray, 0));
    copy->items = self_(self)->items;
    return copy;
}

id description(id self, SEL)
{
    std::string text = "(";
    for (auto const& item : self_(self)->items)
        text += (text.size() > 1 ? ", " : "") + foundation::describe(item);
    return NSString::make(text + ")");
}

}

NSArray* NSArray::array() { return makeArray(g_NSArray); }
NSArray* NSArray::mutableArray() { return makeArray(g_NSMutableArray); }

namespace foundation {

Class NSArrayClass() { return g_NSArray; }
Class NSMutableArrayClass() { return g_NSMutableArray; }

void registerNSArray()
{
    g_NSArray = runtime::defineClass("NSArray", NSObjectClass(), runtime::makeInstance<NSArray>);
    g_NSMutableArray = runtime::defineClass("NSMutableArray", g_NSArray, nullptr);
    addClassMethod(g_NSArray, "array"_sel, array);
    addClassMethod(g_NSArray, "arrayWithObjects:count:"_sel, arrayWithObjectsCount);
    addMethod(g_NSArray, "count"_sel, count);
    addMethod(g_NSArray, "objectAtIndex:"_sel, objectAtIndex);
    addMethod(g_NSArray, "objectAtIndexedSubscript:"_sel, objectAtIndex);
    addMethod(g_NSArray, "mutableCopy"_sel, mutableCopy);
    addMethod(g_NSArray, "description"_sel, description);
    addMethod(g_NSMutableArray, "addObject:"_sel, addObject);
}

}

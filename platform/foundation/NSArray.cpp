#include "NSArray.h"
#include "FoundationRegistration.h"
#include "NSString.h"

namespace {

Class g_NSArray;
Class g_NSMutableArray;

NSArray* asNSArray(id self) { return static_cast<NSArray*>(self); }

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

unsigned long arrayCount(id self, SEL) { return asNSArray(self)->items.size(); }

id objectAtIndex(id self, SEL, unsigned long index)
{
    auto& items = asNSArray(self)->items;
    return index < items.size() ? items[index].get() : nullptr;
}

void addObject(id self, SEL, id object)
{
    if (object)
        asNSArray(self)->items.emplace_back(object);
}

id arrayMutableCopy(id self, SEL)
{
    auto* copy = static_cast<NSArray*>(class_createInstance(g_NSMutableArray, 0));
    copy->items = asNSArray(self)->items;
    return copy;
}

id arrayDescription(id self, SEL)
{
    std::string text = "(";
    for (auto const& item : asNSArray(self)->items)
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
    addMethod(g_NSArray, "count"_sel, arrayCount);
    addMethod(g_NSArray, "objectAtIndex:"_sel, objectAtIndex);
    addMethod(g_NSArray, "objectAtIndexedSubscript:"_sel, objectAtIndex);
    addMethod(g_NSArray, "mutableCopy"_sel, arrayMutableCopy);
    addMethod(g_NSArray, "description"_sel, arrayDescription);
    addMethod(g_NSMutableArray, "addObject:"_sel, addObject);
}

}

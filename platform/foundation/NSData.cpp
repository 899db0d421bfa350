#include "NSData.h"
#include "FoundationRegistration.h"

namespace {

Class g_NSData;

unsigned long dataLength(id self, SEL) { return static_cast<NSData*>(self)->bytes.size(); }

}

NSData* NSData::make(std::vector<uint8_t> bytes)
{
    auto* data = static_cast<NSData*>(class_createInstance(g_NSData, 0));
    data->bytes = std::move(bytes);
    return static_cast<NSData*>(objc_autorelease(data));
}

namespace foundation {

Class NSDataClass() { return g_NSData; }

void registerNSData()
{
    g_NSData = runtime::defineClass("NSData", NSObjectClass(), runtime::makeInstance<NSData>);
    addMethod(g_NSData, "length"_sel, dataLength);
}

}

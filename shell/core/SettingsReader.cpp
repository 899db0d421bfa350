#include "SettingsReader.h"

#include "foundation/NSNumber.h"
#include "foundation/NSObject.h"
#include "runtime/Runtime.h"

namespace {

id settingsValue(NSDictionary* dictionary, const char* key)
{
    if (!dictionary || !key)
        return nil;
    return send<id>(dictionary, "objectForKey:"_sel, static_cast<id>(NSString::make(key)));
}

}

bool settingsBool(NSDictionary* dictionary, const char* key)
{
    id value = settingsValue(dictionary, key);
    if (foundation::isKindOf(value, foundation::NSNumberClass()) || foundation::isKindOf(value, foundation::NSStringClass()))
        return send<bool>(value, "boolValue"_sel);
    return false;
}

NSString* settingsString(NSDictionary* dictionary, const char* key)
{
    id value = settingsValue(dictionary, key);
    return foundation::isKindOf(value, foundation::NSStringClass()) ? static_cast<NSString*>(value) : nil;
}

NSString* yesOrNo(bool value)
{
    return value ? NSSTR("YES") : NSSTR("NO");
}

#include "SettingsReader.h"

#include "runtime/Runtime.h"

namespace {

bool isKindOf(id object, const char* className)
{
    Class cls = objc_getClass(className);
    return cls && send<bool>(object, "isKindOfClass:"_sel, static_cast<id>(cls));
}

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
    if (isKindOf(value, "NSNumber") || isKindOf(value, "NSString"))
        return send<bool>(value, "boolValue"_sel);
    return false;
}

NSString* settingsString(NSDictionary* dictionary, const char* key)
{
    id value = settingsValue(dictionary, key);
    return isKindOf(value, "NSString") ? static_cast<NSString*>(value) : nil;
}

NSString* yesOrNo(bool value)
{
    return value ? NSSTR("YES") : NSSTR("NO");
}

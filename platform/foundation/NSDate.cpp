#include "NSDate.h"
#include "FoundationRegistration.h"
#include "NSString.h"

#include <cmath>
#include <ctime>

namespace {

Class g_NSDate;

// Seconds from the Unix epoch to the reference date.
constexpr double kReferenceDateUnixSeconds = 978307200;

NSDate* asNSDate(id self) { return static_cast<NSDate*>(self); }

id dateWithTimeIntervalSinceReferenceDate(id, SEL, double seconds)
{
    return NSDate::dateWithTimeIntervalSinceReferenceDate(seconds);
}

double timeIntervalSinceReferenceDate(id self, SEL) { return asNSDate(self)->timeIntervalSinceReferenceDate; }

bool dateIsEqual(id self, SEL, id other)
{
    if (!foundation::isKindOf(other, g_NSDate))
        return false;
    return asNSDate(self)->timeIntervalSinceReferenceDate == asNSDate(other)->timeIntervalSinceReferenceDate;
}

// Foundation's form: "2001-01-01 00:00:00 +0000".
id dateDescription(id self, SEL)
{
    double unixSeconds = std::floor(asNSDate(self)->timeIntervalSinceReferenceDate + kReferenceDateUnixSeconds);
    if (!std::isfinite(unixSeconds) || std::fabs(unixSeconds) > 1e15)
        return NSString::make("(invalid date)");
    std::time_t time = static_cast<std::time_t>(unixSeconds);
    std::tm parts {};
    char text[64];
    if (!gmtime_r(&time, &parts) || !std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S +0000", &parts))
        return NSString::make("(invalid date)");
    return NSString::make(text);
}

}

NSDate* NSDate::dateWithTimeIntervalSinceReferenceDate(double seconds)
{
    auto* date = static_cast<NSDate*>(class_createInstance(g_NSDate, 0));
    date->timeIntervalSinceReferenceDate = seconds;
    return static_cast<NSDate*>(objc_autorelease(date));
}

namespace foundation {

Class NSDateClass() { return g_NSDate; }

void registerNSDate()
{
    g_NSDate = runtime::defineClass("NSDate", NSObjectClass(), runtime::makeInstance<NSDate>);
    addClassMethod(g_NSDate, "dateWithTimeIntervalSinceReferenceDate:"_sel, dateWithTimeIntervalSinceReferenceDate);
    addMethod(g_NSDate, "timeIntervalSinceReferenceDate"_sel, timeIntervalSinceReferenceDate);
    addMethod(g_NSDate, "isEqual:"_sel, dateIsEqual);
    addMethod(g_NSDate, "description"_sel, dateDescription);
}

}

// Arbitrary bytes as the user info of a distributed notification, which any
// process on the bus may send: decoded as the receiving center decodes it, read
// as an application's client reads it, then posted on again. The decoder must
// give a whole dictionary or nil with one log line; what it gives must read
// without faults and encode back into a payload that decodes to a dictionary.
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"
#include "notifications/UserInfoCoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr const char* kName = "com.quillbrook.drawlet.changeHostedAppStatusBar";

// The client takes a number or a string and treats anything else as missing.
id clientScalar(NSDictionary* userInfo, NSString* key)
{
    id value = send<id>(userInfo, "valueForKey:"_sel, key);
    if (foundation::isKindOf(value, foundation::NSNumberClass()) || foundation::isKindOf(value, foundation::NSStringClass()))
        return value;
    return nullptr;
}

// Whatever a value is, the accessors it answers must not fault.
void readScalarAccessors(id value)
{
    if (!value)
        return;
    if (class_respondsToSelector(object_getClass(value), "boolValue"_sel))
        (void)send<bool>(value, "boolValue"_sel);
    if (class_respondsToSelector(object_getClass(value), "intValue"_sel))
        (void)send<int>(value, "intValue"_sel);
}

void readLikeTheClient(NSDictionary* userInfo)
{
    (void)send<bool>(clientScalar(userInfo, NSSTR("statusBarHidden")), "boolValue"_sel);
    (void)send<int>(clientScalar(userInfo, NSSTR("orientation")), "intValue"_sel);
    for (auto const& [key, value] : userInfo->entries) {
        if (send<id>(userInfo, "valueForKey:"_sel, key.get()) != value.get())
            std::abort();
        readScalarAccessors(value.get());
    }
}

void checkRoundTrip(NSDictionary* userInfo)
{
    auto encoded = notifications::encodeUserInfo(userInfo, kName);
    if (!encoded)
        std::abort();
    NSDictionary* again = notifications::decodeUserInfo(*encoded, kName);
    if (!again || again->entries.size() != userInfo->entries.size())
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool const ready = [] {
        foundation::registerClasses();
        systemlog::setWritesToStandardError(false);
        return true;
    }();
    (void)ready;
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    AutoreleasePool pool;
    NSDictionary* userInfo = notifications::decodeUserInfo(std::vector<uint8_t>(data, data + size), kName);
    // A dropped payload says so once; a delivered one says nothing.
    if (systemlog::captured().size() != (userInfo ? 0u : 1u))
        std::abort();
    if (!userInfo)
        return 0;
    if (!foundation::isKindOf(userInfo, foundation::NSDictionaryClass()))
        std::abort();
    readLikeTheClient(userInfo);
    checkRoundTrip(userInfo);
    return 0;
}

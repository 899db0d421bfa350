#include "UserInfoCoding.h"

#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"

namespace notifications {

std::optional<std::vector<uint8_t>> encodeUserInfo(NSDictionary* userInfo, const std::string& name)
{
    if (!userInfo || userInfo->entries.empty())
        return std::vector<uint8_t> {};
    auto bytes = foundation::encodePropertyListBinary(userInfo);
    if (bytes.empty()) {
        CFLog(kCFLogLevelError, "notifications: not posting \"%s\": its user info is not a property list", name.c_str());
        return std::nullopt;
    }
    return bytes;
}

NSDictionary* decodeUserInfo(const std::vector<uint8_t>& payload, const std::string& name)
{
    if (payload.empty())
        return NSDictionary::dictionary();
    std::string error;
    id decoded = foundation::decodePropertyList(payload.data(), payload.size(), &error);
    if (!decoded) {
        CFLog(kCFLogLevelError, "notifications: dropped \"%s\": its user info (%zu bytes) does not decode: %s", name.c_str(), payload.size(),
            error.empty() ? "not a property list" : error.c_str());
        return nullptr;
    }
    if (!foundation::isKindOf(decoded, foundation::NSDictionaryClass())) {
        CFLog(kCFLogLevelError, "notifications: dropped \"%s\": its user info is not a dictionary", name.c_str());
        return nullptr;
    }
    return static_cast<NSDictionary*>(decoded);
}

}

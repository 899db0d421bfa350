#include "UserInfoCoding.h"

#include "foundation/NSArray.h"
#include "foundation/PropertyList.h"
#include "foundation/SystemLog.h"

namespace notifications {

namespace {

// A binary list may hold text that is not UTF-8 (an "ASCII" string with high
// bytes, a lone UTF-16 surrogate): the property-list reader keeps it, but no
// center could send it, so such a payload is not a property list. Nesting is
// already bounded by the reader.
const char* textFault(id object)
{
    if (foundation::isKindOf(object, foundation::NSStringClass())) {
        auto const& text = static_cast<NSString*>(object)->value;
        if (foundation::isPropertyListText(text))
            return nullptr;
        return text.find('\0') != std::string::npos ? "text holds a NUL character" : "text is not valid UTF-8";
    }
    if (foundation::isKindOf(object, foundation::NSArrayClass())) {
        for (auto const& item : static_cast<NSArray*>(object)->items) {
            if (const char* fault = textFault(item.get()))
                return fault;
        }
        return nullptr;
    }
    if (foundation::isKindOf(object, foundation::NSDictionaryClass())) {
        for (auto const& [key, value] : static_cast<NSDictionary*>(object)->entries) {
            if (const char* fault = textFault(key.get()))
                return fault;
            if (const char* fault = textFault(value.get()))
                return fault;
        }
    }
    return nullptr;
}

}

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
    if (const char* fault = textFault(decoded)) {
        CFLog(kCFLogLevelError, "notifications: dropped \"%s\": its user info (%zu bytes) does not decode: %s", name.c_str(), payload.size(), fault);
        return nullptr;
    }
    return static_cast<NSDictionary*>(decoded);
}

}

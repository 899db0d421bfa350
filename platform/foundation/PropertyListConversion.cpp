#include "PropertyListConversion.h"
#include "NSArray.h"
#include "NSData.h"
#include "NSDate.h"
#include "NSDictionary.h"
#include "NSNumber.h"
#include "NSString.h"
#include "PropertyList.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

namespace foundation::plistconvert {

namespace {

constexpr char kTooDeep[] = "too deeply nested";

struct Iterator {
    plist_dict_iter iter = nullptr;
    ~Iterator() { std::free(iter); }
};

// Characters XML 1.0 cannot carry: C0 controls other than tab, newline and
// carriage return, and U+FFFE and U+FFFF.
bool needsBinary(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        auto const c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return true;
        if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBF
            && (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xBE)
            return true;
    }
    return false;
}

constexpr char kDateOutOfRange[] = "date out of range";

// The whole seconds and microseconds a list stores for a date; false when the
// date does not fit them.
bool dateParts(double seconds, int32_t* wholeSeconds, int32_t* microseconds)
{
    double const whole = std::floor(seconds);
    if (!std::isfinite(seconds) || whole < INT32_MIN || whole > INT32_MAX)
        return false;
    auto wholePart = static_cast<int64_t>(whole);
    auto microPart = static_cast<int64_t>(std::llround((seconds - whole) * 1e6));
    if (microPart >= 1000000) {
        ++wholePart;
        microPart -= 1000000;
    }
    if (wholePart > INT32_MAX)
        return false;
    *wholeSeconds = static_cast<int32_t>(wholePart);
    *microseconds = static_cast<int32_t>(microPart);
    return true;
}

id objectFromNode(plist_t node, int depth, std::string* error);

id arrayFromNode(plist_t node, int depth, std::string* error)
{
    auto* array = NSArray::mutableArray();
    uint32_t const count = plist_array_get_size(node);
    for (uint32_t i = 0; i < count; ++i) {
        id item = objectFromNode(plist_array_get_item(node, i), depth + 1, error);
        if (!item)
            return nullptr;
        array->items.emplace_back(item);
    }
    return array;
}

id dictionaryFromNode(plist_t node, int depth, std::string* error)
{
    auto* dictionary = NSDictionary::mutableDictionary();
    Iterator iterator;
    plist_dict_new_iter(node, &iterator.iter);
    if (!iterator.iter)
        return dictionary;
    while (true) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, iterator.iter, &key, &value);
        if (!value) {
            std::free(key);
            return dictionary;
        }
        std::string keyText = key ? key : "";
        std::free(key);
        id object = objectFromNode(value, depth + 1, error);
        if (!object)
            return nullptr;
        dictionary->setObject(object, NSString::make(keyText));
    }
}

id objectFromNode(plist_t node, int depth, std::string* error)
{
    if (depth > kMaximumPropertyListDepth + 1) {
        *error = kTooDeep;
        return nullptr;
    }
    // The writer's rule exactly, so that whatever is read can be written
    // again: a container (a UID becomes a dictionary) one level past the
    // limit is refused.
    plist_type const type = plist_get_node_type(node);
    if ((type == PLIST_ARRAY || type == PLIST_DICT || type == PLIST_UID) && depth >= kMaximumPropertyListDepth) {
        *error = kTooDeep;
        return nullptr;
    }
    switch (type) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return NSNumber::numberWithBool(value != 0);
    }
    case PLIST_UINT: {
        // libplist keeps integers as 64 bits; property lists mean them signed.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return NSNumber::numberWithInteger(static_cast<long long>(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return NSNumber::numberWithDouble(value);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
        uint64_t length = 0;
        char const* text = plist_get_string_ptr(node, &length);
        return NSString::make(text ? std::string_view(text, length) : std::string_view());
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        auto const* bytes = reinterpret_cast<const uint8_t*>(plist_get_data_ptr(node, &length));
        return NSData::make(bytes ? std::vector<uint8_t>(bytes, bytes + length) : std::vector<uint8_t>());
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        // libplist narrows the stored double to these without a range check:
        // a date beyond them comes out as garbage, which is refused rather
        // than read as some other date.
        double const value = seconds + microseconds / 1e6;
        int32_t wholeSeconds = 0;
        int32_t fraction = 0;
        if (microseconds <= -1000000 || microseconds >= 1000000 || !dateParts(value, &wholeSeconds, &fraction)) {
            *error = kDateOutOfRange;
            return nullptr;
        }
        return NSDate::dateWithTimeIntervalSinceReferenceDate(value);
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        auto* dictionary = NSDictionary::mutableDictionary();
        dictionary->setObject(NSNumber::numberWithInteger(static_cast<long long>(value)), NSString::make("CF$UID"));
        return dictionary;
    }
    case PLIST_ARRAY:
        return arrayFromNode(node, depth, error);
    case PLIST_DICT:
        return dictionaryFromNode(node, depth, error);
    default:
        *error = "unsupported value";
        return nullptr;
    }
}

Node textNode(std::string_view text, Encoding* encoding, std::string* error)
{
    if (!isPropertyListText(text)) {
        *error = text.find('\0') != std::string_view::npos ? "text holds a NUL character" : "text is not valid UTF-8";
        return nullptr;
    }
    if (needsBinary(text))
        encoding->needsBinary = true;
    return Node(plist_new_string(std::string(text).c_str()));
}

Node dateNode(double seconds, std::string* error)
{
    int32_t wholeSeconds = 0;
    int32_t microseconds = 0;
    if (!dateParts(seconds, &wholeSeconds, &microseconds)) {
        *error = kDateOutOfRange;
        return nullptr;
    }
    return Node(plist_new_date(wholeSeconds, microseconds));
}

Node nodeFromObject(id object, int depth, Encoding* encoding, std::string* error)
{
    if (depth > kMaximumPropertyListDepth) {
        *error = kTooDeep;
        return nullptr;
    }
    if (!object) {
        *error = "nil is not a property-list value";
        return nullptr;
    }
    if (isKindOf(object, NSStringClass()))
        return textNode(static_cast<NSString*>(object)->value, encoding, error);
    if (isKindOf(object, NSNumberClass())) {
        auto* number = static_cast<NSNumber*>(object);
        if (number->kind == NSNumber::Kind::Bool)
            return Node(plist_new_bool(number->boolValue() ? 1 : 0));
        if (number->kind == NSNumber::Kind::Integer)
            return Node(plist_new_uint(static_cast<uint64_t>(number->integer)));
        return Node(plist_new_real(number->real));
    }
    if (isKindOf(object, NSDataClass())) {
        auto const& bytes = static_cast<NSData*>(object)->bytes;
        return Node(plist_new_data(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    if (isKindOf(object, NSDateClass()))
        return dateNode(static_cast<NSDate*>(object)->timeIntervalSinceReferenceDate, error);
    bool const isContainer = isKindOf(object, NSArrayClass()) || isKindOf(object, NSDictionaryClass());
    if (isContainer && depth >= kMaximumPropertyListDepth) {
        *error = kTooDeep;
        return nullptr;
    }
    if (isKindOf(object, NSArrayClass())) {
        Node array(plist_new_array());
        for (auto const& item : static_cast<NSArray*>(object)->items) {
            Node child = nodeFromObject(item.get(), depth + 1, encoding, error);
            if (!child)
                return nullptr;
            plist_array_append_item(array.get(), child.release());
        }
        return array;
    }
    if (isKindOf(object, NSDictionaryClass())) {
        Node dictionary(plist_new_dict());
        for (auto const& [key, value] : static_cast<NSDictionary*>(object)->entries) {
            std::string_view const keyText = key->value;
            if (!isPropertyListText(keyText)) {
                *error = "a key is not valid UTF-8 or holds a NUL character";
                return nullptr;
            }
            if (needsBinary(keyText))
                encoding->needsBinary = true;
            Node child = nodeFromObject(value.get(), depth + 1, encoding, error);
            if (!child)
                return nullptr;
            plist_dict_set_item(dictionary.get(), std::string(keyText).c_str(), child.release());
        }
        return dictionary;
    }
    *error = std::string("a value of class ") + class_getName(object->isa) + " is not a property-list value";
    return nullptr;
}

}

id objectFromNode(plist_t node, std::string* error)
{
    return objectFromNode(node, 0, error);
}

Node nodeFromObject(id object, Encoding* encoding, std::string* error)
{
    return nodeFromObject(object, 0, encoding, error);
}

}

#include "SettingsAddress.h"

#include "foundation/PropertyList.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace springboard {

namespace {

constexpr std::string_view kScheme = "prefs:";
constexpr std::string_view kRoot = "root=";

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(),
            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
}

// UTF-8 without control characters: what a page's title can show.
bool isShowableText(std::string_view text)
{
    return foundation::isPropertyListText(text)
        && std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Nothing when an escape is broken or the result is not showable text.
std::optional<std::string> decodeEscapes(std::string_view text)
{
    std::string decoded;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            decoded += text[at];
            continue;
        }
        // Exactly two hexadecimal digits follow the '%'.
        unsigned byte = 0;
        char const* digits = text.data() + at + 1;
        if (at + 2 >= text.size() || std::from_chars(digits, digits + 2, byte, 16).ptr != digits + 2)
            return std::nullopt;
        decoded += static_cast<char>(byte);
        at += 2;
    }
    if (!isShowableText(decoded))
        return std::nullopt;
    return decoded;
}

}

std::optional<std::string> settingsPaneOfAddress(std::string_view address)
{
    if (!startsWithIgnoringCase(address, kScheme))
        return std::nullopt;
    std::string_view rest = address.substr(kScheme.size());
    if (!rest.starts_with(kRoot))
        return std::nullopt;
    rest.remove_prefix(kRoot.size());
    std::string_view const name = rest.substr(0, rest.find('&'));
    if (name.empty() || !isShowableText(name))
        return std::nullopt;
    return decodeEscapes(name).value_or(std::string(name));
}

}

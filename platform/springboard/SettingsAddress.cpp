#include "SettingsAddress.h"

#include "foundation/PropertyList.h"

#include <algorithm>
#include <cctype>

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

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Nothing when an escape is broken or the result is not text a page can show.
std::optional<std::string> decodeEscapes(std::string_view text)
{
    std::string decoded;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            decoded += text[at];
            continue;
        }
        int const high = at + 2 < text.size() ? hexValue(text[at + 1]) : -1;
        int const low = at + 2 < text.size() ? hexValue(text[at + 2]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        decoded += static_cast<char>(high * 16 + low);
        at += 2;
    }
    if (!foundation::isPropertyListText(decoded))
        return std::nullopt;
    if (std::any_of(decoded.begin(), decoded.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
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
    if (name.empty())
        return std::nullopt;
    return decodeEscapes(name).value_or(std::string(name));
}

}

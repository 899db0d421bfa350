#include "NSURL.h"
#include "FoundationRegistration.h"
#include "NSString.h"

#include <cctype>

namespace {

Class g_NSURL;

NSURL* asNSURL(id self) { return static_cast<NSURL*>(self); }

bool isAddressCharacter(unsigned char c)
{
    if (std::isalnum(c))
        return true;
    constexpr std::string_view others = "-._~:/?#[]@!$&'()*+,;=";
    return others.find(static_cast<char>(c)) != std::string_view::npos;
}

bool isSchemeText(std::string_view text)
{
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text.front())))
        return false;
    for (unsigned char c : text) {
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

id URLWithString(id, SEL, id string)
{
    if (!foundation::isKindOf(string, foundation::NSStringClass()))
        return nil;
    return NSURL::make(static_cast<NSString*>(string)->value);
}

id absoluteString(id self, SEL) { return NSString::make(asNSURL(self)->text); }

id scheme(id self, SEL)
{
    auto const& text = asNSURL(self)->scheme;
    return text.empty() ? nil : NSString::make(text);
}

id urlDescription(id self, SEL) { return NSString::make(asNSURL(self)->text); }

}

NSURL* NSURL::make(std::string_view text)
{
    auto parts = foundation::parseURL(text);
    if (!parts)
        return nullptr;
    auto* url = static_cast<NSURL*>(class_createInstance(g_NSURL, 0));
    url->text = std::string(text);
    url->scheme = std::move(parts->scheme);
    return static_cast<NSURL*>(objc_autorelease(url));
}

namespace foundation {

Class NSURLClass() { return g_NSURL; }

std::optional<URLParts> parseURL(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    for (size_t at = 0; at < text.size(); ++at) {
        auto const c = static_cast<unsigned char>(text[at]);
        if (c != '%') {
            if (!isAddressCharacter(c))
                return std::nullopt;
            continue;
        }
        if (at + 2 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[at + 1])) || !std::isxdigit(static_cast<unsigned char>(text[at + 2])))
            return std::nullopt;
        at += 2;
    }
    URLParts parts;
    size_t const colon = text.find(':');
    if (colon != std::string_view::npos && isSchemeText(text.substr(0, colon)))
        parts.scheme = std::string(text.substr(0, colon));
    return parts;
}

void registerNSURL()
{
    g_NSURL = runtime::defineClass("NSURL", NSObjectClass(), runtime::makeInstance<NSURL>);
    addClassMethod(g_NSURL, "URLWithString:"_sel, URLWithString);
    addMethod(g_NSURL, "absoluteString"_sel, absoluteString);
    addMethod(g_NSURL, "scheme"_sel, scheme);
    addMethod(g_NSURL, "description"_sel, urlDescription);
}

}

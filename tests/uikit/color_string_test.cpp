// Colour strings: the forms that read, everything that falls back, and the
// fallback that cannot be read either.

#include "UIKitFixture.h"

#include "colorpicker/ColorString.h"
#include "colorpicker/LCPParseColorString.h"
#include "foundation/NSNumber.h"

namespace {

using colorpicker::RGBA;

struct Case {
    std::string text;
    std::optional<RGBA> expected;
};

// Test names show the text, shortened, with bytes outside printable ASCII escaped.
void PrintTo(const Case& c, std::ostream* os)
{
    static char const digits[] = "0123456789ABCDEF";
    std::string shown = c.text.empty() ? "(empty)" : "";
    for (unsigned char byte : c.text.substr(0, 24)) {
        if (byte >= 0x21 && byte < 0x7F && byte != '\\')
            shown += static_cast<char>(byte);
        else
            shown += std::string("\\x") + digits[byte >> 4] + digits[byte & 15];
    }
    *os << shown << (c.text.size() > 24 ? "...(" + std::to_string(c.text.size()) + " bytes)" : "");
}

class ColorStringTable : public testing::TestWithParam<Case> { };

TEST_P(ColorStringTable, ParsesOrRefuses)
{
    std::optional<RGBA> const parsed = colorpicker::parseColorString(GetParam().text);
    ASSERT_EQ(parsed.has_value(), GetParam().expected.has_value());
    if (!parsed)
        return;
    EXPECT_DOUBLE_EQ(parsed->red, GetParam().expected->red);
    EXPECT_DOUBLE_EQ(parsed->green, GetParam().expected->green);
    EXPECT_DOUBLE_EQ(parsed->blue, GetParam().expected->blue);
    EXPECT_DOUBLE_EQ(parsed->alpha, GetParam().expected->alpha);
}

RGBA rgb(int r, int g, int b, double a = 1) { return { r / 255.0, g / 255.0, b / 255.0, a }; }

// clang-format off
INSTANTIATE_TEST_SUITE_P(ValidForms, ColorStringTable, testing::Values(
    Case { "#FFFFFF", rgb(255, 255, 255) },
    Case { "#000000", rgb(0, 0, 0) },
    Case { "#FF8000", rgb(255, 128, 0) },
    Case { "#ff8000", rgb(255, 128, 0) },
    Case { "#fF80aB", rgb(255, 128, 171) },
    Case { "#F80", rgb(255, 136, 0) },
    Case { "#abc", rgb(170, 187, 204) },
    Case { "#FF0000:0.5", rgb(255, 0, 0, 0.5) },
    Case { "#F00:0.25", rgb(255, 0, 0, 0.25) },
    Case { "#123456:0", rgb(18, 52, 86, 0) },
    Case { "#123456:1", rgb(18, 52, 86, 1) },
    Case { "#123456:1.000", rgb(18, 52, 86, 1) },
    Case { "#123456:.75", rgb(18, 52, 86, 0.75) },
    Case { "#123456:0.", rgb(18, 52, 86, 0) }));
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Refused, ColorStringTable, testing::Values(
    Case { "", std::nullopt },
    Case { "#", std::nullopt },
    Case { "FFFFFF", std::nullopt },
    Case { "#FFFFF", std::nullopt },
    Case { "#FFFFFFF", std::nullopt },
    Case { "#FFFFFFFF", std::nullopt },
    Case { "#eeeeeeeeeeF", std::nullopt },
    Case { "#" + std::string(31, 'A'), std::nullopt },
    Case { "#GGGGGG", std::nullopt },
    Case { "#12 456", std::nullopt },
    Case { " #123456", std::nullopt },
    Case { "#123456 ", std::nullopt },
    Case { "#123456:", std::nullopt },
    Case { "#123456:1.5", std::nullopt },
    Case { "#123456:1.0001", std::nullopt },
    Case { "#123456:-0.5", std::nullopt },
    Case { "#123456:+0.5", std::nullopt },
    Case { "#123456:0.5.5", std::nullopt },
    Case { "#123456:.", std::nullopt },
    Case { "#123456:5e-1", std::nullopt },
    Case { "#123456:nan", std::nullopt },
    Case { "#123456:inf", std::nullopt },
    Case { "#123456:0x1", std::nullopt },
    Case { "#123456:0.5:0.5", std::nullopt },
    Case { "#:0.5", std::nullopt },
    Case { "red", std::nullopt },
    Case { "#12345\xC3\xA9", std::nullopt },
    Case { "#\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93", std::nullopt },
    Case { std::string("#123\0" "456", 8), std::nullopt },
    Case { "#123456:0." + std::string(40, '5'), std::nullopt },
    Case { std::string(100000, '#'), std::nullopt }));
// clang-format on

using ParseColorString = UIKitTest;

bool isColor(UIColor* color, RGBA expected)
{
    return color && color->red == expected.red && color->green == expected.green && color->blue == expected.blue && color->alpha == expected.alpha;
}

TEST_F(ParseColorString, ReadableStringWinsOverTheFallback)
{
    EXPECT_TRUE(isColor(LCPParseColorString(NSString::make("#00FF00:0.5"), NSSTR("#FFFFFF")), rgb(0, 255, 0, 0.5)));
}

TEST_F(ParseColorString, AnythingUnreadableGivesTheFallbacksColour)
{
    id const unreadable[] = {
        nullptr,
        NSString::make(""),
        NSString::make("garbage"),
        NSString::make("#FF0000:2"),
        NSString::make(std::string(1 << 20, 'F')),
        NSString::make("#\xE2\x82\xAC\xE2\x82\xAC"),
        NSNumber::numberWithInteger(0xFF0000),
        NSNumber::numberWithBool(true),
        uikit::defaultTintColor(),
    };
    for (id value : unreadable) {
        EXPECT_TRUE(isColor(LCPParseColorString(reinterpret_cast<NSString*>(value), NSSTR("#FFFFFF")), rgb(255, 255, 255))) << foundation::describe(value).substr(0, 40);
        EXPECT_TRUE(isColor(LCPParseColorString(reinterpret_cast<NSString*>(value), NSSTR("#000000")), rgb(0, 0, 0))) << foundation::describe(value).substr(0, 40);
    }
}

TEST_F(ParseColorString, UnreadableFallbackGivesOpaqueBlack)
{
    EXPECT_TRUE(isColor(LCPParseColorString(nullptr, nullptr), rgb(0, 0, 0)));
    EXPECT_TRUE(isColor(LCPParseColorString(NSString::make("nope"), NSString::make("#GGG")), rgb(0, 0, 0)));
    EXPECT_TRUE(isColor(LCPParseColorString(nullptr, reinterpret_cast<NSString*>(NSNumber::numberWithInteger(1))), rgb(0, 0, 0)));
}

}

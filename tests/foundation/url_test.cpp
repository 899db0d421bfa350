// NSURL: what URLWithString: takes for an address, through the runtime.

#include "foundation/NSNumber.h"
#include "foundation/NSObject.h"
#include "foundation/NSString.h"
#include "foundation/NSURL.h"
#include "runtime/AutoreleasePool.h"

#include <gtest/gtest.h>

namespace {

id urlWithString(id string)
{
    return send<id>(objc_getClass("NSURL"), "URLWithString:"_sel, string);
}

std::string text(id string)
{
    return string ? static_cast<NSString*>(string)->value : "(nil)";
}

TEST(NSURL, OnlyAddressTextMakesAURLAndItsSchemeIsThePartBeforeTheColon)
{
    foundation::registerClasses();
    AutoreleasePool pool;
    id url = urlWithString(NSString::make("prefs:root=Drawlet&path=a%2Fb"));
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(text(send<id>(url, "absoluteString"_sel)), "prefs:root=Drawlet&path=a%2Fb");
    EXPECT_EQ(text(send<id>(url, "scheme"_sel)), "prefs");
    EXPECT_EQ(text(send<id>(urlWithString(NSString::make("relative/path?x=1")), "scheme"_sel)), "(nil)");
    EXPECT_EQ(text(send<id>(urlWithString(NSString::make("1x:y")), "scheme"_sel)), "(nil)") << "a scheme starts with a letter";

    for (auto const* bad : { "", "prefs:root=Two words", "prefs:root=caf\xC3\xA9", "a%4", "a%zz", "line\nbreak" })
        EXPECT_EQ(urlWithString(NSString::make(bad)), nullptr) << bad;
    EXPECT_EQ(urlWithString(nullptr), nullptr);
    EXPECT_EQ(urlWithString(NSNumber::numberWithBool(true)), nullptr) << "not a string";
}

}

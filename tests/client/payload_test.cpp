// The callbacks read a payload from any sender: only a number or a string
// counts, whatever else answers boolValue or intValue. Senders on the bus can
// only send property lists; this checks the reading itself.
#include "ClientState.h"
#include "NotificationCallbacks.h"

#include "foundation/NSNumber.h"
#include "foundation/SystemLog.h"
#include "runtime/AutoreleasePool.h"

#include <gtest/gtest.h>

namespace {

bool lookalikeBoolValue(id, SEL) { return true; }
int lookalikeIntValue(id, SEL) { return 7; }

// Named functions, not lambdas: clang 14 fails on lambdas passed here.
Class defineLookalike()
{
    Class cls = runtime::defineClass("NumberLookalike", foundation::NSObjectClass(), runtime::makeInstance<NSObject>);
    addMethod(cls, "boolValue"_sel, lookalikeBoolValue);
    addMethod(cls, "intValue"_sel, lookalikeIntValue);
    return cls;
}

id makeLookalike()
{
    static Class lookalike = defineLookalike();
    return objc_autorelease(send<id>(send<id>(lookalike, "alloc"_sel), "init"_sel));
}

NSDictionary* payload(const char* key, id value)
{
    auto* info = NSDictionary::mutableDictionary();
    info->setObject(value, NSString::make(key));
    return info;
}

}

TEST(ClientPayloadReading, ALookalikeOfANumberReadsAsAMissingKey)
{
    foundation::registerClasses();
    systemlog::setWritesToStandardError(false);
    systemlog::reset();
    AutoreleasePool pool;

    client::changeHostedAppStatusBar(nullptr, nullptr, nullptr, nullptr, payload("statusBarHidden", NSNumber::numberWithBool(true)));
    EXPECT_TRUE(client::statusBarHidden);
    client::changeHostedAppStatusBar(nullptr, nullptr, nullptr, nullptr, payload("statusBarHidden", makeLookalike()));
    EXPECT_FALSE(client::statusBarHidden);
    client::changeHostedAppStatusBar(nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(client::statusBarHidden) << "no user info at all";

    client::changeHostedAppOrientation(nullptr, nullptr, nullptr, nullptr, payload("orientation", makeLookalike()));
    EXPECT_EQ(client::orientation, 0);
    EXPECT_EQ(systemlog::capturedMessages(), std::vector<std::string> { "[Drawlet] should rotate to orientation: 0" });
}

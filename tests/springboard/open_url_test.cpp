// openURL: on the shell's application object: which addresses it takes for the
// Settings application, and that every other one opens nothing.

#include "foundation/NSNumber.h"
#include "foundation/NSURL.h"
#include "foundation/SystemLog.h"
#include "frontboard/ApplicationProcesses.h"
#include "springboard/SettingsAddress.h"
#include "springboard/SpringBoardClasses.h"
#include "uikit/UIKit.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsAddress, OnlyPrefsRootWithANameIsASettingsAddress)
{
    using springboard::settingsPaneOfAddress;
    EXPECT_EQ(settingsPaneOfAddress("prefs:root=Drawlet"), "Drawlet");
    EXPECT_EQ(settingsPaneOfAddress("PREFS:root=Drawlet&path=Grabber"), "Drawlet") << "the scheme in any case; after '&' is the pane's";
    EXPECT_EQ(settingsPaneOfAddress("prefs:root=Two%20Words"), "Two Words");
    EXPECT_EQ(settingsPaneOfAddress("prefs:root=%00%1B"), "%00%1B") << "escapes that make control bytes stay as written";
    EXPECT_EQ(settingsPaneOfAddress("prefs:root=%C3"), "%C3") << "nor half a UTF-8 character";
    for (auto const* other : { "prefs:root=", "prefs:root=&path=x", "prefs:", "prefs:path=Drawlet", "http://example.com/", "prefsx:root=Drawlet", "",
             "prefs:root=a\x1b[31m", "prefs:root=\xC3" })
        EXPECT_EQ(settingsPaneOfAddress(other), std::nullopt) << other;
}

TEST(SpringBoardOpenURL, AnythingButASettingsAddressIsRefusedWithOneLogLine)
{
    springboard::registerClasses();
    systemlog::setWritesToStandardError(false);
    systemlog::reset();
    AutoreleasePool pool;
    auto shell = adopt(send<id>(send<id>(springboard::SpringBoardClass(), "alloc"_sel), "init"_sel));
    Method method = class_getInstanceMethod(springboard::SpringBoardClass(), "openURL:"_sel);
    ASSERT_NE(method, nullptr);
    EXPECT_STREQ(method_getTypeEncoding(method), "B@:@");

    EXPECT_FALSE(send<bool>(shell.get(), "openURL:"_sel, static_cast<id>(NSURL::make("http://example.com/"))));
    EXPECT_FALSE(send<bool>(shell.get(), "openURL:"_sel, static_cast<id>(NSURL::make("prefs:root="))));
    EXPECT_FALSE(send<bool>(shell.get(), "openURL:"_sel, static_cast<id>(nullptr)));
    EXPECT_FALSE(send<bool>(shell.get(), "openURL:"_sel, static_cast<id>(NSNumber::numberWithBool(true))));
    EXPECT_EQ(systemlog::capturedMessages(),
        (std::vector<std::string> { "springboard: cannot open the address http://example.com/", "springboard: cannot open the address prefs:root=",
            "springboard: cannot open the address (nil)", "springboard: cannot open the address (not a URL)" }));
    EXPECT_TRUE(frontboard::ApplicationProcesses::shared().runningBundleIdentifiers().empty());
    EXPECT_EQ(static_cast<SpringBoard*>(shell.get())->frontMostApplication.get(), nullptr);

    shell = nullptr;
    springboard::reset();
    uikit::reset();
    systemlog::setWritesToStandardError(true);
}

}

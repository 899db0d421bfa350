// The settings store: typed values, unknown keys kept, files it cannot read
// refused and left alone.

#include "foundation/PlistTestSupport.h"

#include "settings/SettingsPaths.h"
#include "settings/SettingsStore.h"
#include "settings/TypedValue.h"

#include "foundation/PropertyList.h"

#include <cstdlib>
#include <sys/stat.h>

using namespace plisttest;
using settings::SettingsStore;
using settings::Status;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
    }
    void TearDown() override { systemlog::setWritesToStandardError(true); }

    Strong<objc_object> value(const std::string& key)
    {
        Strong<objc_object> found;
        EXPECT_TRUE(store.get(key, &found).ok()) << key;
        return found;
    }

    ScratchFolder folder;
    SettingsStore store { folder.path() + "/home" };
    AutoreleasePool pool;
};

NSNumber* boolean(bool value) { return NSNumber::numberWithBool(value); }

}

TEST_F(SettingsStoreTest, PathsFollowTheHome)
{
    EXPECT_EQ(store.path(), folder.path() + "/home/Library/Preferences/com.quillbrook.drawlet-preferences.plist");
    EXPECT_EQ(settings::busAddressFilePath("/h"), "/h/.drawlet-bus");
}

TEST_F(SettingsStoreTest, DefaultHomeIsTheSimulatorsOwn)
{
    std::string const savedData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    std::string const savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(settings::defaultHomeDirectory(), "/data/drawlet/home");
    setenv("XDG_DATA_HOME", "relative", 1);
    setenv("HOME", "/home/user", 1);
    EXPECT_EQ(settings::defaultHomeDirectory(), "/home/user/.local/share/drawlet/home");
    savedData.empty() ? unsetenv("XDG_DATA_HOME") : setenv("XDG_DATA_HOME", savedData.c_str(), 1);
    setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(SettingsStoreTest, TypedValues)
{
    std::string error;
    EXPECT_TRUE(sameValue(boolean(true), settings::parseTypedValue("true", false, &error)));
    EXPECT_TRUE(sameValue(boolean(true), settings::parseTypedValue("YES", false, &error)));
    EXPECT_TRUE(sameValue(boolean(false), settings::parseTypedValue("false", false, &error)));
    EXPECT_TRUE(sameValue(boolean(false), settings::parseTypedValue("NO", false, &error)));
    EXPECT_TRUE(sameValue(NSNumber::numberWithInteger(-12), settings::parseTypedValue("-12", false, &error)));
    EXPECT_TRUE(sameValue(NSNumber::numberWithInteger(7), settings::parseTypedValue("+7", false, &error)));
    EXPECT_TRUE(sameValue(NSNumber::numberWithDouble(0.5), settings::parseTypedValue(".5", false, &error)));
    EXPECT_TRUE(sameValue(NSNumber::numberWithDouble(-1500), settings::parseTypedValue("-1.5e3", false, &error)));
    EXPECT_TRUE(sameValue(NSNumber::numberWithDouble(5), settings::parseTypedValue("5.", false, &error)));
    EXPECT_TRUE(sameValue(NSNumber::numberWithDouble(200), settings::parseTypedValue("2E+2", false, &error)));
    for (char const* text : { "#FF0000", "yes", "True", "1.2.3", "0x10", "nan", "inf", "", " 5", "5 ", "com.example.app", "+", "-", ".",
             "e5", "1e", "1e+", ".e1", "+-1", "1.5e3.0", "٣" })
        EXPECT_TRUE(sameValue(NSString::make(text), settings::parseTypedValue(text, false, &error))) << text;
    EXPECT_TRUE(sameValue(NSString::make("YES"), settings::parseTypedValue("YES", true, &error)));
    EXPECT_TRUE(sameValue(NSString::make("42"), settings::parseTypedValue("42", true, &error)));

    EXPECT_EQ(settings::parseTypedValue("99999999999999999999", false, &error), nullptr);
    EXPECT_NE(error.find("--string"), std::string::npos);
    EXPECT_EQ(settings::parseTypedValue("1e999", false, &error), nullptr);
    EXPECT_EQ(settings::parseTypedValue("\xff\xfe", true, &error), nullptr);
    EXPECT_NE(error.find("UTF-8"), std::string::npos);
}

TEST_F(SettingsStoreTest, ValuesAreShownOneALine)
{
    std::string error;
    EXPECT_EQ(settings::describeValue(boolean(true)), "true");
    EXPECT_EQ(settings::describeValue(NSNumber::numberWithDouble(2)), "2.0");
    EXPECT_EQ(settings::describeValue(NSNumber::numberWithDouble(0.1)), "0.1");
    EXPECT_EQ(settings::describeValue(NSString::make("a\nb\x1b")), "a\\nb\\x1B");
    auto* list = NSArray::array();
    list->items.emplace_back(NSString::make("x"));
    list->items.emplace_back(NSNumber::numberWithInteger(3));
    EXPECT_EQ(settings::describeValue(list), "(\"x\", 3)");
    EXPECT_EQ(settings::describeValue(NSDate::dateWithTimeIntervalSinceReferenceDate(0)), "2001-01-01 00:00:00 +0000");
}

TEST_F(SettingsStoreTest, SetCreatesFoldersAndKeepsTypes)
{
    ASSERT_TRUE(store.set("smallGrabber", "true", false).ok());
    ASSERT_TRUE(store.set("customGrabberColor", "#00FF00", false).ok());
    ASSERT_TRUE(store.set("startupApp", "123", true).ok());
    EXPECT_TRUE(sameValue(boolean(true), value("smallGrabber")));
    EXPECT_TRUE(sameValue(NSString::make("#00FF00"), value("customGrabberColor")));
    EXPECT_TRUE(sameValue(NSString::make("123"), value("startupApp")));
    ASSERT_TRUE(store.set("smallGrabber", "NO", false).ok());
    EXPECT_TRUE(sameValue(boolean(false), value("smallGrabber")));

    // The same value again changes nothing; the same number as another type does.
    FileStamp const before = stampOf(store.path());
    Status same = store.set("smallGrabber", "false", false);
    EXPECT_TRUE(same.ok());
    EXPECT_FALSE(same.changed);
    EXPECT_EQ(stampOf(store.path()), before);
    EXPECT_TRUE(store.set("smallGrabber", "0", false).changed);
    EXPECT_TRUE(sameValue(NSNumber::numberWithInteger(0), value("smallGrabber")));
    EXPECT_EQ(folderEntries(folder.path() + "/home/Library/Preferences"), std::vector<std::string> { "com.quillbrook.drawlet-preferences.plist" });
    EXPECT_EQ(readBytes(store.path()).rfind("<?xml", 0), 0u);
}

TEST_F(SettingsStoreTest, UnknownKeysAndTheirTypesAreKept)
{
    std::filesystem::create_directories(settings::preferencesFolder(store.home()));
    auto* original = NSDictionary::mutableDictionary();
    original->setObject(NSDate::dateWithTimeIntervalSinceReferenceDate(700000000), NSString::make("lastSeen"));
    original->setObject(NSData::make({ 1, 2, 3 }), NSString::make("blob"));
    auto* nested = NSDictionary::mutableDictionary();
    nested->setObject(NSNumber::numberWithDouble(1.25), NSString::make("scale"));
    original->setObject(nested, NSString::make("future"));
    ASSERT_TRUE(foundation::writePropertyListDictionary(original, store.path(), true));

    ASSERT_TRUE(store.set("iconOnly", "YES", false).ok());
    ASSERT_TRUE(store.remove("blob").ok());
    Strong<NSDictionary> now;
    ASSERT_TRUE(store.read(&now).ok());
    original->removeObject("blob");
    original->setObject(boolean(true), NSString::make("iconOnly"));
    EXPECT_TRUE(sameValue(original, now));
}

TEST_F(SettingsStoreTest, AbsentKeysAndFiles)
{
    Strong<objc_object> found;
    EXPECT_EQ(store.get("tweakEnabled", &found).code, Status::Code::NotFound);
    Status removed = store.remove("tweakEnabled");
    EXPECT_TRUE(removed.ok());
    EXPECT_FALSE(removed.changed);
    EXPECT_FALSE(std::filesystem::exists(store.path())) << "deleting from no file makes no file";
    Status reset = store.reset();
    EXPECT_TRUE(reset.ok());
    EXPECT_FALSE(reset.changed);

    ASSERT_TRUE(store.set("tweakEnabled", "true", false).ok());
    EXPECT_EQ(store.get("other", &found).code, Status::Code::NotFound);
    reset = store.reset();
    EXPECT_TRUE(reset.ok() && reset.changed);
    EXPECT_FALSE(std::filesystem::exists(store.path()));
    EXPECT_TRUE(std::filesystem::exists(settings::preferencesFolder(store.home())));
}

TEST_F(SettingsStoreTest, FilesItCannotReadAreRefusedAndUntouched)
{
    std::filesystem::create_directories(settings::preferencesFolder(store.home()));
    for (std::string const& content : { std::string("not a plist"), std::string("<plist><array/></plist>"), std::string("<plist><dict><key>a</key>") }) {
        writeBytes(store.path(), content);
        FileStamp const before = stampOf(store.path());
        for (Status const& status : { store.set("smallGrabber", "true", false), store.remove("smallGrabber") }) {
            EXPECT_EQ(status.code, Status::Code::Refused);
            EXPECT_NE(status.message.find("cannot read " + store.path()), std::string::npos) << status.message;
        }
        Strong<NSDictionary> all;
        EXPECT_EQ(store.read(&all).code, Status::Code::Refused);
        EXPECT_EQ(stampOf(store.path()), before) << content;
    }
    EXPECT_TRUE(systemlog::captured().empty()) << "the store reports to its caller, not the log";

    ASSERT_TRUE(std::filesystem::remove(store.path()));
    ASSERT_EQ(mkdir(store.path().c_str(), 0755), 0);
    EXPECT_EQ(store.set("smallGrabber", "true", false).code, Status::Code::Refused);
    EXPECT_EQ(store.reset().code, Status::Code::Refused);
    EXPECT_TRUE(std::filesystem::is_directory(store.path()));
}

TEST_F(SettingsStoreTest, ValuesAndKeysItCannotStoreAreRefused)
{
    ASSERT_TRUE(store.set("tweakEnabled", "true", false).ok());
    FileStamp const before = stampOf(store.path());
    EXPECT_EQ(store.set("k", "\xC3", false).code, Status::Code::Refused);
    EXPECT_EQ(store.set("k", "123456789012345678901234567890", false).code, Status::Code::Refused);
    EXPECT_EQ(store.set("", "1", false).code, Status::Code::Refused);
    EXPECT_EQ(store.set("\xC3", "1", false).code, Status::Code::Refused);
    EXPECT_EQ(stampOf(store.path()), before);
}

// NSFileManager, NSBundle, NSHomeDirectory and the device-path rule.

#include "PlistTestSupport.h"

#include "foundation/DevicePath.h"
#include "foundation/NSBundle.h"
#include "foundation/NSFileManager.h"
#include "foundation/NSHomeDirectory.h"
#include "foundation/PropertyList.h"

#include <cstdlib>
#include <sys/stat.h>

using namespace plisttest;

namespace {

class FileClasses : public ::testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        systemlog::reset();
        systemlog::setWritesToStandardError(false);
    }
    void TearDown() override
    {
        foundation::setDeviceRoot("");
        foundation::setHomeDirectory("");
        systemlog::setWritesToStandardError(true);
    }

    // A device root holding the shell's resource bundle.
    std::string makeDeviceBundle()
    {
        std::string bundle = folder.path() + "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle";
        std::filesystem::create_directories(bundle);
        writeBytes(bundle + "/pointer_out.png", "png");
        writeBytes(bundle + "/icon-small.png", "png");
        foundation::setDeviceRoot(folder.path());
        return bundle;
    }

    ScratchFolder folder;
    AutoreleasePool pool;
};

NSString* str(const std::string& text) { return NSString::make(text); }

id newBundle(const std::string& path)
{
    return send<id>(send<id>(foundation::NSBundleClass(), "alloc"_sel), "initWithPath:"_sel, str(path));
}

std::string text(id string) { return string ? static_cast<NSString*>(string)->value : "(nil)"; }

}

TEST_F(FileClasses, DevicePathsResolveUnderTheRootOnly)
{
    EXPECT_EQ(foundation::devicePath("/System/Library/x"), "/System/Library/x") << "no root: used as given";
    foundation::setDeviceRoot("/dev-root/");
    EXPECT_EQ(foundation::deviceRoot(), "/dev-root");
    EXPECT_EQ(foundation::devicePath("/Library/MobileSubstrate/DynamicLibraries/Drawlet.plist"), "/dev-root/Library/MobileSubstrate/DynamicLibraries/Drawlet.plist");
    EXPECT_EQ(foundation::devicePath("/System"), "/dev-root/System");
    EXPECT_EQ(foundation::devicePath("/Applications/App.app/Info.plist"), "/dev-root/Applications/App.app/Info.plist");
    EXPECT_EQ(foundation::devicePath("/Systemwide/file"), "/Systemwide/file");
    EXPECT_EQ(foundation::devicePath("/Library/Preferences/x.plist"), "/Library/Preferences/x.plist");
    EXPECT_EQ(foundation::devicePath("/tmp/home/Library/Preferences/x.plist"), "/tmp/home/Library/Preferences/x.plist");
    EXPECT_EQ(foundation::devicePath("relative/System"), "relative/System");
    EXPECT_EQ(foundation::devicePath("/dev-root/System/x"), "/dev-root/System/x") << "already under the root";
    EXPECT_EQ(foundation::devicePath("/System/../etc/passwd"), "/System/../etc/passwd") << "normalised, it is a host path";
    EXPECT_EQ(foundation::devicePath("/Applications/../../System/a"), "/dev-root/System/a");
}

TEST_F(FileClasses, FileExistsAtPath)
{
    id manager = send<id>(foundation::NSFileManagerClass(), "defaultManager"_sel);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager, send<id>(foundation::NSFileManagerClass(), "defaultManager"_sel));
    std::string file = folder.file("present");
    writeBytes(file, "x");
    EXPECT_TRUE(send<bool>(manager, "fileExistsAtPath:"_sel, str(file)));
    EXPECT_TRUE(send<bool>(manager, "fileExistsAtPath:"_sel, str(folder.path())));
    EXPECT_FALSE(send<bool>(manager, "fileExistsAtPath:"_sel, str(folder.file("absent"))));
    EXPECT_FALSE(send<bool>(manager, "fileExistsAtPath:"_sel, nullptr));
    EXPECT_FALSE(send<bool>(manager, "fileExistsAtPath:"_sel, str("")));
    makeDeviceBundle();
    EXPECT_TRUE(send<bool>(manager, "fileExistsAtPath:"_sel, str("/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle/icon-small.png")));
}

TEST_F(FileClasses, HomeDirectoryIsConfigurableAndResets)
{
    std::string const environment = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (!environment.empty()) {
        EXPECT_EQ(text(NSHomeDirectory()), foundation::homeDirectory());
    }
    foundation::setHomeDirectory(folder.path() + "/");
    EXPECT_EQ(text(NSHomeDirectory()), folder.path()) << "no trailing slash";
    foundation::setHomeDirectory("");
    EXPECT_NE(foundation::homeDirectory(), folder.path());
    EXPECT_FALSE(foundation::homeDirectory().empty());
}

TEST_F(FileClasses, BundleFindsItsResourcesUnderTheDeviceRootAndAnswersDevicePaths)
{
    makeDeviceBundle();
    std::string const deviceBundle = "/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle";
    id bundle = newBundle(deviceBundle + "/");
    ASSERT_NE(bundle, nullptr);
    EXPECT_EQ(text(send<id>(bundle, "bundlePath"_sel)), deviceBundle);
    EXPECT_EQ(text(send<id>(bundle, "pathForResource:ofType:"_sel, str("pointer_out"), str("png"))), deviceBundle + "/pointer_out.png");
    EXPECT_EQ(text(send<id>(bundle, "pathForResource:ofType:"_sel, str("icon-small.png"), nullptr)), deviceBundle + "/icon-small.png");
    EXPECT_EQ(send<id>(bundle, "pathForResource:ofType:"_sel, str("pointer_in"), str("png")), nullptr);
    EXPECT_EQ(send<id>(bundle, "pathForResource:ofType:"_sel, nullptr, str("png")), nullptr);
    objc_release(bundle);
}

TEST_F(FileClasses, BundleIsNilWithoutAFolder)
{
    EXPECT_EQ(newBundle(folder.file("missing.bundle")), nullptr);
    writeBytes(folder.file("file.bundle"), "not a folder");
    EXPECT_EQ(newBundle(folder.file("file.bundle")), nullptr);
    EXPECT_EQ(send<id>(send<id>(foundation::NSBundleClass(), "alloc"_sel), "initWithPath:"_sel, nullptr), nullptr);
    id bundle = send<id>(foundation::NSBundleClass(), "bundleWithPath:"_sel, str(folder.path()));
    EXPECT_NE(bundle, nullptr);
}

TEST_F(FileClasses, PropertyListsUseDevicePaths)
{
    std::string const hostBundle = makeDeviceBundle();
    writeBytes(hostBundle + "/Info.plist", "<plist><dict><key>CFBundleIdentifier</key><string>com.quillbrook.drawlet</string></dict></plist>");
    auto* info = foundation::readPropertyListDictionary("/Library/MobileSubstrate/DynamicLibraries/DrawletBundle.bundle/Info.plist");
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(text(info->objectForKey("CFBundleIdentifier")), "com.quillbrook.drawlet");
    EXPECT_TRUE(foundation::writePropertyListDictionary(info, "/Library/MobileSubstrate/DynamicLibraries/copy.plist", true));
    EXPECT_TRUE(std::filesystem::exists(folder.path() + "/Library/MobileSubstrate/DynamicLibraries/copy.plist"));
}

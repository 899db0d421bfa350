// Images: PNG files read with cairo, refused when missing or damaged, and the
// template copy that shares the pixels.

#include "UIKitFixture.h"

#include "foundation/DevicePath.h"
#include "foundation/NSNumber.h"

#include <cairo.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class ImageTest : public UIKitTest {
protected:
    void SetUp() override
    {
        UIKitTest::SetUp();
        std::string pattern = (fs::temp_directory_path() / "uikit-image-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }

    void TearDown() override
    {
        foundation::setDeviceRoot("");
        fs::remove_all(folder);
        UIKitTest::TearDown();
    }

    // Writes a width x height PNG with cairo; returns its path.
    std::string writePNG(const std::string& name, int width, int height)
    {
        std::string path = (folder / name).string();
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(surface);
        cairo_set_source_rgba(cr, 1, 0, 0, 1);
        cairo_paint(cr);
        cairo_destroy(cr);
        EXPECT_EQ(cairo_surface_write_to_png(surface, path.c_str()), CAIRO_STATUS_SUCCESS);
        cairo_surface_destroy(surface);
        return path;
    }

    std::string writeBytes(const std::string& name, const std::string& bytes)
    {
        std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string readBytes(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return { std::istreambuf_iterator<char>(file), {} };
    }

    static id load(const std::string& path)
    {
        return send<id>(uikit::UIImageClass(), "imageWithContentsOfFile:"_sel, static_cast<id>(NSString::make(path)));
    }

    fs::path folder;
};

TEST_F(ImageTest, ValidPNGLoadsWithItsSize)
{
    id image = load(writePNG("pointer_out.png", 40, 50));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(send<CGSize>(image, "size"_sel), CGSizeMake(40, 50));
    EXPECT_EQ(send<long>(image, "renderingMode"_sel), UIImageRenderingModeAutomatic);
    auto* pixels = static_cast<UIImage*>(image)->pixels.get();
    EXPECT_EQ(*reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(pixels)), 0xFFFF0000u);
    EXPECT_TRUE(systemlog::captured().empty());

    auto imageView = adopt(send<id>(send<id>(uikit::UIImageViewClass(), "alloc"_sel), "initWithImage:"_sel, image));
    EXPECT_EQ(send<CGRect>(imageView.get(), "frame"_sel), CGRectMake(0, 0, 40, 50));
    EXPECT_EQ(send<id>(imageView.get(), "image"_sel), image);
}

TEST_F(ImageTest, MissingFileGivesNilQuietly)
{
    EXPECT_EQ(load((folder / "absent.png").string()), nullptr);
    EXPECT_EQ(load(""), nullptr);
    EXPECT_EQ(send<id>(uikit::UIImageClass(), "imageWithContentsOfFile:"_sel, nullptr), nullptr);
    EXPECT_EQ(send<id>(uikit::UIImageClass(), "imageWithContentsOfFile:"_sel, static_cast<id>(NSNumber::numberWithInteger(1))), nullptr);
    EXPECT_TRUE(systemlog::captured().empty());
}

TEST_F(ImageTest, DamagedFilesGiveNilWithOneLineEach)
{
    std::string const good = readBytes(writePNG("good.png", 8, 8));
    std::string hugeHeader = good.substr(0, 33);
    // IHDR width and height of 100000 each: refused before any pixel is decoded.
    for (int offset : { 16, 20 }) {
        hugeHeader[offset] = 0;
        hugeHeader[offset + 1] = 0x01;
        hugeHeader[offset + 2] = static_cast<char>(0x86);
        hugeHeader[offset + 3] = static_cast<char>(0xA0);
    }
    std::string corruptData = good;
    for (size_t i = 40; i < corruptData.size() - 12; ++i)
        corruptData[i] = static_cast<char>(i * 7);

    std::vector<std::string> const paths = {
        writeBytes("empty.png", ""),
        writeBytes("text.png", "this is not an image at all, not even a little"),
        writeBytes("truncated.png", good.substr(0, good.size() / 2)),
        writeBytes("corrupt.png", corruptData),
        writeBytes("huge.png", hugeHeader),
        folder.string(),
    };
    for (auto const& path : paths) {
        systemlog::reset();
        EXPECT_EQ(load(path), nullptr) << path;
        EXPECT_EQ(systemlog::captured().size(), 1u) << path;
    }
}

TEST_F(ImageTest, DevicePathsReadUnderTheRootAndLogAsGiven)
{
    fs::create_directories(folder / "System/Images");
    writePNG("System/Images/good.png", 4, 6);
    writeBytes("System/Images/text.png", "not an image");
    foundation::setDeviceRoot(folder.string());
    id image = load("/System/Images/good.png");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(send<CGSize>(image, "size"_sel), CGSizeMake(4, 6));
    EXPECT_EQ(load("/System/Images/text.png"), nullptr);
    ASSERT_EQ(systemlog::captured().size(), 1u);
    EXPECT_EQ(systemlog::captured()[0].message.find("UIImage: cannot read the PNG image at /System/Images/text.png: "), 0u) << systemlog::captured()[0].message;
}

TEST_F(ImageTest, TemplateCopySharesPixelsAndLeavesTheOriginal)
{
    id original = load(writePNG("arrow.png", 20, 25));
    ASSERT_NE(original, nullptr);
    id templateImage = send<id>(original, "imageWithRenderingMode:"_sel, long { UIImageRenderingModeAlwaysTemplate });
    ASSERT_NE(templateImage, nullptr);
    EXPECT_NE(templateImage, original);
    EXPECT_EQ(send<long>(templateImage, "renderingMode"_sel), UIImageRenderingModeAlwaysTemplate);
    EXPECT_EQ(send<long>(original, "renderingMode"_sel), UIImageRenderingModeAutomatic);
    EXPECT_EQ(static_cast<UIImage*>(templateImage)->pixels, static_cast<UIImage*>(original)->pixels);
    EXPECT_EQ(send<CGSize>(templateImage, "size"_sel), CGSizeMake(20, 25));

    // Made a template again (each settings run does), it stays a template.
    id again = send<id>(templateImage, "imageWithRenderingMode:"_sel, long { UIImageRenderingModeAlwaysTemplate });
    EXPECT_EQ(send<long>(again, "renderingMode"_sel), UIImageRenderingModeAlwaysTemplate);
    // An unknown mode leaves the image as it is.
    EXPECT_EQ(send<id>(original, "imageWithRenderingMode:"_sel, 7L), original);
    // Nil stays nil: an arrow without an image gets no template.
    EXPECT_EQ(send<id>(static_cast<id>(nullptr), "imageWithRenderingMode:"_sel, 2L), nullptr);
}

}

#include "UIImage.h"

#include "foundation/DevicePath.h"
#include "foundation/NSString.h"
#include "foundation/SystemLog.h"

#include <cairo.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace {

Class g_UIImage;

UIImage* asUIImage(id self) { return static_cast<UIImage*>(self); }

void diagnose(const std::string& path, const std::string& problem)
{
    systemlog::write(kCFLogLevelError, "UIImage: cannot read the PNG image at " + path + ": " + problem);
}

// The PNG signature and the IHDR chunk give the image's size before any pixel
// is decoded, so a file that claims enormous dimensions is refused up front.
// `hostPath` is read; `path`, as the caller named it, is what the log shows.
bool checkHeader(const std::string& hostPath, const std::string& path)
{
    std::ifstream file(hostPath, std::ios::binary);
    std::array<unsigned char, 24> header {};
    if (!file.read(reinterpret_cast<char*>(header.data()), header.size())) {
        diagnose(path, "too short to be a PNG file");
        return false;
    }
    static constexpr std::array<unsigned char, 8> signature { 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n' };
    if (!std::equal(signature.begin(), signature.end(), header.begin()) || std::string_view(reinterpret_cast<const char*>(&header[12]), 4) != "IHDR") {
        diagnose(path, "not a PNG file");
        return false;
    }
    auto bigEndian = [&](size_t at) {
        return (uint32_t(header[at]) << 24) | (uint32_t(header[at + 1]) << 16) | (uint32_t(header[at + 2]) << 8) | uint32_t(header[at + 3]);
    };
    uint64_t const width = bigEndian(16);
    uint64_t const height = bigEndian(20);
    if (width == 0 || height == 0 || width * height > uint64_t(uikit::kMaximumImagePixels)) {
        diagnose(path, "image size " + std::to_string(width) + "x" + std::to_string(height) + " refused");
        return false;
    }
    return true;
}

id imageWithContentsOfFile(id, SEL, id path)
{
    if (!foundation::isKindOf(path, foundation::NSStringClass()))
        return nullptr;
    return uikit::loadImageFile(static_cast<NSString*>(path)->value);
}

id imageWithRenderingMode(id self, SEL, long mode)
{
    auto const* image = asUIImage(self);
    if (mode < UIImageRenderingModeAutomatic || mode > UIImageRenderingModeAlwaysTemplate)
        return self;
    // The copy shares the pixels; only the way it is drawn differs.
    auto* copy = static_cast<UIImage*>(class_createInstance(g_UIImage, 0));
    copy->pixels = image->pixels;
    copy->scale = image->scale;
    copy->renderingMode = mode;
    return objc_autorelease(copy);
}

long renderingMode(id self, SEL) { return asUIImage(self)->renderingMode; }
CGSize size(id self, SEL) { return asUIImage(self)->size(); }
CGFloat imageScale(id self, SEL) { return asUIImage(self)->scale; }

}

UIImage* UIImage::make(cairo_surface_t* surface, CGFloat scale)
{
    if (!surface)
        return nullptr;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    auto* image = static_cast<UIImage*>(class_createInstance(g_UIImage, 0));
    image->pixels = std::shared_ptr<cairo_surface_t>(surface, cairo_surface_destroy);
    image->scale = scale > 0 ? scale : 1;
    return static_cast<UIImage*>(objc_autorelease(image));
}

CGSize UIImage::size() const
{
    if (!pixels)
        return {};
    return { cairo_image_surface_get_width(pixels.get()) / scale, cairo_image_surface_get_height(pixels.get()) / scale };
}

namespace uikit {

Class UIImageClass() { return g_UIImage; }

UIImage* loadImageFile(const std::string& path)
{
    std::string const hostPath = foundation::devicePath(path);
    struct stat status { };
    if (path.empty() || stat(hostPath.c_str(), &status) != 0)
        return nullptr;
    if (!S_ISREG(status.st_mode)) {
        diagnose(path, "not a regular file");
        return nullptr;
    }
    if (status.st_size > kMaximumImageFileBytes) {
        diagnose(path, "larger than " + std::to_string(kMaximumImageFileBytes) + " bytes");
        return nullptr;
    }
    if (!checkHeader(hostPath, path))
        return nullptr;
    cairo_surface_t* surface = cairo_image_surface_create_from_png(hostPath.c_str());
    if (cairo_status_t status = cairo_surface_status(surface); status != CAIRO_STATUS_SUCCESS) {
        diagnose(path, cairo_status_to_string(status));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return UIImage::make(surface);
}

void registerUIImage()
{
    g_UIImage = runtime::defineClass("UIImage", foundation::NSObjectClass(), runtime::makeInstance<UIImage>);
    addClassMethod(g_UIImage, "imageWithContentsOfFile:"_sel, imageWithContentsOfFile);
    addMethod(g_UIImage, "imageWithRenderingMode:"_sel, imageWithRenderingMode);
    addMethod(g_UIImage, "renderingMode"_sel, renderingMode);
    addMethod(g_UIImage, "size"_sel, size);
    addMethod(g_UIImage, "scale"_sel, imageScale);
}

}

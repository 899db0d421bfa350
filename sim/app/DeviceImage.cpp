#include "DeviceImage.h"

#include "foundation/DevicePath.h"
#include "foundation/SystemLog.h"
#include "uikit/UIImage.h"

#include <algorithm>

namespace apps {

DeviceImage loadDeviceImage(const std::string& devicePath)
{
    DeviceImage image(cairo_image_surface_create_from_png(foundation::devicePath(devicePath).c_str()));
    cairo_status_t const status = cairo_surface_status(image.get());
    if (status == CAIRO_STATUS_SUCCESS)
        return image;
    CFLog(kCFLogLevelError, "cannot read the image %s: %s", devicePath.c_str(), cairo_status_to_string(status));
    return nullptr;
}

namespace {

struct PngReader {
    const std::vector<uint8_t>* bytes;
    size_t offset = 0;
};

cairo_status_t readPng(void* closure, unsigned char* data, unsigned int length)
{
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->bytes->size() - reader->offset < length)
        return CAIRO_STATUS_READ_ERROR;
    std::copy_n(reader->bytes->data() + reader->offset, length, data);
    reader->offset += length;
    return CAIRO_STATUS_SUCCESS;
}

// The IHDR chunk's size, read before any pixel is decoded: bytes from another
// process that claim an enormous image are refused up front.
bool sizeIsReasonable(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < 24)
        return false;
    auto bigEndian = [&](size_t at) {
        return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8) | uint32_t(bytes[at + 3]);
    };
    uint64_t const width = bigEndian(16);
    uint64_t const height = bigEndian(20);
    return width > 0 && height > 0 && width * height <= uint64_t(uikit::kMaximumImagePixels);
}

}

DeviceImage decodePngImage(const std::vector<uint8_t>& bytes)
{
    if (!sizeIsReasonable(bytes)) {
        CFLog(kCFLogLevelError, "cannot read an image of %zu bytes: not a PNG image of a size it may have", bytes.size());
        return nullptr;
    }
    PngReader reader { &bytes };
    DeviceImage image(cairo_image_surface_create_from_png_stream(readPng, &reader));
    cairo_status_t const status = cairo_surface_status(image.get());
    if (status == CAIRO_STATUS_SUCCESS)
        return image;
    CFLog(kCFLogLevelError, "cannot read an image of %zu bytes: %s", bytes.size(), cairo_status_to_string(status));
    return nullptr;
}

}

#include "DeviceImage.h"

#include "foundation/DevicePath.h"
#include "foundation/SystemLog.h"

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

}

DeviceImage decodePngImage(const std::vector<uint8_t>& bytes)
{
    PngReader reader { &bytes };
    DeviceImage image(cairo_image_surface_create_from_png_stream(readPng, &reader));
    cairo_status_t const status = cairo_surface_status(image.get());
    if (status == CAIRO_STATUS_SUCCESS)
        return image;
    CFLog(kCFLogLevelError, "cannot read an image of %zu bytes: %s", bytes.size(), cairo_status_to_string(status));
    return nullptr;
}

}

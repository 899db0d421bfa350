#include "UIImagePNGRepresentation.h"
#include "UIImage.h"

#include <cairo.h>

namespace {

cairo_status_t appendPNGBytes(void* closure, const unsigned char* data, unsigned int length)
{
    auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

}

NSData* UIImagePNGRepresentation(id image)
{
    if (!foundation::isKindOf(image, uikit::UIImageClass()))
        return nullptr;
    auto const& pixels = static_cast<UIImage*>(image)->pixels;
    if (!pixels)
        return nullptr;
    std::vector<uint8_t> bytes;
    if (cairo_surface_write_to_png_stream(pixels.get(), appendPNGBytes, &bytes) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    return NSData::make(std::move(bytes));
}

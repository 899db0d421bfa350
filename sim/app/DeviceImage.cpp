#include "DeviceImage.h"

#include "foundation/DevicePath.h"
#include "foundation/SystemLog.h"

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

}

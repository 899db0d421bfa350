#pragma once
// A PNG of the device (an application's icon, a bundle's image) as a cairo
// surface the caller owns.

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace apps {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using DeviceImage = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// The image at the device path (under the device root), or nullptr with a
// log line when it cannot be read.
DeviceImage loadDeviceImage(const std::string& devicePath);

// PNG file bytes (an icon that came over the bus), or nullptr with a log line
// when they are not a PNG image.
DeviceImage decodePngImage(const std::vector<uint8_t>& bytes);

}

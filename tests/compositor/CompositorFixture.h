#pragma once
// Each compositor test starts from registered UIKit classes, no windows, a
// 200 x 100 screen at scale 2 and a device root of its own with no installed
// applications (the home screen is then the wallpaper alone), and reads the
// drawn screen back pixel by pixel.

#include "Compositor.h"

#include "foundation/DevicePath.h"
#include "foundation/SystemLog.h"
#include "uikit/UIKit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace compositortest {

struct Pixel {
    int red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const Pixel&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Pixel& p)
{
    return out << "rgba(" << p.red << ", " << p.green << ", " << p.blue << ", " << p.alpha << ")";
}

// Within a step or two of rounding.
inline bool near(const Pixel& a, const Pixel& b, int tolerance = 3)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance && std::abs(a.blue - b.blue) <= tolerance
        && std::abs(a.alpha - b.alpha) <= tolerance;
}

inline constexpr Pixel kRed { 255, 0, 0, 255 };
inline constexpr Pixel kGreen { 0, 255, 0, 255 };
inline constexpr Pixel kBlue { 0, 0, 255, 255 };
inline constexpr Pixel kBlack { 0, 0, 0, 255 };
inline constexpr Pixel kWhite { 255, 255, 255, 255 };

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

// Reads pixels (in pixels, not points) of an ARGB32 image, un-premultiplied.
inline Pixel pixelAt(cairo_surface_t* surface, int x, int y)
{
    cairo_surface_flush(surface);
    auto const* row = cairo_image_surface_get_data(surface) + static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface);
    uint32_t const value = reinterpret_cast<const uint32_t*>(row)[x];
    int const alpha = static_cast<int>(value >> 24);
    auto channel = [&](int shift) {
        int const premultiplied = static_cast<int>((value >> shift) & 0xFF);
        return alpha ? (premultiplied * 255 + alpha / 2) / alpha : 0;
    };
    return { channel(16), channel(8), channel(0), alpha };
}

class CompositorTest : public testing::Test {
protected:
    void SetUp() override
    {
        uikit::registerClasses();
        uikit::reset();
        compositor::reset();
        systemlog::setWritesToStandardError(false);
        systemlog::reset();
        root = std::filesystem::temp_directory_path() / ("compositor-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(root / "Applications");
        std::ofstream(root / "Applications" / "InstalledApplications.plist")
            << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict><key>Applications</key><array/></dict></plist>\n";
        foundation::setDeviceRoot(root.string());
        uikit::setMainScreenSize(200, 100);
        uikit::setMainScreenScale(2);
        pool.emplace();
    }

    void TearDown() override
    {
        pool.reset();
        uikit::reset();
        compositor::reset();
        foundation::setDeviceRoot("");
        std::filesystem::remove_all(root);
        systemlog::setWritesToStandardError(true);
    }

    template <class T = UIView>
    Strong<T> make(Class cls, CGRect frame)
    {
        id object = send<id>(send<id>(cls, "alloc"_sel), "initWithFrame:"_sel, frame);
        return adopt(static_cast<T*>(object));
    }

    Strong<UIView> addView(UIView* parent, CGRect frame, UIColor* color, Class cls = nullptr)
    {
        auto view = make(cls ? cls : uikit::UIViewClass(), frame);
        send(view.get(), "setBackgroundColor:"_sel, static_cast<id>(color));
        send(parent, "addSubview:"_sel, static_cast<id>(view.get()));
        return view;
    }

    // A visible window at the level, with a background colour (or none).
    Strong<UIWindow> showWindow(CGRect frame, UIColor* color, UIWindowLevel level = UIWindowLevelNormal)
    {
        auto window = make<UIWindow>(uikit::UIWindowClass(), frame);
        send(window.get(), "setBackgroundColor:"_sel, static_cast<id>(color));
        send(window.get(), "setWindowLevel:"_sel, level);
        send(window.get(), "setHidden:"_sel, false);
        return window;
    }

    static UIColor* color(const Pixel& p) { return UIColor::make(p.red / 255.0, p.green / 255.0, p.blue / 255.0, p.alpha / 255.0); }

    Surface draw()
    {
        std::string error;
        Surface screen(compositor::drawScreen(&error));
        EXPECT_TRUE(screen) << error;
        return screen;
    }

    std::filesystem::path root;
    std::optional<AutoreleasePool> pool;
};

}

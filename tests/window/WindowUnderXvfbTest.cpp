// drawlet-sim's real window, driven as a person would: an Xvfb display, the
// phone in an SDL window in real time with Clock pinned, xdotool's mouse
// clicking the grabber, and the window's pixels read back from the X server.
#include "SimulatorWindow.h"

#include <cmath>
#include <functional>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

constexpr double kScreenWidth = 375;
constexpr double kScreenHeight = 667;

struct Rgb {
    double red;
    double green;
    double blue;
    double brightness() const { return (red + green + blue) / 3; }
};

// The window's pixels, read back from the X server.
class WindowPicture {
public:
    WindowPicture(Display* display, Window window, int width, int height)
        : m_image(XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap))
    {
    }
    ~WindowPicture()
    {
        if (m_image)
            XDestroyImage(m_image);
    }
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    bool valid() const { return m_image != nullptr; }

    // The mean colour of a rectangle, in window pixels.
    Rgb mean(int left, int top, int width, int height) const
    {
        Rgb sum { 0, 0, 0 };
        int count = 0;
        forEachPixel(left, top, width, height, [&](Rgb pixel) {
            sum.red += pixel.red;
            sum.green += pixel.green;
            sum.blue += pixel.blue;
            ++count;
        });
        return count ? Rgb { sum.red / count, sum.green / count, sum.blue / count } : sum;
    }

    // How many pixels of a rectangle are the Clock's orange digits.
    int orangePixels(int left, int top, int width, int height) const
    {
        int count = 0;
        forEachPixel(left, top, width, height, [&](Rgb pixel) {
            if (pixel.red > 200 && pixel.green > 110 && pixel.green < 200 && pixel.blue < 90)
                ++count;
        });
        return count;
    }

private:
    void forEachPixel(int left, int top, int width, int height, const std::function<void(Rgb)>& visit) const
    {
        for (int y = top; y < top + height && y < m_image->height; ++y) {
            for (int x = left; x < left + width && x < m_image->width; ++x) {
                unsigned long const pixel = XGetPixel(m_image, x, y);
                visit({ static_cast<double>((pixel & m_image->red_mask) >> 16), static_cast<double>((pixel & m_image->green_mask) >> 8),
                    static_cast<double>(pixel & m_image->blue_mask) });
            }
        }
    }

    XImage* m_image;
};

class WindowUnderXvfb : public SimulatorWindow {
protected:
    void SetUp() override
    {
        SimulatorWindow::SetUp();
        if (IsSkipped())
            return;
        if (!drawletBuilt())
            GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    }

    // Clicks at a point of the phone's screen.
    bool click(double x, double y)
    {
        return xdotool({ "mousemove", "--window", std::to_string(m_window), std::to_string(std::lround(x * m_pixelsPerPoint)),
                           std::to_string(std::lround(y * m_pixelsPerPoint)), "click", "1" })
            .has_value();
    }

    // Window pixels of a rectangle given in points.
    struct Area {
        int left;
        int top;
        int width;
        int height;
    };
    Area pixels(double x, double y, double width, double height) const
    {
        return { static_cast<int>(x * m_pixelsPerPoint), static_cast<int>(y * m_pixelsPerPoint), static_cast<int>(width * m_pixelsPerPoint),
            static_cast<int>(height * m_pixelsPerPoint) };
    }

    // Takes pictures of the window until `ready` says yes about one.
    bool waitForPicture(const std::function<bool(const WindowPicture&)>& ready)
    {
        return waitFor(
            [&] {
                WindowPicture picture(m_display, m_window, m_windowWidth, m_windowHeight);
                return picture.valid() && ready(picture);
            },
            kLimit);
    }

    // The left strip, which the dimming darkens when the panel is open.
    Rgb leftStrip(const WindowPicture& picture) const
    {
        auto const area = pixels(5, 100, 40, 400);
        return picture.mean(area.left, area.top, area.width, area.height);
    }
    // Where the open panel shows the Clock's time.
    int orangeInPanel(const WindowPicture& picture) const
    {
        auto const area = pixels(60, 200, 310, 250);
        return picture.orangePixels(area.left, area.top, area.width, area.height);
    }

    int m_windowWidth = 0;
    int m_windowHeight = 0;
    double m_pixelsPerPoint = 1;
};

}

TEST_F(WindowUnderXvfb, AClickOnTheGrabberOpensThePanelWithTheLiveClockAndASecondOneClosesIt)
{
    // A desktop smaller than the phone at scale 2, so the window is shrunk
    // and points map to window pixels at a scale of its own.
    ASSERT_NO_FATAL_FAILURE(startDisplay("1024x768x24"));
    ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));
    fs::path const log = logFile();
    ASSERT_NO_FATAL_FAILURE(startSimulator({ "--screen", "375x667", "--log", log.string() }));
    WindowSize const size = windowSize();
    ASSERT_NE(size, WindowSize {}) << "the X server does not know the window";
    m_windowWidth = size.width;
    m_windowHeight = size.height;
    // The window holds the screen at its full width, the help line below it.
    m_pixelsPerPoint = m_windowWidth / kScreenWidth;
    ASSERT_LT(m_pixelsPerPoint, 2.0) << "shrunk to fit the desktop";
    ASSERT_GE(m_windowHeight, std::lround(kScreenHeight * m_pixelsPerPoint));

    // Closed: the home screen, undimmed, and no Clock where the panel would be.
    Rgb closed {};
    ASSERT_TRUE(waitForPicture([&](const WindowPicture& picture) {
        closed = leftStrip(picture);
        return closed.brightness() > 8;
    })) << "the window shows nothing";
    {
        WindowPicture picture(m_display, m_window, m_windowWidth, m_windowHeight);
        ASSERT_TRUE(picture.valid());
        EXPECT_EQ(orangeInPanel(picture), 0) << "the panel is closed at first";
    }

    // The grabber sits at the right edge, (W - 24 to W, H - 125 to H - 100).
    ASSERT_TRUE(click(kScreenWidth - 14, kScreenHeight - 113));
    Rgb open {};
    int clock = 0;
    EXPECT_TRUE(waitForPicture([&](const WindowPicture& picture) {
        open = leftStrip(picture);
        clock = orangeInPanel(picture);
        // The dimming's 0.8 leaves a fifth of the light, once the panel is in.
        return open.brightness() < closed.brightness() * 0.3 && clock > 50;
    })) << "the panel did not open with the live Clock: left strip "
        << open.brightness() << " (closed " << closed.brightness() << "), " << clock
        << " orange pixels; " << readFile(log);

    // A click beside the grabber, on the dimming, closes it again.
    ASSERT_TRUE(click(200, 25));
    Rgb again {};
    EXPECT_TRUE(waitForPicture([&](const WindowPicture& picture) {
        again = leftStrip(picture);
        return std::abs(again.brightness() - closed.brightness()) < closed.brightness() * 0.05 && orangeInPanel(picture) == 0;
    })) << "the panel did not close: left strip "
        << again.brightness() << " (closed " << closed.brightness() << ")";

    // Q quits (the key goes to the window under the pointer).
    ASSERT_TRUE(xdotool({ "key", "q" }).has_value());
    EXPECT_EQ(m_shell->wait(kLimit), 0) << "Q quits with status 0: " << readFile(file("sim-output.txt"));
}

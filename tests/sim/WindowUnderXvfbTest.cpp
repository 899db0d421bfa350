// drawlet-sim's real window, driven as a person would: an Xvfb display, the
// phone in an SDL window in real time with Clock pinned, xdotool's mouse
// clicking the grabber, and the window's pixels read back from the X server.
// Real time under load or sanitizers is slow, so each step polls with
// generous limits; none of them is a timing check.
#include "ProgramRun.h"
#include "VirtualDisplay.h"

#include <gtest/gtest.h>
// After GoogleTest: Xlib's macros (None, Bool) clash with its names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef None
#undef Bool

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

const std::string kSimulator = DRAWLET_BUILD_DIR "/bin/drawlet-sim";
const std::string kSettingsTool = DRAWLET_BUILD_DIR "/bin/drawlet-settings";
const fs::path kLibrary = fs::path(DRAWLET_DEVICE_ROOT) / "Library/MobileSubstrate/DynamicLibraries/Drawlet.so";
constexpr double kScreenWidth = 375;
constexpr double kScreenHeight = 667;
constexpr auto kLimit = std::chrono::seconds(90);

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

class WindowUnderXvfb : public testing::Test {
protected:
    void SetUp() override
    {
        m_xvfb = findProgram("Xvfb");
        m_xdotool = findProgram("xdotool");
        if (m_xvfb.empty() || m_xdotool.empty())
            GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/install-deps.sh installs both)";
        if (!fs::exists(kLibrary) || !fs::exists(kSettingsTool))
            GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    }
    // The connection goes before the server does: Xlib ends the process
    // when its server disappears.
    void TearDown() override
    {
        if (m_display)
            XCloseDisplay(m_display);
        m_xserver.reset();
    }

    fs::path home() const { return m_folder.path() / "home"; }

    bool setting(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), { kSettingsTool, "--home", home().string(), "set" });
        ChildProcess tool(arguments, m_folder.path() / "tool.txt");
        return tool.wait() == 0;
    }

    // xdotool with these arguments; its output, or nothing when it failed.
    std::optional<std::string> xdotool(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), m_xdotool);
        ChildProcess tool(arguments, m_folder.path() / "xdotool.txt");
        if (tool.wait(std::chrono::seconds(30)) != 0)
            return std::nullopt;
        return readFile(m_folder.path() / "xdotool.txt");
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

    TemporaryFolder m_folder;
    std::unique_ptr<VirtualDisplay> m_xserver;
    std::string m_xvfb;
    std::string m_xdotool;
    Display* m_display = nullptr;
    Window m_window = 0;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    double m_pixelsPerPoint = 1;
};

}

TEST_F(WindowUnderXvfb, AClickOnTheGrabberOpensThePanelWithTheLiveClockAndASecondOneClosesIt)
{
    // A desktop smaller than the phone at scale 2, so the window is shrunk
    // and points map to window pixels at a scale of its own.
    m_xserver = std::make_unique<VirtualDisplay>(m_xvfb, "1024x768x24");
    std::string const display = m_xserver->display();
    ASSERT_FALSE(display.empty()) << "Xvfb did not start";
    setenv("DISPLAY", display.c_str(), 1);
    m_display = XOpenDisplay(display.c_str());
    ASSERT_NE(m_display, nullptr);

    fs::create_directories(home());
    ASSERT_TRUE(setting({ "tweakEnabled", "true" }));
    ASSERT_TRUE(setting({ "autoPinEnabled", "true" }));
    ASSERT_TRUE(setting({ "--string", "startupApp", "com.drawlet.demo.clock" }));
    fs::path const log = m_folder.path() / "sim.log";
    // SDL unloads the X libraries it loaded itself when it quits, so the
    // leak checker of a sanitizer build finds their one-time allocations in
    // modules it can no longer name, and no suppression can match them. The
    // window's process is run without it; the headless tests check our code.
    char const* sanitizerOptions = std::getenv("ASAN_OPTIONS");
    std::string const saved = sanitizerOptions ? sanitizerOptions : "";
    setenv("ASAN_OPTIONS", (saved.empty() ? std::string("detect_leaks=0") : saved + ":detect_leaks=0").c_str(), 1);
    ChildProcess shell({ kSimulator, "--home", home().string(), "--screen", "375x667", "--log", log.string() }, m_folder.path() / "sim-output.txt");
    if (sanitizerOptions)
        setenv("ASAN_OPTIONS", saved.c_str(), 1);
    else
        unsetenv("ASAN_OPTIONS");
    ASSERT_TRUE(shell.started());

    std::string found;
    ASSERT_TRUE(waitFor(
        [&] {
            auto output = xdotool({ "search", "--name", "^Drawlet$" });
            found = output.value_or("");
            return !found.empty();
        },
        kLimit))
        << "no window: " << readFile(m_folder.path() / "sim-output.txt") << readFile(log);
    m_window = std::stoul(found);
    XWindowAttributes attributes {};
    ASSERT_NE(XGetWindowAttributes(m_display, m_window, &attributes), 0);
    m_windowWidth = attributes.width;
    m_windowHeight = attributes.height;
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
    })) << "the panel did not open with the live Clock: left strip " << open.brightness() << " (closed " << closed.brightness() << "), " << clock
        << " orange pixels; " << readFile(log);

    // A click beside the grabber, on the dimming, closes it again.
    ASSERT_TRUE(click(200, 25));
    Rgb again {};
    EXPECT_TRUE(waitForPicture([&](const WindowPicture& picture) {
        again = leftStrip(picture);
        return std::abs(again.brightness() - closed.brightness()) < closed.brightness() * 0.05 && orangeInPanel(picture) == 0;
    })) << "the panel did not close: left strip " << again.brightness() << " (closed " << closed.brightness() << ")";

    // Q quits (the key goes to the window under the pointer).
    ASSERT_TRUE(xdotool({ "key", "q" }).has_value());
    EXPECT_EQ(shell.wait(kLimit), 0) << "Q quits with status 0: " << readFile(m_folder.path() / "sim-output.txt");
}

// drawlet-sim with real application processes (drawlet-app with
// DrawletClient) on its private bus, driven by scripts in headless runs.
#include "ProgramRun.h"
#include "TextSearch.h"
#include "support/StatusBarPixels.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <array>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

const std::string kSimulator = DRAWLET_BUILD_DIR "/bin/drawlet-sim";
const fs::path kBuildRoot = DRAWLET_DEVICE_ROOT;

constexpr const char* kNotes = "com.drawlet.demo.notes";
constexpr const char* kGrid = "com.drawlet.demo.grid";
constexpr const char* kStatusBarPost = "post distributed com.quillbrook.drawlet.changeHostedAppStatusBar statusBarHidden=";

// Lines of `text` that match `pattern` whole.
size_t countLines(const std::string& text, const std::string& pattern)
{
    std::istringstream stream(text);
    size_t count = 0;
    for (std::string line; std::getline(stream, line);)
        count += matchesWhole(line, pattern) ? 1 : 0;
    return count;
}

size_t countOccurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

bool buildHasClient()
{
    return fs::exists(kBuildRoot / "Library/MobileSubstrate/DynamicLibraries/DrawletClient.so");
}

class Applications : public testing::Test {
protected:
    void SetUp() override
    {
        if (!buildHasClient())
            GTEST_SKIP() << "DrawletClient.so is not built";
    }

    int runHeadless(const std::string& script, std::vector<std::string> extra = {})
    {
        writeFile(m_folder.path() / "script.txt", script);
        std::vector<std::string> arguments { kSimulator, "--headless", "--home", (m_folder.path() / "home").string(), "--log", logFile().string(),
            "--script", (m_folder.path() / "script.txt").string() };
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        ChildProcess child(arguments, m_folder.path() / "output.txt");
        EXPECT_TRUE(child.started());
        int const status = child.wait();
        m_output = readFile(m_folder.path() / "output.txt");
        return status;
    }

    std::string shot(const std::string& bundleIdentifier, const std::string& name)
    {
        return "shot-app " + bundleIdentifier + " " + (m_folder.path() / (name + ".png")).string() + "\n";
    }

    // Whether the saved frame `name` shows a status bar; checks its size too.
    bool showsStatusBar(const std::string& name)
    {
        auto const path = m_folder.path() / (name + ".png");
        cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
        EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS) << name;
        EXPECT_EQ(cairo_image_surface_get_width(image), 750) << name;
        EXPECT_EQ(cairo_image_surface_get_height(image), 1334) << name;
        bool const shown = testsupport::showsStatusBar(image);
        cairo_surface_destroy(image);
        return shown;
    }

    fs::path logFile() const { return m_folder.path() / "sim.log"; }
    std::string log() const { return readFile(logFile()); }

    TemporaryFolder m_folder;
    std::string m_output;
};

TEST_F(Applications, TheStatusBarFollowsTheShellsPostAtEachApplicationsNextActivation)
{
    std::string script = std::string("launch ") + kNotes + "\nlaunch " + kGrid + "\n";
    script += std::string(kStatusBarPost) + "true\n" + shot(kNotes, "notes-posted") + shot(kGrid, "grid-posted");
    script += std::string("activate ") + kNotes + "\nactivate " + kGrid + "\n" + shot(kNotes, "notes-hidden") + shot(kGrid, "grid-hidden");
    script += std::string(kStatusBarPost) + "false\nactivate " + kNotes + "\nactivate " + kGrid + "\n" + shot(kNotes, "notes-back") + shot(kGrid, "grid-back");
    // The pin action's pair, false then true, ends hidden.
    script += std::string(kStatusBarPost) + "false\n" + kStatusBarPost + "true\nactivate " + kNotes + "\nactivate " + kGrid + "\n"
        + shot(kNotes, "notes-pinned") + shot(kGrid, "grid-pinned");
    ASSERT_EQ(runHeadless(script), 0) << m_output;

    for (std::string const app : { "notes", "grid" }) {
        EXPECT_TRUE(showsStatusBar(app + "-posted")) << app << ": a post alone changes nothing on screen";
        EXPECT_FALSE(showsStatusBar(app + "-hidden")) << app;
        EXPECT_TRUE(showsStatusBar(app + "-back")) << app;
        EXPECT_FALSE(showsStatusBar(app + "-pinned")) << app;
    }
}

TEST_F(Applications, AnOrientationPostOnlyWritesItsLineInEachApplicationAtTheShellsInstant)
{
    std::string script = std::string("launch ") + kNotes + "\nlaunch " + kGrid + "\nwait 2.5\n"
        + "post distributed com.quillbrook.drawlet.changeHostedAppOrientation orientation=3\n" + shot(kNotes, "notes");
    ASSERT_EQ(runHeadless(script), 0) << m_output;
    EXPECT_TRUE(showsStatusBar("notes"));

    auto const text = log();
    std::string const rotated = R"(2\.500 (Notes|Grid)\[\d+\]: \[Drawlet\] should rotate to orientation: 3)";
    EXPECT_EQ(countLines(text, rotated), 2u) << text;
    // Nothing else from the client: its only other lines are failures.
    EXPECT_EQ(countLines(text, R"([0-9.]+ (Notes|Grid)\[\d+\]: \[Drawlet\] .*)"), 2u) << text;
    EXPECT_EQ(countOccurrences(text, "Notes["), 2u) << text << "\n(the loader's line and the rotation)";
}

TEST_F(Applications, WithoutTheViewControllerClassEachApplicationLogsOnceAndTheRestWorks)
{
    std::string script = std::string("launch ") + kNotes + "\nlaunch " + kGrid + "\n" + kStatusBarPost + "true\n"
        + "post distributed com.quillbrook.drawlet.changeHostedAppOrientation orientation=4\n"
        + "activate " + kNotes + "\n" + shot(kNotes, "notes");
    ASSERT_EQ(runHeadless(script, { "--app-without-class", "UIViewController" }), 0) << m_output;

    auto const text = log();
    std::string const failure = R"([0-9.]+ (Notes|Grid)\[\d+\]: .*DrawletClient.*logos: nil class UIViewController)";
    EXPECT_EQ(countLines(text, failure), 2u) << text;
    EXPECT_EQ(countOccurrences(text, "logos: nil class"), 2u) << text;
    EXPECT_EQ(countOccurrences(text, "[Drawlet] should rotate to orientation: 4"), 2u) << text;
    EXPECT_TRUE(showsStatusBar("notes")) << "with no view-controller class to replace, the application's own answer stands";
}

TEST_F(Applications, AnApplicationThatIsNotInstalledOrNotRunningFailsItsCommandOnly)
{
    std::string script = "launch com.example.missing\nshot-app " + std::string(kGrid) + " " + (m_folder.path() / "none.png").string() + "\n"
        + "activate " + kNotes + "\n" + shot(kNotes, "notes");
    EXPECT_EQ(runHeadless(script), 1) << m_output;
    auto const text = log();
    EXPECT_NE(text.find("script line 1: launch failed: no installed application has the bundle identifier \"com.example.missing\""), std::string::npos) << text;
    EXPECT_NE(text.find("script line 2: shot-app failed: com.drawlet.demo.grid is not running"), std::string::npos) << text;
    EXPECT_TRUE(fs::exists(m_folder.path() / "notes.png")) << "activate launches an application that is not running";
}

}

namespace {

const std::string kSettingsTool = DRAWLET_BUILD_DIR "/bin/drawlet-settings";

// The brightness (0 to 765) of a screen point in a saved shot at scale 2.
unsigned brightnessAt(const fs::path& shotFile, double x, double y)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(shotFile.c_str());
    auto const* row = cairo_image_surface_get_data(image) + static_cast<ptrdiff_t>(y * 2) * cairo_image_surface_get_stride(image);
    uint32_t const pixel = reinterpret_cast<const uint32_t*>(row)[static_cast<int>(x * 2)];
    cairo_surface_destroy(image);
    return ((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff);
}

}

TEST_F(Applications, ATapOnTheGrabberShowsThePinnedApplicationWhichHidesItsStatusBarUntilItIsBackInFront)
{
    fs::path const home = m_folder.path() / "home";
    for (std::vector<std::string> arguments : { std::vector<std::string> { "set", "tweakEnabled", "true" },
             std::vector<std::string> { "set", "autoPinEnabled", "true" }, std::vector<std::string> { "set", "--string", "startupApp", kNotes } }) {
        arguments.insert(arguments.begin(), { kSettingsTool, "--home", home.string() });
        ChildProcess tool(arguments, m_folder.path() / "tool.txt");
        ASSERT_EQ(tool.wait(), 0) << readFile(m_folder.path() / "tool.txt");
    }
    std::string script = "wait 0.5\n" + std::string("shot ") + (m_folder.path() / "closed.png").string() + "\n";
    // The post takes effect at the application's next activation.
    script += "tap 360 554\nwait 0.5\nshot " + (m_folder.path() / "open.png").string() + "\nactivate " + kNotes + "\n" + shot(kNotes, "hosted");
    script += "tap 200 25\nwait 0.5\nopen " + std::string(kNotes) + "\n" + shot(kNotes, "in-front");
    ASSERT_EQ(runHeadless(script), 0) << m_output;

    // Open: the screen behind the panel is dimmed, the panel holds Notes.
    EXPECT_LT(brightnessAt(m_folder.path() / "open.png", 20, 300), brightnessAt(m_folder.path() / "closed.png", 20, 300) / 2);
    EXPECT_FALSE(showsStatusBar("hosted")) << "hosted in the panel, its status bar is hidden";
    EXPECT_TRUE(showsStatusBar("in-front")) << "in front again, after the panel closed, it comes back";
    auto const text = log();
    EXPECT_EQ(countOccurrences(text, "[Drawlet] tapGrabber"), 2u) << text;
    EXPECT_EQ(countOccurrences(text, "[Drawlet] Stop hosting com.drawlet.demo.notes"), 1u) << text;
}

TEST_F(Applications, TheMemoryVerbLogsTheShellsResidentMemoryAndTheFramesPartOfIt)
{
    std::string const script = std::string("memory\nlaunch ") + kNotes + "\n" + shot(kNotes, "notes") + "memory\n";
    ASSERT_EQ(runHeadless(script), 0) << m_output;

    std::string const line = R"(drawlet-sim: memory: VmRSS (\d+) kB, VmHWM (\d+) kB, frames (\d+) kB)";
    std::vector<std::array<long, 3>> readings;
    std::string const text = log();
    for (auto const& groups : allMatches(text, line))
        readings.push_back({ std::stol(groups[0]), std::stol(groups[1]), std::stol(groups[2]) });
    ASSERT_EQ(readings.size(), 2u) << text;
    for (auto const& [resident, peak, frames] : readings) {
        EXPECT_GT(resident, 0);
        EXPECT_LE(resident, peak);
        EXPECT_LE(frames, resident);
    }
    EXPECT_EQ(readings[0][2], 0) << "no application, no frames";
    // The shot read one whole frame of 750 x 1334 pixels through the mapping.
    EXPECT_GE(readings[1][2], 750 * 1334 * 4 / 1024) << "the frame the shell read is counted";
}

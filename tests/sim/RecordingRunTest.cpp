// drawlet-sim --record run as a program: a short headless scenario with the
// panel opening and closing becomes numbered PNG frames and an animated GIF
// on the virtual clock, without changing what the scenario does; wrong
// recording options are refused before anything starts.
#include "SimulatorRun.h"

#include <cairo.h>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

// The grabber opens the panel at 0.25 s (a tap lasts 0.05 s), which slides in
// for 0.3 s; a tap beside it closes it at 0.9 s; the script ends at 1.4 s.
const std::string kScript = "wait 0.2\ntap 361 554\nwait 0.6\ntap 200 25\nwait 0.5\n";

class Recording : public SimulatorRun {
protected:
    void SetUp() override
    {
        if (!drawletBuilt())
            GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
        ASSERT_NO_FATAL_FAILURE(turnOnDrawletPinning("com.drawlet.demo.clock"));
        writeFile(scriptFile(), kScript);
    }

    fs::path scriptFile() const { return file("panel.txt"); }
    fs::path frames() const { return file("frames"); }

    // Runs the script headless with these extra options; the exit status.
    int run(const std::vector<std::string>& extra, const fs::path& log)
    {
        std::vector<std::string> options { "--headless", "--screen", "375x667", "--log", log.string(), "--script", scriptFile().string() };
        options.insert(options.end(), extra.begin(), extra.end());
        return runSimulator(options);
    }

    std::vector<fs::path> framesWritten() const
    {
        std::vector<fs::path> found;
        for (auto const& entry : fs::directory_iterator(frames())) {
            if (matchesWhole(entry.path().filename().string(), "frame-\\d{4}\\.png"))
                found.push_back(entry.path());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
};

// The log without process ids, which differ from run to run.
std::string withoutProcessIds(const std::string& log)
{
    return replaceMatches(log, "\\[\\d+\\]", "[]");
}

// One pixel's colour as 0xRRGGBB, at a point of a 2x PNG frame.
uint32_t pixelAt(const fs::path& png, int xPoint, int yPoint)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return 0xffffffff;
    }
    cairo_surface_flush(image);
    auto const* row = cairo_image_surface_get_data(image) + static_cast<ptrdiff_t>(yPoint * 2) * cairo_image_surface_get_stride(image);
    uint32_t const pixel = reinterpret_cast<const uint32_t*>(row)[xPoint * 2] & 0xffffff;
    cairo_surface_destroy(image);
    return pixel;
}

}

TEST_F(Recording, WritesAFrameForEachInstantAndAGifOfThemWithoutChangingTheRun)
{
    ASSERT_EQ(run({}, file("plain.log")), 0) << m_output;
    ASSERT_EQ(run({ "--record", frames().string(), "--record-fps", "10" }, file("recorded.log")), 0) << m_output;
    EXPECT_NE(m_output.find("recorded 15 frames into " + frames().string()), std::string::npos) << m_output;
    EXPECT_EQ(withoutProcessIds(readFile(file("recorded.log"))), withoutProcessIds(readFile(file("plain.log"))))
        << "recording must not change what the scenario does";

    // 0, 0.1, ... 1.4 s.
    auto const pngs = framesWritten();
    ASSERT_EQ(pngs.size(), 15u);
    EXPECT_EQ(pngs.front().filename(), "frame-0000.png");
    EXPECT_EQ(pngs.back().filename(), "frame-0014.png");
    // At 0.4 s the panel is sliding in, the dimming half way: the strip at the
    // left edge is darker than in the first and last frames, when the panel
    // is closed.
    uint32_t const first = pixelAt(pngs[0], 20, 300);
    uint32_t const middle = pixelAt(pngs[4], 20, 300);
    uint32_t const last = pixelAt(pngs[14], 20, 300);
    EXPECT_NE(middle, first);
    EXPECT_NE(middle, last);
    EXPECT_EQ(first, last);

    int status = 0;
    GifFileType* gif = DGifOpenFileName((frames() / "panel.gif").c_str(), &status);
    ASSERT_NE(gif, nullptr) << GifErrorString(status);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
    EXPECT_EQ(gif->SWidth, 375);
    EXPECT_EQ(gif->SHeight, 667);
    EXPECT_EQ(gif->ImageCount, 15);
    for (int frame = 0; frame < gif->ImageCount; ++frame) {
        GraphicsControlBlock control {};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, frame, &control), GIF_OK) << frame;
        EXPECT_EQ(control.DelayTime, 10) << "frame " << frame << ", centiseconds";
        EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT) << frame;
    }
    // The still frames before the tap store next to nothing; the sliding ones
    // a large part of the screen.
    auto const area = [gif](int frame) { return gif->SavedImages[frame].ImageDesc.Width * gif->SavedImages[frame].ImageDesc.Height; };
    EXPECT_EQ(area(0), 375 * 667);
    EXPECT_GT(area(4), 375 * 667 / 4);
    DGifCloseFile(gif, &status);
}

TEST_F(Recording, FramesOfAnEarlierRecordingAreReplacedAndOtherFilesKept)
{
    fs::create_directories(frames());
    writeFile(frames() / "frame-0099.png", "stale");
    writeFile(frames() / "notes.txt", "mine");
    ASSERT_EQ(run({ "--record", frames().string(), "--record-fps", "5" }, file("sim.log")), 0) << m_output;
    EXPECT_EQ(framesWritten().size(), 8u) << "0, 0.2, ... 1.4 s";
    EXPECT_FALSE(fs::exists(frames() / "frame-0099.png"));
    EXPECT_EQ(readFile(frames() / "notes.txt"), "mine");
}

TEST_F(Recording, AFolderThatCannotBeMadeFailsTheRun)
{
    writeFile(file("a-file"), "");
    EXPECT_EQ(run({ "--record", (file("a-file") / "frames").string() }, file("sim.log")), 1);
    EXPECT_NE(m_output.find("cannot record"), std::string::npos) << m_output;
}

TEST(RecordingOptions, WrongValuesAndAWindowAreRefusedBeforeAnythingStarts)
{
    TemporaryFolder folder;
    std::string const frames = (folder.path() / "frames").string();
    std::vector<std::vector<std::string>> const wrong {
        { "--record", frames },
        { "--headless", "--record", "" },
        { "--headless", "--record", frames, "--record-fps", "0" },
        { "--headless", "--record", frames, "--record-fps", "121" },
        { "--headless", "--record", frames, "--record-fps", "-5" },
        { "--headless", "--record", frames, "--record-fps", "2.5" },
        { "--headless", "--record", frames, "--record-fps", "fast" },
        { "--headless", "--record-fps", "10" },
    };
    for (auto arguments : wrong) {
        std::string const shown = [&] {
            std::string text;
            for (auto const& argument : arguments)
                text += argument + " ";
            return text;
        }();
        arguments.insert(arguments.begin(), kSimulator);
        arguments.insert(arguments.end(), { "--home", (folder.path() / "home").string() });
        ChildProcess shell(arguments, folder.path() / "output.txt");
        EXPECT_EQ(shell.wait(), 2) << shown << readFile(folder.path() / "output.txt");
        EXPECT_FALSE(fs::exists(frames)) << shown;
    }
    ChildProcess windowed({ kSimulator, "--record", frames }, folder.path() / "output.txt");
    EXPECT_EQ(windowed.wait(), 2);
    EXPECT_NE(readFile(folder.path() / "output.txt").find("--headless"), std::string::npos) << readFile(folder.path() / "output.txt");
}

// Drawing only what changed gives every picture a whole redraw gives: the
// demo scenario and the README's examples, each run headless with damage
// tracking and with --full-redraw, record the same frames and take the same
// shots, byte for byte.
#include "ReadmeVerbs.h"
#include "SimulatorRun.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace fs = std::filesystem;
using namespace simtest;

namespace {

constexpr const char* kWallClock = "2026-12-09T09:41:00";

class DamageTracking : public SimulatorRun {
protected:
    void SetUp() override
    {
        if (!drawletBuilt())
            GTEST_SKIP() << "Drawlet.so or drawlet-settings is not built";
    }

    // Starts the script in a folder of its own (its shots and recording land
    // there), with a home of its own pinning Clock; null when the home cannot
    // be set up.
    std::unique_ptr<ChildProcess> startIn(const std::string& name, const fs::path& script, bool fullRedraw)
    {
        fs::path const folder = file(name);
        fs::path const ownHome = folder / "home";
        fs::create_directories(ownHome);
        for (std::vector<std::string> setting : { std::vector<std::string> { "tweakEnabled", "true" }, { "autoPinEnabled", "true" },
                 { "--string", "startupApp", "com.drawlet.demo.clock" } }) {
            setting.insert(setting.begin(), { kSettingsTool, "--home", ownHome.string(), "set" });
            if (ChildProcess(setting, folder / "tool.txt").wait() != 0)
                return nullptr;
        }
        // Ten frames a second of virtual time: every frame still draws over
        // the one before, and the two runs share the machine's cores.
        std::string command = "cd '" + folder.string() + "' && exec '" + kSimulator + "' --headless --home '" + ownHome.string() + "' --script '"
            + script.string() + "' --log '" + (folder / "sim.log").string() + "' --record '" + folder.string() + "' --record-fps 10 --wall-clock "
            + kWallClock;
        if (fullRedraw)
            command += " --full-redraw";
        return std::make_unique<ChildProcess>(std::vector<std::string> { "/bin/sh", "-c", command }, folder / "output.txt");
    }

    static std::map<std::string, std::string> pictures(const fs::path& folder)
    {
        std::map<std::string, std::string> found;
        for (auto const& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() == ".png")
                found.emplace(entry.path().filename().string(), readFile(entry.path()));
        }
        return found;
    }

    void expectSamePictures(const fs::path& script)
    {
        auto tracking = startIn("tracked", script, false);
        auto whole = startIn("full", script, true);
        ASSERT_TRUE(tracking && whole);
        ASSERT_EQ(tracking->wait(std::chrono::seconds(280)), 0) << readFile(file("tracked") / "output.txt");
        ASSERT_EQ(whole->wait(std::chrono::seconds(280)), 0) << readFile(file("full") / "output.txt");
        auto const tracked = pictures(file("tracked"));
        auto const full = pictures(file("full"));
        ASSERT_GT(full.size(), 1u);
        ASSERT_EQ(tracked.size(), full.size());
        for (auto const& [name, bytes] : full) {
            auto const other = tracked.find(name);
            ASSERT_NE(other, tracked.end()) << name;
            EXPECT_TRUE(other->second == bytes) << name << " differs from the full redraw";
        }
    }
};

TEST_F(DamageTracking, TheDemoRecordsWhatAFullRedrawRecords)
{
    expectSamePictures(fs::path(DRAWLET_SOURCE_DIR) / "sim/scenarios/demo.txt");
}

TEST_F(DamageTracking, TheReadmeExamplesRecordWhatAFullRedrawRecords)
{
    // Files the examples write stay in each run's own folder.
    std::string script;
    std::string quit;
    for (auto const& row : readmeVerbs()) {
        for (auto example : row.examples) {
            for (size_t at = 0; (at = example.find("/tmp/", at)) != std::string::npos;)
                example.replace(at, 5, "./");
            (example == "quit" ? quit : script) += example + "\n";
        }
    }
    writeFile(file("examples.txt"), script + quit);
    expectSamePictures(file("examples.txt"));
}

}

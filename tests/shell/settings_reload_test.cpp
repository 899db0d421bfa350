// The live reload: each settings notification schedules one run 0.2 s later.
#include "ShellFixture.h"

#include "core/PanelState.h"
#include "dispatch/RunLoop.h"

#include <cmath>

using namespace shelltest;

namespace {

void postAt(double seconds)
{
    dispatch::RunLoop::main().scheduleAt(std::llround(seconds * 1e9), [] { postSettingsChanged(); });
}

void runUntil(double seconds)
{
    dispatch::RunLoop::main().runUntil(std::llround(seconds * 1e9));
}

}

FORKED_TEST(SettingsReload, ThreeNotificationsATenthApartGiveThreeRunsEachTwoTenthsLater)
{
    setUpShellProcess();
    buildGrabberViews();
    writeSettingsXML("<key>smallGrabber</key><true/>");
    postAt(0.0);
    postAt(0.1);
    postAt(0.2);
    runUntil(0.199);
    EXPECT_EQ(drawletLines().size(), 0u);
    runUntil(0.2);
    EXPECT_EQ(drawletLines().size(), 1u) << "the first run is 0.2 s after the first notification";
    EXPECT_EQ(frameOf(grabber).origin.x, 26);
    runUntil(0.3);
    EXPECT_EQ(drawletLines().size(), 2u);
    // The file changes between runs: each run reads what is there now.
    writeSettingsXML("<key>smallGrabber</key><false/>");
    runUntil(0.4);
    ASSERT_EQ(drawletLines().size(), 3u);
    EXPECT_EQ(frameOf(grabber).origin.x, 0);
    runUntil(5);
    EXPECT_EQ(drawletLines().size(), 3u);
}

FORKED_TEST(SettingsReload, AThousandNotificationsInOneSecondGiveAThousandRunsInOrder)
{
    setUpShellProcess();
    buildGrabberViews();
    for (int i = 0; i < 1000; ++i)
        postAt(i * 0.001);
    for (int i = 0; i < 1000; ++i) {
        runUntil(0.2 + i * 0.001);
        ASSERT_EQ(drawletLines().size(), static_cast<size_t>(i + 1)) << "run " << i << " is due at its own time";
    }
    runUntil(3);
    EXPECT_EQ(drawletLines().size(), 1000u);
}

// The system log of a long-running program keeps no messages in memory, yet
// writes every line.
#include "foundation/SystemLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

}

TEST(SystemLog, WithoutKeepingMessagesEveryLineIsStillWrittenAndAResetKeepsThemAgain)
{
    char pattern[] = "/tmp/drawlet-log-test-XXXXXX";
    std::string const folder = mkdtemp(pattern);
    std::string const file = folder + "/log";
    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    ASSERT_TRUE(systemlog::setLogFile(file));

    systemlog::setKeepsMessages(false);
    for (int i = 0; i < 1000; ++i)
        NSLog("[Drawlet] Posting notification: %s", "com.drawlet.demo.clockVeskStatusBarChange");
    EXPECT_TRUE(systemlog::captured().empty());
    std::string const written = readFile(file);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1000);

    systemlog::reset();
    systemlog::setWritesToStandardError(false);
    NSLog("kept");
    ASSERT_EQ(systemlog::captured().size(), 1u);
    EXPECT_EQ(systemlog::captured()[0].message, "kept");
    systemlog::reset();
    std::filesystem::remove_all(folder);
}

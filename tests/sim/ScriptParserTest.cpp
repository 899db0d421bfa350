#include "Script.h"
#include "ScriptRunner.h"
#include "ScriptWords.h"

#include "dispatch/RunLoop.h"
#include "foundation/SystemLog.h"
#include "notifications/CFNotificationCenter.h"

#include <gtest/gtest.h>

using sim::parseScript;
using Words = std::vector<std::string>;

namespace {

Words split(std::string_view line)
{
    Words words;
    std::string error;
    EXPECT_TRUE(sim::splitScriptWords(line, &words, &error)) << line << ": " << error;
    return words;
}

std::string splitError(std::string_view line)
{
    Words words;
    std::string error;
    EXPECT_FALSE(sim::splitScriptWords(line, &words, &error)) << line;
    return error;
}

// The error of a one-line script, or "" when it parsed.
std::string lineError(const std::string& line)
{
    auto script = parseScript(line);
    if (script.errors.empty())
        return "";
    EXPECT_EQ(script.errors.size(), 1u);
    EXPECT_EQ(script.errors[0].line, 1);
    return script.errors[0].message;
}

}

TEST(ScriptWords, SplitsOnBlanksAndKeepsQuotedSpaces)
{
    EXPECT_EQ(split("wait   1.5"), (Words { "wait", "1.5" }));
    EXPECT_EQ(split("\tpost\tdarwin  a/b-c%d  "), (Words { "post", "darwin", "a/b-c%d" }));
    EXPECT_EQ(split("settings set startupApp \"com.example.my notes\""), (Words { "settings", "set", "startupApp", "com.example.my notes" }));
    EXPECT_EQ(split("a\"b c\"d \"\""), (Words { "ab cd", "" })) << "quotes join with the text around them; \"\" is an empty word";
    EXPECT_TRUE(split("").empty());
    EXPECT_TRUE(split("   \t ").empty());
}

TEST(ScriptWords, CommentsOnlyAtTheStartOfALine)
{
    EXPECT_TRUE(split("# a comment \"with an open quote").empty());
    EXPECT_TRUE(split("   # indented comment").empty());
    // Elsewhere '#' is text, so colours need no quotes.
    EXPECT_EQ(split("settings set grabberColor #FF8800:0.5"), (Words { "settings", "set", "grabberColor", "#FF8800:0.5" }));
    EXPECT_EQ(split("wait 1 #"), (Words { "wait", "1", "#" }));
}

TEST(ScriptWords, EscapesInsideQuotes)
{
    EXPECT_EQ(split(R"("say \"hi\"" "back\\slash")"), (Words { "say \"hi\"", "back\\slash" }));
    EXPECT_EQ(split(R"("\n\t\e\x41\x7a")"), (Words { "\n\t\x1b"
                                                     "Az" }));
    EXPECT_EQ(split(R"(outside\n)"), (Words { "outside\\n" })) << "backslashes outside quotes are plain text";

    EXPECT_NE(splitError(R"(post darwin "open)").find("not closed"), std::string::npos);
    EXPECT_NE(splitError(R"("\q")").find("unknown escape \\q"), std::string::npos);
    EXPECT_NE(splitError(R"("\x4")").find("hexadecimal"), std::string::npos);
    EXPECT_NE(splitError(R"("ends with \)").find("backslash"), std::string::npos);
}

TEST(ScriptParser, CommandsKeepTheirLineNumbers)
{
    auto script = parseScript("# scenario\r\n\r\nwait 0.5\r\n  post darwin com.example.one\n\nsettings set smallGrabber true\nsettings delete smallGrabber\nquit");
    ASSERT_TRUE(script.errors.empty()) << script.errors[0].message;
    ASSERT_EQ(script.commands.size(), 5u);
    EXPECT_EQ(script.commands[0].line, 3);
    EXPECT_EQ(script.commands[0].verb, "wait");
    EXPECT_EQ(script.commands[1].line, 4);
    EXPECT_EQ(script.commands[1].arguments, (Words { "darwin", "com.example.one" }));
    EXPECT_EQ(script.commands[2].line, 6);
    EXPECT_EQ(script.commands[3].verb, "settings");
    EXPECT_EQ(script.commands[4].line, 8);
    EXPECT_EQ(script.commands[4].verb, "quit");
}

TEST(ScriptParser, ReportsEveryBadLineWithItsNumber)
{
    auto script = parseScript("wait 1\ntapp 10 20\nwait\npost darwin \"open\nquit");
    ASSERT_EQ(script.errors.size(), 3u);
    EXPECT_EQ(script.errors[0].line, 2);
    EXPECT_NE(script.errors[0].message.find("unknown verb \"tapp\""), std::string::npos) << script.errors[0].message;
    EXPECT_NE(script.errors[0].message.find("wait"), std::string::npos) << "the message lists the known verbs";
    EXPECT_EQ(script.errors[1].line, 3);
    EXPECT_EQ(script.errors[2].line, 4);
}

TEST(ScriptParser, RefusesBadArguments)
{
    for (auto const* line : { "wait", "wait 1 2", "wait abc", "wait -1", "wait 1e9", "wait nan", "wait inf", "wait 0x10", "wait 1s",
             "post", "post darwin", "post darwin a b", "post smoke signal", "post darwin \"\"", "post darwin \"\\xff\\xfe\"",
             "settings", "settings get smallGrabber", "settings set", "settings set key", "settings set a b c", "settings set --string key",
             "settings set \"\" value", "settings delete", "settings delete a b", "quit now" })
        EXPECT_NE(lineError(line), "") << line;

    for (auto const* line : { "wait 0", "wait 0.001", "wait 2", "wait 1e-3", "post darwin com.quillbrook.drawlet-preferences/settingschanged",
             "settings set smallGrabber true", "settings set --string smallGrabber true", "settings set startupApp \"\"",
             "settings set grabberColor #FFFFFF:0.5", "settings delete smallGrabber", "quit" })
        EXPECT_EQ(lineError(line), "") << line;

    EXPECT_NE(lineError("wait 1 2").find("usage: wait SECONDS"), std::string::npos);
    EXPECT_NE(lineError("post smoke x").find("unknown center \"smoke\""), std::string::npos);
}

TEST(ScriptParser, EveryVerbShowsHowItIsWritten)
{
    for (auto const& verb : sim::verbTable()) {
        ASSERT_FALSE(verb.forms.empty()) << verb.name;
        for (auto const& form : verb.forms)
            EXPECT_EQ(form.rfind(verb.name, 0), 0u) << form;
    }
}

namespace {

int g_posts = 0;
int64_t g_postNanoseconds = -1;

void countPost(CFNotificationCenterRef, void*, CFStringRef, const void*, CFDictionaryRef)
{
    ++g_posts;
    g_postNanoseconds = dispatch::RunLoop::main().nowNanoseconds();
}

class ScriptRun : public testing::Test {
protected:
    void SetUp() override
    {
        foundation::registerClasses();
        dispatch::RunLoop::main().reset();
        dispatch::RunLoop::main().setClockMode(dispatch::RunLoop::ClockMode::Virtual);
        m_start = dispatch::RunLoop::main().nowNanoseconds();
        notifications::resetCenters();
        systemlog::reset();
        g_posts = 0;
        g_postNanoseconds = -1;
        CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), &g_posts, countPost,
            NSSTR("com.example.ping"), nullptr, CFNotificationSuspensionBehaviorDeliverImmediately);
    }
    void TearDown() override
    {
        notifications::resetCenters();
        dispatch::RunLoop::main().reset();
    }

    int64_t elapsed() const { return dispatch::RunLoop::main().nowNanoseconds() - m_start; }

    int run(const std::string& text)
    {
        auto script = parseScript(text);
        EXPECT_TRUE(script.errors.empty());
        sim::ScriptContext context { "/nonexistent" };
        return sim::runScript(script, context);
    }

    int64_t m_start = 0;
};

}

TEST_F(ScriptRun, WaitsInVirtualTimeAndDeliversPosts)
{
    EXPECT_EQ(run("wait 1.25\npost darwin com.example.ping\nwait 0.5\npost darwin com.example.ping"), 0);
    EXPECT_EQ(elapsed(), 1'750'000'000);
    EXPECT_EQ(g_posts, 2) << "a post on the script's last line still reaches its observer";
    EXPECT_EQ(g_postNanoseconds - m_start, 1'750'000'000);
}

TEST_F(ScriptRun, QuitEndsTheRun)
{
    EXPECT_EQ(run("wait 1\nquit\npost darwin com.example.ping\nwait 5"), 0);
    EXPECT_EQ(elapsed(), 1'000'000'000);
    EXPECT_EQ(g_posts, 0);
}

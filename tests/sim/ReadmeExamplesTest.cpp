// The README's table of verbs is the reference users read: every verb is in it
// as the parser knows it, and every example in it parses.
#include "ReadmeVerbs.h"
#include "Script.h"

#include <gtest/gtest.h>

#include <set>

TEST(ReadmeVerbs, TableMatchesTheParser)
{
    auto const rows = simtest::readmeVerbs();
    ASSERT_FALSE(rows.empty()) << "README.md has no \"## Script verbs\" table";

    std::set<std::string> documented;
    for (auto const& row : rows)
        documented.insert(row.form);
    std::set<std::string> known;
    for (auto const& verb : sim::verbTable())
        known.insert(verb.forms.begin(), verb.forms.end());
    EXPECT_EQ(documented, known);
}

TEST(ReadmeVerbs, EveryExampleParses)
{
    for (auto const& row : simtest::readmeVerbs()) {
        EXPECT_FALSE(row.examples.empty()) << row.form << " has no example";
        for (auto const& example : row.examples) {
            auto script = sim::parseScript(example);
            EXPECT_TRUE(script.errors.empty()) << example << ": " << (script.errors.empty() ? "" : script.errors[0].message);
            EXPECT_EQ(script.commands.size(), 1u) << example;
        }
    }
}

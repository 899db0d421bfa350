#include "TextSearch.h"

#include <regex>

namespace simtest {

bool containsMatch(const std::string& text, const std::string& pattern)
{
    return std::regex_search(text, std::regex(pattern));
}

bool matchesWhole(const std::string& text, const std::string& pattern)
{
    return std::regex_match(text, std::regex(pattern));
}

size_t countMatches(const std::string& text, const std::string& pattern)
{
    std::regex const compiled(pattern);
    return static_cast<size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), compiled), std::sregex_iterator()));
}

std::vector<std::vector<std::string>> allMatches(const std::string& text, const std::string& pattern)
{
    std::regex const compiled(pattern);
    std::vector<std::vector<std::string>> matches;
    for (std::sregex_iterator match(text.begin(), text.end(), compiled), end; match != end; ++match) {
        std::vector<std::string> groups;
        for (size_t group = 1; group < match->size(); ++group)
            groups.push_back((*match)[group].str());
        matches.push_back(std::move(groups));
    }
    return matches;
}

std::string replaceMatches(const std::string& text, const std::string& pattern, const std::string& replacement)
{
    return std::regex_replace(text, std::regex(pattern), replacement);
}

std::string escapeForPattern(const std::string& text)
{
    static const std::string kSpecial = R"(\^$.|?*+()[]{})";
    std::string escaped;
    for (char const character : text) {
        if (kSpecial.find(character) != std::string::npos)
            escaped += '\\';
        escaped += character;
    }
    return escaped;
}

}

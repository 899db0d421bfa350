#pragma once
// Searches in logs and file names with ECMAScript patterns, compiled in one
// place: <regex> costs every file that includes it seconds of build time.

#include <cstddef>
#include <string>
#include <vector>

namespace simtest {

// Whether `pattern` matches somewhere in `text`.
bool containsMatch(const std::string& text, const std::string& pattern);

// Whether `pattern` matches the whole of `text`.
bool matchesWhole(const std::string& text, const std::string& pattern);

// How many times `pattern` matches in `text`, the matches not overlapping.
size_t countMatches(const std::string& text, const std::string& pattern);

// The captured groups (1 onwards) of each match of `pattern` in `text`.
std::vector<std::vector<std::string>> allMatches(const std::string& text, const std::string& pattern);

// `text` with each match of `pattern` replaced by `replacement`.
std::string replaceMatches(const std::string& text, const std::string& pattern, const std::string& replacement);

// `text` as a pattern that matches it literally.
std::string escapeForPattern(const std::string& text);

}

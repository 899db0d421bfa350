#pragma once
// The verb table of README.md: each row's form (first column) and examples
// (every `code` span of the last column).

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace simtest {

struct ReadmeVerb {
    std::string form;
    std::vector<std::string> examples;
};

inline std::vector<std::string> codeSpans(const std::string& cell)
{
    std::vector<std::string> spans;
    size_t start = 0;
    while ((start = cell.find('`', start)) != std::string::npos) {
        size_t end = cell.find('`', start + 1);
        if (end == std::string::npos)
            break;
        spans.push_back(cell.substr(start + 1, end - start - 1));
        start = end + 1;
    }
    return spans;
}

// Rows of the table under the heading "## Script verbs".
inline std::vector<ReadmeVerb> readmeVerbs()
{
    std::ifstream file(DRAWLET_SOURCE_DIR "/README.md");
    std::vector<ReadmeVerb> verbs;
    bool inSection = false;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("## ", 0) == 0) {
            inSection = line == "## Script verbs";
            continue;
        }
        if (!inSection || line.rfind("| `", 0) != 0)
            continue;
        std::vector<std::string> cells;
        std::stringstream row(line.substr(1));
        std::string cell;
        while (std::getline(row, cell, '|'))
            cells.push_back(cell);
        if (cells.size() < 2)
            continue;
        auto forms = codeSpans(cells.front());
        if (forms.empty())
            continue;
        verbs.push_back({ forms.front(), codeSpans(cells.back()) });
    }
    return verbs;
}

}

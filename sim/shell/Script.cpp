#include "Script.h"

#include "ScriptWords.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace sim {

namespace {

std::string knownVerbs()
{
    std::string names;
    for (auto const& verb : verbTable())
        names += (names.empty() ? "" : ", ") + verb.name;
    return names;
}

}

Script parseScript(std::string_view text)
{
    Script script;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        std::vector<std::string> words;
        std::string error;
        if (!splitScriptWords(line, &words, &error)) {
            script.errors.push_back({ lineNumber, error });
            continue;
        }
        if (words.empty())
            continue;
        const Verb* verb = findVerb(words[0]);
        if (!verb) {
            script.errors.push_back({ lineNumber, "unknown verb \"" + words[0] + "\" (known: " + knownVerbs() + ")" });
            continue;
        }
        Arguments arguments(words.begin() + 1, words.end());
        auto action = verb->parse(arguments, &error);
        if (!action) {
            script.errors.push_back({ lineNumber, verb->name + ": " + error });
            continue;
        }
        script.commands.push_back({ lineNumber, verb->name, std::move(arguments), std::move(*action) });
    }
    return script;
}

bool readScriptFile(const std::string& path, std::string* text, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad()) {
        *error = "cannot read " + path;
        return false;
    }
    *text = contents.str();
    return true;
}

}

#include "ScriptWords.h"

namespace sim {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the escape after a backslash at `line[*i]`, advancing past it.
bool readEscape(std::string_view line, size_t* i, std::string* word, std::string* error)
{
    if (*i >= line.size()) {
        *error = "a backslash ends the line inside quotes";
        return false;
    }
    char c = line[(*i)++];
    switch (c) {
    case '"':
    case '\\':
        word->push_back(c);
        return true;
    case 'n':
        word->push_back('\n');
        return true;
    case 't':
        word->push_back('\t');
        return true;
    case 'e':
        word->push_back('\x1b');
        return true;
    case 'x': {
        int high = *i < line.size() ? hexDigit(line[*i]) : -1;
        int low = *i + 1 < line.size() ? hexDigit(line[*i + 1]) : -1;
        if (high < 0 || low < 0) {
            *error = "\\x needs two hexadecimal digits";
            return false;
        }
        word->push_back(static_cast<char>(high * 16 + low));
        *i += 2;
        return true;
    }
    default:
        *error = std::string("unknown escape \\") + c + " (known: \\\" \\\\ \\n \\t \\e \\xHH)";
        return false;
    }
}

}

bool splitScriptWords(std::string_view line, std::vector<std::string>* words, std::string* error)
{
    words->clear();
    size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i < line.size() && line[i] == '#')
        return true;

    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        std::string word;
        while (i < line.size() && !isBlank(line[i])) {
            if (line[i] != '"') {
                word.push_back(line[i++]);
                continue;
            }
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    *error = "a double quote is not closed";
                    return false;
                }
                char c = line[i++];
                if (c == '"')
                    break;
                if (c != '\\') {
                    word.push_back(c);
                    continue;
                }
                if (!readEscape(line, &i, &word, error))
                    return false;
            }
        }
        words->push_back(std::move(word));
    }
    return true;
}

}

#include "Text.h"

namespace compositor {

namespace {

constexpr const char* kEllipsis = "\u2026";

}

std::string validUtf8(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    size_t index = 0;
    while (index < text.size()) {
        auto const byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
        unsigned char const lead = byte(index);
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        bool valid = length > 0 && index + length <= text.size();
        for (size_t at = 1; valid && at < length; ++at) {
            unsigned char const next = byte(index + at);
            valid = at == 1 ? next >= low && next <= high : (next & 0xC0) == 0x80;
        }
        if (!valid) {
            result += "\uFFFD";
            ++index;
            continue;
        }
        result.append(text, index, length);
        index += length;
    }
    return result;
}

std::string fitText(cairo_t* cairo, const std::string& text, double width)
{
    if (textWidth(cairo, text) <= width)
        return text;
    std::string kept = text;
    while (!kept.empty()) {
        apps::dropLastCharacter(&kept);
        if (textWidth(cairo, kept + kEllipsis) <= width)
            return kept + kEllipsis;
    }
    return {};
}

std::vector<std::string> wrapText(cairo_t* cairo, const std::string& text, double width, size_t maxLines)
{
    std::vector<std::string> words;
    size_t start = 0;
    while (start < text.size()) {
        size_t const end = text.find(' ', start);
        std::string word = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!word.empty())
            words.push_back(std::move(word));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    std::vector<std::string> lines;
    std::string line;
    for (size_t index = 0; index < words.size(); ++index) {
        std::string const candidate = line.empty() ? words[index] : line + " " + words[index];
        if (line.empty() || textWidth(cairo, candidate) <= width) {
            line = candidate;
            continue;
        }
        if (maxLines && lines.size() + 1 == maxLines) {
            // The last line allowed: what is left is cut at its end.
            std::string rest = line;
            for (size_t remaining = index; remaining < words.size(); ++remaining)
                rest += " " + words[remaining];
            lines.push_back(fitText(cairo, rest, width));
            return lines;
        }
        lines.push_back(fitText(cairo, line, width));
        line = words[index];
    }
    if (!line.empty())
        lines.push_back(fitText(cairo, line, width));
    return lines;
}

}

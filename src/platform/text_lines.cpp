#include "text_lines.h"

namespace platform {

Lines SplitLinesWhole(std::string_view bytes) {
    Lines lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

Lines SplitLinesByLine(std::string_view bytes) {
    Lines lines;
    std::string current;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            open = false;
        } else if (c == '\r') {
            open = true; // a CR before LF ends nothing itself; a lone CR is dropped
        } else {
            current.push_back(c);
            open = true;
        }
    }
    if (open)
        lines.push_back(std::move(current));
    return lines;
}

std::string JoinLinesCrLf(const Lines& lines) {
    return JoinLinesCrLf(lines, true);
}

std::string JoinLinesCrLf(const Lines& lines, bool finalBreak) {
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < lines.size(); ++i) {
        out += lines[i];
        if (i + 1 < lines.size() || finalBreak)
            out += "\r\n";
    }
    return out;
}

std::string TrimBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    return std::string(text.substr(b, e - b));
}

bool IsBlankLine(std::string_view line) {
    for (char c : line)
        if (!IsBlank(c))
            return false;
    return true;
}

} // namespace platform

#pragma once
// An ordered list of text lines that can be read and rewritten line by line: the view that the
// template filling works on. Text is UTF-8 bytes.
#include <string>

namespace platform {

class LineList {
public:
    virtual ~LineList() = default;
    virtual int count() const = 0;
    // The text of line i (0-based), without its line end.
    virtual std::string line(int i) const = 0;
    // Replaces the characters of line i, not its line end, by text as a whole.
    virtual void rewrite(int i, const std::string& text) = 0;
};

} // namespace platform

#pragma once
// First layer of the RTF reader: bytes in, tokens out. The tokenizer knows nothing about the
// meaning of control words; it only splits the input into groups, control words (with their
// optional numeric parameter), control symbols, hex bytes (\'hh) and runs of plain text.
#include <cstddef>
#include <string_view>

namespace platform {

enum class RtfTokenType {
    End,        // no more input
    GroupStart, // {
    GroupEnd,   // }
    Word,       // \name or \nameN; name holds at most kRtfMaxWordLetters letters
    Symbol,     // \ followed by one character that is not a letter (\~, \*, \{, a line end...)
    Hex,        // \'hh, the byte in value
    Text,       // a run of bytes without \ { } CR LF
};

// Control words longer than this are cut here; the letters beyond are read and dropped.
inline constexpr std::size_t kRtfMaxWordLetters = 32;

struct RtfToken {
    RtfTokenType type = RtfTokenType::End;
    std::string_view text;   // Word: the name; Text: the bytes
    bool hasParam = false;   // Word: a numeric parameter followed the name
    int param = 0;           // Word: the parameter, clamped to the range of int
    char symbol = 0;         // Symbol: the character after the backslash
    unsigned char value = 0; // Hex: the byte
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view input) : input_(input) {}

    RtfToken Next();

    // Skips the data of \binN: n bytes, or what is left of the input when it is shorter.
    void SkipBinary(long long n);

    std::size_t position() const { return pos_; }
    bool AtEnd() const { return pos_ >= input_.size(); }

private:
    RtfToken ReadControl();

    std::string_view input_;
    std::size_t pos_ = 0;
};

} // namespace platform

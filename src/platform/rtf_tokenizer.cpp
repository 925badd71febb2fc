#include "platform/rtf_tokenizer.h"

#include <climits>

namespace platform {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::Next() {
    // Line ends between tokens carry no meaning in RTF.
    while (pos_ < input_.size() && (input_[pos_] == '\r' || input_[pos_] == '\n'))
        ++pos_;
    RtfToken token;
    if (pos_ >= input_.size())
        return token;
    const char c = input_[pos_];
    if (c == '{') {
        ++pos_;
        token.type = RtfTokenType::GroupStart;
        return token;
    }
    if (c == '}') {
        ++pos_;
        token.type = RtfTokenType::GroupEnd;
        return token;
    }
    if (c == '\\')
        return ReadControl();
    const std::size_t start = pos_;
    while (pos_ < input_.size()) {
        const char t = input_[pos_];
        if (t == '\\' || t == '{' || t == '}' || t == '\r' || t == '\n')
            break;
        ++pos_;
    }
    token.type = RtfTokenType::Text;
    token.text = input_.substr(start, pos_ - start);
    return token;
}

RtfToken RtfTokenizer::ReadControl() {
    RtfToken token;
    ++pos_; // the backslash
    if (pos_ >= input_.size())
        return token; // a backslash at the very end: nothing more to read
    const char c = input_[pos_];
    if (!IsLetter(c)) {
        ++pos_;
        if (c == '\'') {
            const int high = pos_ < input_.size() ? HexDigit(input_[pos_]) : -1;
            const int low = high >= 0 && pos_ + 1 < input_.size() ? HexDigit(input_[pos_ + 1]) : -1;
            token.type = RtfTokenType::Hex;
            if (high >= 0 && low >= 0) {
                token.value = static_cast<unsigned char>(high * 16 + low);
                pos_ += 2;
            } else if (high >= 0) {
                token.value = static_cast<unsigned char>(high);
                pos_ += 1;
            } else {
                // \' without a hex digit: read as the symbol itself, which means nothing.
                token.type = RtfTokenType::Symbol;
                token.symbol = '\'';
            }
            return token;
        }
        token.type = RtfTokenType::Symbol;
        token.symbol = c;
        return token;
    }
    const std::size_t start = pos_;
    while (pos_ < input_.size() && IsLetter(input_[pos_]))
        ++pos_;
    token.type = RtfTokenType::Word;
    std::size_t letters = pos_ - start;
    if (letters > kRtfMaxWordLetters)
        letters = kRtfMaxWordLetters;
    token.text = input_.substr(start, letters);

    bool negative = false;
    if (pos_ + 1 < input_.size() && input_[pos_] == '-' && IsDigit(input_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < input_.size() && IsDigit(input_[pos_])) {
        long long value = 0;
        while (pos_ < input_.size() && IsDigit(input_[pos_])) {
            if (value <= INT_MAX)
                value = value * 10 + (input_[pos_] - '0');
            ++pos_;
        }
        if (negative)
            value = -value;
        if (value > INT_MAX)
            value = INT_MAX;
        if (value < INT_MIN)
            value = INT_MIN;
        token.hasParam = true;
        token.param = static_cast<int>(value);
    }
    // One space delimits the word and belongs to it.
    if (pos_ < input_.size() && input_[pos_] == ' ')
        ++pos_;
    return token;
}

void RtfTokenizer::SkipBinary(long long n) {
    if (n <= 0)
        return;
    const std::size_t left = input_.size() - pos_;
    pos_ += static_cast<unsigned long long>(n) < left ? static_cast<std::size_t>(n) : left;
}

} // namespace platform

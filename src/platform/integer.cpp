#include "integer.h"

#include "errors.h"

#include <cstdint>
#include <string>

namespace platform {

bool TryStrToInt(std::string_view text, int& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL)
            return false;
    }
    int64_t result = negative ? -magnitude : magnitude;
    if (result > INT32_MAX || result < INT32_MIN)
        return false;
    value = static_cast<int>(result);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw ConvertError(std::string(text));
    return value;
}

} // namespace platform

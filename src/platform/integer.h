#pragma once
#include <string_view>

namespace platform {

// Converts a signed decimal integer: optional blanks in front, an optional "+" or "-", then one or
// more digits and nothing after them, within the range of a 32-bit int. Anything else throws
// ConvertError ("'%s' is not a valid integer value").
int StrToInt(std::string_view text);

// The same rule without throwing: true and the value on success.
bool TryStrToInt(std::string_view text, int& value);

} // namespace platform

#pragma once
// The two ways the programs read text files into lines, and the CR LF writer.
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Lines = std::vector<std::string>;

// Whole-file reading: CR LF, a lone CR and a lone LF each end a line; a break at the very end
// opens no further line. Lines keep every other byte.
Lines SplitLinesWhole(std::string_view bytes);

// Line-by-line reading: LF or CR LF end a line; a CR not followed by LF is dropped and does not
// end the line; a break at the very end adds no empty entry.
Lines SplitLinesByLine(std::string_view bytes);

// Every line followed by CR LF, the last one too.
std::string JoinLinesCrLf(const Lines& lines);

// Lines separated by CR LF, with a break after the last line only when finalBreak is set.
std::string JoinLinesCrLf(const Lines& lines, bool finalBreak);

// Blanks are every byte up to and including the space character (control characters too).
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
std::string TrimBlanks(std::string_view text);
bool IsBlankLine(std::string_view line);

} // namespace platform

#pragma once
// Third layer of the RTF reader: the interpreter, which runs the tokens through a stack of group
// states and builds the document.
#include <cstddef>
#include <string_view>

class QString;
class QTextDocument;

namespace platform {

// Groups nested deeper than this are read as if their braces were not there.
inline constexpr std::size_t kRtfMaxGroupDepth = 10000;

// Reads RTF bytes into doc, which must be empty. Never fails; the text read before the input
// ends (or before the document's group closes) is kept.
void ReadRtf(std::string_view bytes, QTextDocument& doc);

// Removes what a paragraph's text can't hold: control characters other than the tab, and the
// characters QTextDocument takes for its structure (paragraph, frame and object markers).
void SanitizeText(QString& text);

} // namespace platform

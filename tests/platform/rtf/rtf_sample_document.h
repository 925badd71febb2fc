#pragma once
// A document with every format the editor can set, and a dump of a document's paragraphs with
// their formats, for round trips through our writer and through other programs.
#include <QTextCharFormat>
#include <QTextDocument>

#include <memory>
#include <string>
#include <vector>

namespace rtf_test {

// Ten paragraphs on the default font of a new document: every character style, colours, faces
// with character set, pitch and family, sizes, the four alignments, two bullet lists, an empty
// paragraph, and text that needs escaping (braces, backslashes, tab, line break, non-ASCII).
std::unique_ptr<QTextDocument> EveryFormatDocument();

// A character format of a face and size, with an RTF character set, pitch and QFont style hint
// when they are not -1.
QTextCharFormat Face(const char* face, double points, int charset = -1, int pitch = -1, int hint = -1);

enum class Fidelity {
    Exact, // everything our writer keeps, the paragraph marks too
    Peer,  // what another program is expected to keep: text, face (but that of CJK text), size to
           // the half point, styles, colour, alignment and bullets
};

// One line per paragraph: alignment, bullet, (mark format,) and runs of text with their formats.
std::vector<std::string> Dump(const QTextDocument& doc, Fidelity fidelity = Fidelity::Exact);

} // namespace rtf_test

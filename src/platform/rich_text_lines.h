#pragma once
// The lines of a rich-text document, one line per paragraph (QTextBlock), as a LineList.
#include "platform/line_list.h"

#include <QTextBlock>
#include <QTextCharFormat>

class QTextDocument;

namespace platform {

class RichTextLines : public LineList {
public:
    explicit RichTextLines(QTextDocument& document) : document_(document) {}

    int count() const override;
    // The paragraph's text as UTF-8, without its paragraph end. A line break inside the paragraph
    // is U+2028, an embedded object U+FFFC, as the document holds them.
    std::string line(int i) const override;
    // Replaces the characters of paragraph i, not its paragraph end, by text in one edit. The new
    // text takes the character format of the paragraph's first character (for an empty paragraph,
    // the paragraph's own character format); the paragraph's format (alignment, indents, list)
    // stays. Line breaks in text become line breaks inside the paragraph, so the number of lines
    // never changes. An index out of range changes nothing.
    void rewrite(int i, const std::string& text) override;

    // The format a rewritten paragraph's text takes.
    static QTextCharFormat FirstCharFormat(const QTextBlock& block);

private:
    QTextDocument& document_;
};

} // namespace platform

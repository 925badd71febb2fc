#pragma once
// The lines of a rich-text document, one line per paragraph (QTextBlock), as a LineList.
#include "platform/line_list.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <vector>

class QTextDocument;

namespace platform {

class RichTextLines : public LineList {
public:
    explicit RichTextLines(QTextDocument& document) : document_(document) {}
    RichTextLines(const RichTextLines&) = delete;
    RichTextLines& operator=(const RichTextLines&) = delete;

    int count() const override;
    // The paragraph's text as UTF-8, without its paragraph end. A line break inside the paragraph
    // is U+2028, an embedded object U+FFFC, as the document holds them.
    std::string line(int i) const override;
    // Replaces the characters of paragraph i, not its paragraph end, by text in one edit (one
    // change notification, one undo step). The new text takes the character format of the
    // paragraph's first character (for an empty paragraph, the paragraph's own character format);
    // the paragraph's format (alignment, indents, list) stays. Line breaks in text become line
    // breaks inside the paragraph, so the number of lines never changes. An index out of range
    // changes nothing.
    void rewrite(int i, const std::string& text) override;

    // The format a rewritten paragraph's text takes.
    static QTextCharFormat FirstCharFormat(const QTextBlock& block);

private:
    // Texts already converted are kept while the document stays as this view last saw it: the
    // same revision (which every edit outside an open edit block raises), paragraph count and
    // character count. Any change by someone else drops them. The one change this cannot see is
    // an edit by others that keeps both counts, made inside an edit block that was already open
    // when this view last read or rewrote a line: use a new RichTextLines after such an edit.
    bool Current() const;
    void Remember() const;
    QTextBlock Block(int i) const;

    QTextDocument& document_;
    mutable std::vector<std::string> texts_;
    mutable std::vector<bool> known_;
    mutable int revision_ = -1;
    mutable int blocks_ = -1;
    mutable int characters_ = -1;
    mutable QTextBlock last_; // the block last looked up, so that line i + 1 is found in one step
    mutable int lastIndex_ = -1;
};

} // namespace platform

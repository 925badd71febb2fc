#include "rich_text_lines.h"

#include <QTextCursor>
#include <QTextDocument>

namespace platform {

static std::string Utf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

int RichTextLines::count() const {
    return document_.blockCount();
}

bool RichTextLines::Current() const {
    return revision_ == document_.revision() && blocks_ == document_.blockCount() &&
           characters_ == document_.characterCount();
}

void RichTextLines::Remember() const {
    revision_ = document_.revision();
    blocks_ = document_.blockCount();
    characters_ = document_.characterCount();
}

// Only while Current(): the paragraph structure is then the one last_ belongs to.
QTextBlock RichTextLines::Block(int i) const {
    QTextBlock block;
    if (lastIndex_ >= 0 && i == lastIndex_ + 1 && last_.isValid())
        block = last_.next();
    else if (i == lastIndex_ && last_.isValid())
        block = last_;
    else
        block = document_.findBlockByNumber(i);
    last_ = block;
    lastIndex_ = block.isValid() ? i : -1;
    return block;
}

std::string RichTextLines::line(int i) const {
    if (!Current()) {
        Remember();
        texts_.assign(static_cast<size_t>(blocks_), std::string());
        known_.assign(static_cast<size_t>(blocks_), false);
        last_ = QTextBlock();
        lastIndex_ = -1;
    }
    if (i < 0 || i >= blocks_)
        return {};
    const auto at = static_cast<size_t>(i);
    if (!known_[at]) {
        texts_[at] = Utf8(Block(i).text());
        known_[at] = true;
    }
    return texts_[at];
}

QTextCharFormat RichTextLines::FirstCharFormat(const QTextBlock& block) {
    QTextCharFormat format = block.charFormat();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        QTextFragment fragment = it.fragment();
        if (fragment.isValid() && fragment.length() > 0) {
            format = fragment.charFormat();
            break;
        }
    }
    // When the first character is an image, the text takes its character format without the
    // image: plain characters must not turn into pictures.
    if (format.objectType() != QTextFormat::NoObject || format.isImageFormat()) {
        for (int property :
             {int(QTextFormat::ObjectType), int(QTextFormat::ImageName), int(QTextFormat::ImageTitle),
              int(QTextFormat::ImageAltText), int(QTextFormat::ImageWidth), int(QTextFormat::ImageHeight),
              int(QTextFormat::ImageQuality)})
            format.clearProperty(property);
    }
    return format;
}

// Characters that QTextCursor::insertText turns into a paragraph end, or into a frame boundary.
static QString WithinOneParagraph(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            ++i; // CR LF is one line break
            c = u'\n';
        }
        if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator)
            result.append(QChar::LineSeparator);
        else if (c == QChar(0xFDD0) || c == QChar(0xFDD1)) // frame start and end marks
            result.append(QChar::ReplacementCharacter);
        else
            result.append(c);
    }
    return result;
}

void RichTextLines::rewrite(int i, const std::string& text) {
    const bool current = Current();
    QTextBlock block = current ? Block(i) : document_.findBlockByNumber(i);
    if (!block.isValid())
        return;
    const QString newText =
        WithinOneParagraph(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    const int revisionBefore = document_.revision();
    const int expectedCharacters = document_.characterCount() - (block.length() - 1) + int(newText.size());
    QTextCursor cursor(&document_);
    // Inside an edit block the cursor does not lay the paragraph out after the change.
    cursor.beginEditBlock();
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(newText, FirstCharFormat(block));
    cursor.endEditBlock();
    // The paragraph now holds exactly newText and the others are as they were, unless a handler
    // of the change notification went on to change the document: that raised the revision again.
    const int revision = document_.revision();
    if (current && (revision == revisionBefore || revision == revisionBefore + 1) &&
        document_.blockCount() == blocks_ && document_.characterCount() == expectedCharacters) {
        Remember();
        texts_[static_cast<size_t>(i)] = Utf8(newText);
        known_[static_cast<size_t>(i)] = true;
    } else {
        revision_ = -1;
    }
}

} // namespace platform

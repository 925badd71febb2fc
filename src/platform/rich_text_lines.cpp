#include "rich_text_lines.h"

#include <QTextCursor>
#include <QTextDocument>

namespace platform {

int RichTextLines::count() const {
    return document_.blockCount();
}

std::string RichTextLines::line(int i) const {
    QTextBlock block = document_.findBlockByNumber(i);
    if (!block.isValid())
        return {};
    QByteArray bytes = block.text().toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
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
    QTextBlock block = document_.findBlockByNumber(i);
    if (!block.isValid())
        return;
    QTextCharFormat format = FirstCharFormat(block);
    QTextCursor cursor(&document_);
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(WithinOneParagraph(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
                      format);
}

} // namespace platform

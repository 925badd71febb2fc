#pragma once
// The paragraphs of a document as other programs' text exports show them, to compare with theirs.
#include "rtf_test_support.h"

namespace rtf_test {

enum class Peer { LibreOffice, Pandoc };

// The paragraphs of a peer's text export, normalized. LibreOffice writes one line per paragraph
// (a list paragraph starts with its bullet or number); pandoc's plain text has blank lines between
// paragraphs, "-   " before list items and "~~" around struck-out text.
inline QStringList ExportedParagraphs(Peer peer, QByteArray text) {
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QStringList lines = QString::fromUtf8(text).remove(QChar('\r')).split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringList paragraphs;
    for (QString line : lines) {
        if (peer == Peer::Pandoc) {
            if (line.isEmpty())
                continue;
            line.remove(QStringLiteral("~~"));
            if (line.startsWith(QStringLiteral("-   ")))
                line = QString::fromUtf8("• ") + line.mid(4);
        }
        paragraphs << Normalized(line);
    }
    return paragraphs;
}

// Our paragraphs the way the peer's export shows them: a bulleted paragraph with its bullet.
// readByPandoc: as pandoc's RTF reader gives them back.
inline QStringList OurParagraphs(Peer peer, const QTextDocument& doc, bool readByPandoc = false) {
    QStringList paragraphs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString text = (IsBullet(block) ? QString::fromUtf8("• ") : QString()) + block.text();
        if (peer == Peer::LibreOffice) {
            for (const QString& line : text.split(QChar(QChar::LineSeparator)))
                paragraphs << Normalized(line); // its text export ends a line at a line break
            continue;
        }
        // pandoc has no empty paragraphs and ends a line at a line break; its RTF reader reads the
        // two halves of a character beyond U+FFFF (\u55357\u56832) as two unknown characters.
        for (qsizetype i = 0; readByPandoc && i < text.size(); ++i)
            if (text[i].isSurrogate())
                text[i] = QChar(QChar::ReplacementCharacter);
        for (const QString& line : text.split(QChar(QChar::LineSeparator)))
            if (!Normalized(line).isEmpty())
                paragraphs << Normalized(line);
    }
    return paragraphs;
}

} // namespace rtf_test

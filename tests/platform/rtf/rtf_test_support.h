#pragma once
// Helpers of the RTF tests: loading bytes, reading paragraphs and the format at a text.
#include "platform/rtf_document.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace rtf_test {

inline std::unique_ptr<QTextDocument> Load(const QByteArray& bytes) {
    auto doc = std::make_unique<QTextDocument>();
    platform::LoadRtf(bytes, *doc);
    return doc;
}

inline std::unique_ptr<QTextDocument> Load(const std::string& bytes) {
    return Load(QByteArray::fromStdString(bytes));
}

inline QStringList Paragraphs(const QTextDocument& doc) {
    QStringList paragraphs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    return paragraphs;
}

inline QTextBlock Paragraph(const QTextDocument& doc, int index) {
    return doc.findBlockByNumber(index);
}

inline bool IsBullet(const QTextBlock& block) {
    return block.textList() && block.textList()->format().style() == QTextListFormat::ListDisc;
}

// The format of the first character of text in paragraph index; fails the test when the
// paragraph doesn't hold the text.
inline QTextCharFormat FormatAt(const QTextDocument& doc, int index, const QString& text) {
    const QTextBlock block = doc.findBlockByNumber(index);
    const int offset = block.isValid() ? static_cast<int>(block.text().indexOf(text)) : -1;
    EXPECT_GE(offset, 0) << "paragraph " << index << " has no \"" << text.toStdString() << "\"";
    if (offset < 0)
        return {};
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + offset + 1);
    return cursor.charFormat();
}

inline QByteArray ReadFixture(const QString& name) {
    QFile file(QStringLiteral(WF_FIXTURES_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

inline bool IsBold(const QTextCharFormat& f) {
    return f.fontWeight() > QFont::Medium;
}

inline bool HasColour(const QTextCharFormat& f) {
    return f.foreground().style() != Qt::NoBrush;
}

inline Qt::Alignment Align(const QTextBlock& block) {
    const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    return a ? a : Qt::AlignLeft;
}

// A paragraph's text as other programs' text exports can be compared with it: tabs, line
// breaks and no-break spaces as blanks, runs of blanks as one, none at either end.
inline QString Normalized(QString text) {
    text.replace(QChar('\t'), QChar(' ')).replace(QChar(0x2028), QChar(' ')).replace(QChar(0xA0), QChar(' '));
    return text.simplified();
}

// Runs a program to its end; its standard output, or an empty array and a test failure when it
// can't start or doesn't end with 0.
inline QByteArray RunProgram(const QString& program, const QStringList& arguments, int timeoutMs = 180000) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(timeoutMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace rtf_test

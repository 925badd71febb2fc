#include "platform/rtf_document.h"

#include "platform/rtf_reader.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>

namespace platform {

namespace {

bool IsRtf(const QByteArray& bytes) {
    return bytes.startsWith("{\\rtf");
}

// Text that isn't RTF: UTF-8, CR LF, a lone CR or a lone LF ending each paragraph, a break at the
// very end opening no further paragraph.
void LoadPlainText(const QByteArray& bytes, QTextDocument& doc) {
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
    if (text.endsWith(QChar('\n')))
        text.chop(1);
    const QTextCharFormat format = DocumentDefaultCharFormat();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    cursor.setBlockCharFormat(format);
    bool first = true;
    for (QString& line : text.split(QChar('\n'))) {
        if (!first)
            cursor.insertBlock(QTextBlockFormat(), format);
        first = false;
        SanitizeText(line);
        if (!line.isEmpty())
            cursor.insertText(line, format);
    }
    cursor.endEditBlock();
}

} // namespace

void LoadRtf(const QByteArray& bytes, QTextDocument& doc) {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    if (IsRtf(bytes))
        ReadRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), doc);
    else
        LoadPlainText(bytes, doc);
    doc.setUndoRedoEnabled(undo);
}

QTextCharFormat DocumentDefaultCharFormat() {
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QString::fromLatin1(kDocumentFontName)});
    format.setFontStyleHint(QFont::SansSerif);
    format.setFontPointSize(kDocumentFontPoints);
    SetFontCharset(format, kCharsetGb2312);
    return format;
}

void ApplyDocumentDefaults(QTextDocument& doc) {
    QFont font(QString::fromLatin1(kDocumentFontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kDocumentFontPoints);
    doc.setDefaultFont(font);
    const QTextCharFormat format = DocumentDefaultCharFormat();
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextCursor mark(block);
        mark.mergeBlockCharFormat(format);
    }
    cursor.endEditBlock();
}

bool HasFontCharset(const QTextCharFormat& format) {
    return format.hasProperty(kFontCharsetProperty);
}

int FontCharset(const QTextCharFormat& format, int fallback) {
    return HasFontCharset(format) ? format.intProperty(kFontCharsetProperty) : fallback;
}

void SetFontCharset(QTextCharFormat& format, int charset) {
    format.setProperty(kFontCharsetProperty, charset);
}

bool HasFontPitch(const QTextCharFormat& format) {
    return format.hasProperty(kFontPitchProperty);
}

int FontPitch(const QTextCharFormat& format, int fallback) {
    return HasFontPitch(format) ? format.intProperty(kFontPitchProperty) : fallback;
}

void SetFontPitch(QTextCharFormat& format, int pitch) {
    format.setProperty(kFontPitchProperty, pitch);
}

QString FontFace(const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return format.hasProperty(QTextFormat::FontFamily) ? format.stringProperty(QTextFormat::FontFamily)
                                                       : QString();
}

double FontPoints(const QTextCharFormat& format, const QTextDocument& doc) {
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        return format.fontPointSize();
    if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > 0)
        return format.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0;
    const QFont font = doc.defaultFont();
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    if (font.pixelSize() > 0)
        return font.pixelSize() * 72.0 / 96.0;
    return 12.0;
}

} // namespace platform

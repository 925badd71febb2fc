// The RTF writer: a QTextDocument as RTF that LibreOffice, pandoc, Word and our own reader read.
#include "platform/rtf_codepage.h"
#include "platform/rtf_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>

#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

constexpr int kAnsiCodePage = 1252;

struct FontKey {
    QString face;
    int charset = -1; // -1: none kept
    int pitch = -1;
    int styleHint = -1; // QFont::StyleHint with an RTF family word; -1 for \fnil
    bool operator==(const FontKey&) const = default;
};

struct FontKeyHash {
    std::size_t operator()(const FontKey& k) const {
        return qHash(k.face) ^ (static_cast<std::size_t>(k.charset + 1) * 131u) ^
               (static_cast<std::size_t>(k.pitch + 1) * 7919u) ^
               (static_cast<std::size_t>(k.styleHint + 1) << 20);
    }
};

// A character format reduced to what RTF keeps.
struct Style {
    int font = 0;       // index in the font table
    int hundredths = 0; // size in hundredths of a point
    int colour = 0;     // index in the colour table; 0 automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int codePage = kAnsiCodePage; // of the font, for the fallback bytes after \uN
};

const char* FamilyWord(int styleHint) {
    switch (styleHint) {
    case QFont::Serif:
        return "\\froman";
    case QFont::SansSerif:
        return "\\fswiss";
    case QFont::TypeWriter:
    case QFont::Monospace:
        return "\\fmodern";
    case QFont::Cursive:
        return "\\fscript";
    case QFont::Decorative:
        return "\\fdecor";
    default:
        return "\\fnil";
    }
}

int FamilyHint(const QTextCharFormat& format) {
    if (!format.hasProperty(QTextFormat::FontStyleHint))
        return -1;
    switch (format.fontStyleHint()) {
    case QFont::Serif:
    case QFont::SansSerif:
    case QFont::TypeWriter:
    case QFont::Cursive:
    case QFont::Decorative:
        return format.fontStyleHint();
    case QFont::Monospace:
        return QFont::TypeWriter;
    default:
        return -1;
    }
}

class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& doc) : doc_(doc) {}
    QByteArray Write();

private:
    const Style& StyleOf(int formatIndex, const QTextCharFormat& format);
    void WriteHeader(bool lists);
    void WriteParagraph(const QTextBlock& block);
    void WriteStyle(const Style& style, const Style& base, bool full);
    void WriteWord(const char* word);
    void WriteWord(const char* word, int param);
    void WriteText(QStringView text, int codePage);
    void WriteRaw(char c);
    void WriteHex(unsigned char byte);
    void OpenGroup();
    void CloseGroup();

    const QTextDocument& doc_;
    QByteArray out_;
    bool afterWord_ = false; // a word was written last: raw text needs the delimiting space
    int uc_ = 1;             // \uc in force where we write
    std::vector<int> ucStack_;
    CodePages codePages_;
    std::vector<FontKey> fonts_;
    std::unordered_map<FontKey, int, FontKeyHash> fontIndex_;
    std::vector<QColor> colours_; // from index 1
    std::unordered_map<QRgb, int> colourIndex_;
    std::unordered_map<int, Style> styles_; // by the document's format index
};

const Style& RtfWriter::StyleOf(int formatIndex, const QTextCharFormat& format) {
    const auto cached = styles_.find(formatIndex);
    if (cached != styles_.end())
        return cached->second;
    Style style;
    FontKey key;
    key.face = FontFace(format);
    if (key.face.isEmpty())
        key.face = doc_.defaultFont().family();
    key.face.remove(QLatin1Char(';')); // would end the name in the font table
    key.charset = HasFontCharset(format) ? FontCharset(format) : -1;
    key.pitch = HasFontPitch(format) ? FontPitch(format) : -1;
    key.styleHint = FamilyHint(format);
    const auto font = fontIndex_.find(key);
    if (font == fontIndex_.end()) {
        style.font = static_cast<int>(fonts_.size());
        fontIndex_.emplace(key, style.font);
        fonts_.push_back(key);
    } else {
        style.font = font->second;
    }
    style.codePage = CodePageForCharset(key.charset < 0 ? 0 : key.charset, kAnsiCodePage);
    style.hundredths = static_cast<int>(std::lround(FontPoints(format, doc_) * 100.0));
    if (style.hundredths < 1)
        style.hundredths = 1;
    style.bold = format.fontWeight() > QFont::Medium;
    style.italic = format.fontItalic();
    style.underline = format.fontUnderline();
    style.strike = format.fontStrikeOut();
    const QBrush brush = format.foreground();
    if (brush.style() != Qt::NoBrush) {
        const QRgb rgb = brush.color().rgb() & 0xFFFFFF;
        const auto colour = colourIndex_.find(rgb);
        if (colour == colourIndex_.end()) {
            colours_.push_back(brush.color());
            style.colour = static_cast<int>(colours_.size());
            colourIndex_.emplace(rgb, style.colour);
        } else {
            style.colour = colour->second;
        }
    }
    return styles_.emplace(formatIndex, style).first->second;
}

QByteArray RtfWriter::Write() {
    // First the tables: every format of the document, so every font and colour is known.
    bool lists = false;
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next()) {
        StyleOf(block.charFormatIndex(), block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                StyleOf(fragment.charFormatIndex(), fragment.charFormat());
        }
        if (block.textList())
            lists = true;
    }

    out_.reserve(doc_.characterCount() + doc_.blockCount() * 40 + 1024);
    WriteHeader(lists);
    for (QTextBlock block = doc_.begin(); block.isValid(); block = block.next())
        WriteParagraph(block);
    out_.append("}\r\n");
    return out_;
}

void RtfWriter::WriteHeader(bool lists) {
    out_.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl");
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const FontKey& font = fonts_[i];
        OpenGroup();
        WriteWord("\\f", static_cast<int>(i));
        WriteWord(FamilyWord(font.styleHint));
        if (font.charset >= 0)
            WriteWord("\\fcharset", font.charset);
        if (font.pitch >= 0)
            WriteWord("\\fprq", font.pitch);
        WriteText(font.face, CodePageForCharset(font.charset < 0 ? 0 : font.charset, kAnsiCodePage));
        WriteRaw(';');
        CloseGroup();
    }
    out_.append("}\r\n{\\colortbl;");
    for (const QColor& colour : colours_) {
        WriteWord("\\red", colour.red());
        WriteWord("\\green", colour.green());
        WriteWord("\\blue", colour.blue());
        out_.append(';');
        afterWord_ = false;
    }
    out_.append("}\r\n");
    if (lists) {
        // One bullet list for the Word and LibreOffice way of numbering (\ls); every paragraph
        // also carries the old \pn way for older readers.
        out_.append(
            "{\\*\\listtable{\\list\\listtemplateid1\\listhybrid{\\listlevel\\levelnfc23\\levelnfcn23"
            "\\leveljc0\\leveljcn0\\levelfollow0\\levelstartat1\\levelspace0\\levelindent0"
            "{\\leveltext\\leveltemplateid1\\'01\\u8226\\'95;}{\\levelnumbers;}\\fi-360\\li720\\lin720}"
            "\\listid1}}\r\n"
            "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\r\n");
    }
}

void RtfWriter::WriteParagraph(const QTextBlock& block) {
    const QTextBlockFormat blockFormat = block.blockFormat();
    const Style mark = StyleOf(block.charFormatIndex(), block.charFormat());
    const bool bullet = block.textList() != nullptr;
    WriteWord("\\pard");
    WriteWord("\\plain");
    if (bullet) {
        WriteWord("\\ls", 1);
        WriteWord("\\ilvl", 0);
        WriteWord("\\fi", -360);
        WriteWord("\\li", 720);
    }
    const Qt::Alignment align = blockFormat.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignJustify)
        WriteWord("\\qj");
    else if (align & Qt::AlignHCenter)
        WriteWord("\\qc");
    else if (align & (Qt::AlignRight | Qt::AlignTrailing))
        WriteWord("\\qr");
    else
        WriteWord("\\ql");
    const Style plain;
    WriteStyle(mark, plain, true);
    if (bullet) {
        const QChar bulletChar(0x2022);
        OpenGroup();
        WriteWord("\\listtext");
        WriteText(QStringView(&bulletChar, 1), mark.codePage);
        WriteWord("\\tab");
        CloseGroup();
        OpenGroup();
        out_.append("\\*");
        WriteWord("\\pn");
        WriteWord("\\pnlvlblt");
        WriteWord("\\pnindent", 360);
        OpenGroup();
        WriteWord("\\pntxtb");
        WriteText(QStringView(&bulletChar, 1), mark.codePage);
        CloseGroup();
        CloseGroup();
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const Style& style = StyleOf(fragment.charFormatIndex(), fragment.charFormat());
        OpenGroup();
        WriteStyle(style, mark, false);
        WriteText(fragment.text(), style.codePage);
        CloseGroup();
    }
    WriteWord("\\par");
    out_.append("\r\n");
    afterWord_ = false;
}

// The words that take base to style; all of them after \plain when full.
void RtfWriter::WriteStyle(const Style& style, const Style& base, bool full) {
    if (full || style.font != base.font)
        WriteWord("\\f", style.font);
    if (full || style.hundredths != base.hundredths) {
        WriteWord("\\fs", static_cast<int>(std::lround(style.hundredths / 50.0)));
        if (style.hundredths % 50 != 0)
            WriteWord("\\wfsize", style.hundredths);
    }
    if (style.bold != base.bold)
        WriteWord(style.bold ? "\\b" : "\\b0");
    if (style.italic != base.italic)
        WriteWord(style.italic ? "\\i" : "\\i0");
    if (style.underline != base.underline)
        WriteWord(style.underline ? "\\ul" : "\\ulnone");
    if (style.strike != base.strike)
        WriteWord(style.strike ? "\\strike" : "\\strike0");
    if (style.colour != base.colour)
        WriteWord("\\cf", style.colour);
}

void RtfWriter::WriteWord(const char* word) {
    out_.append(word);
    afterWord_ = true;
}

void RtfWriter::WriteWord(const char* word, int param) {
    out_.append(word);
    out_.append(QByteArray::number(param));
    afterWord_ = true;
}

void RtfWriter::WriteRaw(char c) {
    if (afterWord_) {
        out_.append(' ');
        afterWord_ = false;
    }
    out_.append(c);
}

void RtfWriter::WriteHex(unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    out_.append("\\'");
    out_.append(digits[byte >> 4]);
    out_.append(digits[byte & 15]);
    afterWord_ = false;
}

void RtfWriter::OpenGroup() {
    out_.append('{');
    afterWord_ = false;
    ucStack_.push_back(uc_);
}

void RtfWriter::CloseGroup() {
    out_.append('}');
    afterWord_ = false;
    uc_ = ucStack_.back();
    ucStack_.pop_back();
}

// The one escape of text: RTF's specials, tabs and breaks as words, ASCII as itself, anything
// else as \uN followed by its bytes in the font's code page (or "?") for readers without \u.
void RtfWriter::WriteText(QStringView text, int codePage) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x20 && c < 0x7F) {
            if (c == '\\' || c == '{' || c == '}') {
                out_.append('\\');
                out_.append(static_cast<char>(c));
                afterWord_ = false;
            } else {
                WriteRaw(static_cast<char>(c));
            }
            continue;
        }
        switch (c) {
        case '\t':
            WriteWord("\\tab");
            continue;
        case 0x2028: // QChar::LineSeparator
            WriteWord("\\line");
            continue;
        case 0x00A0:
            out_.append("\\~");
            afterWord_ = false;
            continue;
        case 0x00AD:
            out_.append("\\-");
            afterWord_ = false;
            continue;
        case 0x2011:
            out_.append("\\_");
            afterWord_ = false;
            continue;
        case 0x2029:
        case 0xFDD0: // frame markers and object characters of the document's structure
        case 0xFDD1:
        case 0xFFFC:
            continue;
        default:
            break;
        }
        if (c < 0x20)
            continue;
        std::string fallback;
        if (!QChar::isSurrogate(c))
            fallback = codePages_.Encoder(codePage).Encode(text.sliced(i, 1));
        if (fallback.empty())
            fallback.push_back('?');
        if (static_cast<int>(fallback.size()) != uc_) {
            uc_ = static_cast<int>(fallback.size());
            WriteWord("\\uc", uc_);
        }
        WriteWord("\\u", c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c));
        for (const char byte : fallback)
            WriteHex(static_cast<unsigned char>(byte));
    }
}

} // namespace

QByteArray SaveRtf(const QTextDocument& doc) {
    RtfWriter writer(doc);
    return writer.Write();
}

} // namespace platform

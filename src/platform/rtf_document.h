#pragma once
// The files of the rich-text document: RTF bytes loaded into a QTextDocument and a QTextDocument
// saved as RTF, the default font of a new document, and the font properties that RTF keeps but
// QFont has no room for (character set and pitch).
//
// Formats that travel through RTF, both ways:
// - character: face (first of fontFamilies), size, bold, italic, underline, strike-out,
//   foreground colour, character set and pitch (the properties below), and the face's family
//   (\froman, \fswiss... as the font's style hint);
// - paragraph: alignment (Qt::AlignLeft, AlignHCenter, AlignRight, AlignJustify) and bullets
//   (a QTextList of style QTextListFormat::ListDisc; every list is written as bullets).
//
// Sizes are point sizes (QTextFormat::FontPointSize). The default of a new document, 11 pixels,
// is kept as 8.25 points, its size at 96 pixels per inch. RTF holds whole half points (\fsN), so
// a size between them is written as the nearest \fsN for other programs, followed by our own
// \wfsizeN (hundredths of a point), which other readers skip as an unknown word and which gives
// the exact size back to ours. A format with a pixel size instead is written at 96 pixels per inch.
#include <QByteArray>
#include <QTextCharFormat>
#include <QTextFormat>

class QTextDocument;

namespace platform {

// Loads RTF bytes into doc, replacing its content; bytes that are not RTF (that don't start with
// "{\rtf") load as plain text (UTF-8, one paragraph per line, control characters other than the
// tab left out) in the default font of a new document. Bad RTF never fails: what could be read is
// loaded. Undo and redo are off while it loads, so the undo stack is empty afterwards.
void LoadRtf(const QByteArray& bytes, QTextDocument& doc);

// The document as RTF (\rtf1\ansi\ansicpg1252, text outside ASCII as \uN with a fallback in the
// code page of its font).
QByteArray SaveRtf(const QTextDocument& doc);

// Puts the default font of a new document on doc ("MS Sans Serif", 11 pixels, GB2312): as the
// document's default font, and as the character format of its text and paragraph marks, which
// keeps the name and character set for a round trip. On screen the system's sans-serif font
// stands in when "MS Sans Serif" is not installed.
void ApplyDocumentDefaults(QTextDocument& doc);

// The character format of the default font of a new document.
QTextCharFormat DocumentDefaultCharFormat();

inline constexpr const char* kDocumentFontName = "MS Sans Serif";
inline constexpr int kDocumentFontPixels = 11;
inline constexpr double kDocumentFontPoints = kDocumentFontPixels * 72.0 / 96.0;
inline constexpr int kCharsetAnsi = 0;
inline constexpr int kCharsetGb2312 = 134;

// RTF font properties kept in QTextCharFormat as custom properties.
inline constexpr int kFontCharsetProperty = QTextFormat::UserProperty + 0x5201; // \fcharsetN
inline constexpr int kFontPitchProperty = QTextFormat::UserProperty + 0x5202;   // \fprqN

// Character set (RTF \fcharset number: 0 ANSI, 1 default, 2 symbol, 134 GB2312...); fallback
// when the format has none.
int FontCharset(const QTextCharFormat& format, int fallback = kCharsetAnsi);
bool HasFontCharset(const QTextCharFormat& format);
void SetFontCharset(QTextCharFormat& format, int charset);

// Pitch (RTF \fprq: 0 default, 1 fixed, 2 variable); fallback when the format has none.
int FontPitch(const QTextCharFormat& format, int fallback = 0);
bool HasFontPitch(const QTextCharFormat& format);
void SetFontPitch(QTextCharFormat& format, int pitch);

// The face of a format (first of its font families, or its font family), empty when it has none.
QString FontFace(const QTextCharFormat& format);

// The size of a format in points: its point size, else its pixel size at 96 pixels per inch,
// else the size of the document's default font.
double FontPoints(const QTextCharFormat& format, const QTextDocument& doc);

} // namespace platform

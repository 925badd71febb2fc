// The writer: round trips of every format the editor can set, the default font of a new
// document, and the RTF words other readers rely on.
#include "rtf_sample_document.h"
#include "rtf_test_support.h"

#include <QColor>
#include <QFont>
#include <QTextList>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace rtf_test;

TEST(RtfRoundTrip, EveryFormatComesBack) {
    const auto doc = EveryFormatDocument();
    const QByteArray saved = platform::SaveRtf(*doc);
    const auto reloaded = Load(saved);
    EXPECT_EQ(Dump(*reloaded), Dump(*doc)) << saved.toStdString();
    // Saving what was read writes the same bytes again.
    EXPECT_EQ(platform::SaveRtf(*reloaded), saved);
}

TEST(RtfRoundTrip, BulletParagraphsKeepTheirLists) {
    const auto reloaded = Load(platform::SaveRtf(*EveryFormatDocument()));
    const QTextList* first = Paragraph(*reloaded, 4).textList();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Paragraph(*reloaded, 5).textList(), first);
    ASSERT_NE(Paragraph(*reloaded, 7).textList(), nullptr);
    EXPECT_NE(Paragraph(*reloaded, 7).textList(), first);
    EXPECT_EQ(first->format().style(), QTextListFormat::ListDisc);
}

TEST(RtfDocumentDefaults, NewDocumentTypesInTheDefaultFontAndKeepsItThroughRtf) {
    QTextDocument doc;
    platform::ApplyDocumentDefaults(doc);
    EXPECT_EQ(doc.defaultFont().family(), QStringLiteral("MS Sans Serif"));
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("typed")); // takes the paragraph's format, as typing does
    const auto check = [](const QTextDocument& d) {
        const QTextCharFormat f = FormatAt(d, 0, QStringLiteral("typed"));
        EXPECT_EQ(platform::FontFace(f), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(platform::FontCharset(f, -1), platform::kCharsetGb2312);
        EXPECT_DOUBLE_EQ(f.fontPointSize(), 8.25);                   // 11 pixels at 96 per inch
        EXPECT_DOUBLE_EQ(f.font().pointSizeF() * 96.0 / 72.0, 11.0); // what the screen shows
        EXPECT_EQ(Paragraphs(d), QStringList{QStringLiteral("typed")});
    };
    check(doc);
    check(*Load(platform::SaveRtf(doc)));
}

TEST(RtfWriter, WritesTheWordsOtherReadersNeed) {
    QTextDocument doc;
    platform::ApplyDocumentDefaults(doc);
    QTextCursor cursor(&doc);
    cursor.insertText(QString::fromUtf8("中 é {x}\\"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Arial é"), Face("Arial", 12, 0, 2, QFont::SansSerif));
    cursor.createList(QTextListFormat::ListDisc);
    const std::string rtf = platform::SaveRtf(doc).toStdString();
    const std::vector<std::string> expected = {
        R"({\rtf1\ansi\ansicpg1252\deff0)",
        R"({\f0\fswiss\fcharset134 MS Sans Serif;})", // the default font keeps its character set
        R"({\f1\fswiss\fcharset0\fprq2 Arial;})",     // and any font its pitch
        R"(\fs17\wfsize825)",                         // 8.25 points: nearest half point, then exact
        R"(\uc2\u20013\'d6\'d0)",                     // CJK with its GBK bytes for older readers
        R"(\u233\'a8\'a6)",                           // é in GBK is two bytes as well
        R"({\f1\fs24 Arial \u233\'e9})",              // and one in Windows-1252
        R"(\{x\}\\)",                                 // escapes
        R"(\ls1\ilvl0)",                              // bullets the Word way
        R"({\listtext)",                              // with their text for readers without lists
        R"({\*\pn\pnlvlblt)",                         // and the old way
    };
    for (const std::string& word : expected)
        EXPECT_NE(rtf.find(word), std::string::npos) << word << " missing in\n" << rtf;
}

TEST(RtfWriter, PixelSizesAreWrittenAtNinetySixPerInch) {
    QTextDocument doc;
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setProperty(QTextFormat::FontPixelSize, 16);
    QTextCursor(&doc).insertText(QStringLiteral("x"), f);
    const auto reloaded = Load(platform::SaveRtf(doc));
    EXPECT_DOUBLE_EQ(FormatAt(*reloaded, 0, QStringLiteral("x")).fontPointSize(), 12.0);
}

} // namespace

// RTF of real peers: files that LibreOffice and pandoc wrote load with the paragraphs of those
// programs' own text exports and with the formats they set; RTF we write reads in pandoc.
#include "rtf_peer_text.h"
#include "rtf_sample_document.h"
#include "rtf_test_support.h"

#include <QStandardPaths>

#include <string>

namespace {

using namespace rtf_test;

struct PeerFixture {
    const char* name;
    const char* rtf;
    const char* text; // the peer's own text export
    Peer peer;
};

const PeerFixture kFixtures[] = {
    {"LibreOfficeFormats", "lo_formats.rtf", "lo_formats.txt", Peer::LibreOffice},
    {"LibreOfficeTableAndNumbers", "lo_table.rtf", "lo_table.txt", Peer::LibreOffice},
    {"PandocFormats", "pandoc_formats.rtf", "pandoc_formats.txt", Peer::Pandoc},
};

void PrintTo(const PeerFixture& c, std::ostream* os) {
    *os << c.name;
}

class RtfPeerFixture : public testing::TestWithParam<PeerFixture> {};

TEST_P(RtfPeerFixture, LoadsThePeersParagraphs) {
    const PeerFixture& f = GetParam();
    const auto doc = Load(ReadFixture(QString::fromLatin1(f.rtf)));
    EXPECT_EQ(OurParagraphs(f.peer, *doc),
              ExportedParagraphs(f.peer, ReadFixture(QString::fromLatin1(f.text))));
}

INSTANTIATE_TEST_SUITE_P(Rtf, RtfPeerFixture, testing::ValuesIn(kFixtures),
                         [](const testing::TestParamInfo<PeerFixture>& info) {
                             return std::string(info.param.name);
                         });

TEST(RtfPeers, LibreOfficeFormatsAreRead) {
    const auto doc = Load(ReadFixture(QStringLiteral("lo_formats.rtf")));
    const QString serif = QStringLiteral("Liberation Serif");
    QTextCharFormat f = FormatAt(*doc, 0, QStringLiteral("Plain"));
    EXPECT_EQ(platform::FontFace(f), serif);
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 12.0);
    EXPECT_FALSE(IsBold(f) || f.fontItalic() || f.fontUnderline() || f.fontStrikeOut() || HasColour(f));
    EXPECT_TRUE(IsBold(FormatAt(*doc, 0, QStringLiteral("bold words"))));
    EXPECT_TRUE(FormatAt(*doc, 0, QStringLiteral("italic words")).fontItalic());
    EXPECT_TRUE(FormatAt(*doc, 0, QStringLiteral("underlined")).fontUnderline());
    EXPECT_TRUE(FormatAt(*doc, 0, QStringLiteral("struck out")).fontStrikeOut());
    f = FormatAt(*doc, 1, QStringLiteral("Red"));
    EXPECT_EQ(platform::FontFace(f), QStringLiteral("Liberation Sans"));
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 10.0);
    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatAt(*doc, 1, QStringLiteral("blue")).foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(HasColour(FormatAt(*doc, 1, QStringLiteral("in a second"))));
    EXPECT_DOUBLE_EQ(FormatAt(*doc, 2, QStringLiteral("Large")).fontPointSize(), 18.0);
    EXPECT_EQ(Align(Paragraph(*doc, 0)), Qt::AlignLeft);
    EXPECT_EQ(Align(Paragraph(*doc, 3)), Qt::AlignHCenter);
    EXPECT_EQ(Align(Paragraph(*doc, 4)), Qt::AlignRight);
    EXPECT_TRUE(IsBullet(Paragraph(*doc, 5)));
    EXPECT_EQ(Paragraph(*doc, 6).textList(), Paragraph(*doc, 5).textList());
    EXPECT_FALSE(IsBullet(Paragraph(*doc, 7)));
    EXPECT_EQ(Paragraph(*doc, 7).text(),
              QString::fromUtf8("Accents: café, naïve, Zürich, façade; 中文文本 and 日本語."));
}

TEST(RtfPeers, LibreOfficeTableCellsAndNumbersAreText) {
    const auto doc = Load(ReadFixture(QStringLiteral("lo_table.rtf")));
    EXPECT_TRUE(IsBold(FormatAt(*doc, 4, QStringLiteral("Cell four"))));
    EXPECT_FALSE(IsBold(FormatAt(*doc, 3, QStringLiteral("Cell three"))));
    EXPECT_FALSE(IsBullet(Paragraph(*doc, 5))); // a numbered list keeps its numbers as text
    EXPECT_TRUE(Paragraph(*doc, 5).text().contains(QStringLiteral("1.\tFirst step")));
}

TEST(RtfPeers, PandocFormatsAreRead) {
    const auto doc = Load(ReadFixture(QStringLiteral("pandoc_formats.rtf")));
    EXPECT_TRUE(IsBold(FormatAt(*doc, 0, QStringLiteral("bold words"))));
    EXPECT_TRUE(FormatAt(*doc, 0, QStringLiteral("italic words")).fontItalic());
    EXPECT_TRUE(FormatAt(*doc, 0, QStringLiteral("struck out")).fontStrikeOut());
    EXPECT_FALSE(FormatAt(*doc, 0, QStringLiteral("Plain")).fontStrikeOut());
    EXPECT_EQ(platform::FontFace(FormatAt(*doc, 1, QStringLiteral("code"))), QStringLiteral("Courier"));
    EXPECT_EQ(platform::FontFace(FormatAt(*doc, 1, QStringLiteral("second"))), QStringLiteral("Helvetica"));
    EXPECT_TRUE(Paragraph(*doc, 1).text().contains(QString::fromUtf8("中文 and emoji 😀.")));
    EXPECT_TRUE(IsBold(FormatAt(*doc, 3, QStringLiteral("bold"))));
}

// pandoc, which scripts/setup installs, reads what we write with our text, styles and bullets.
TEST(RtfPeers, PandocReadsWhatWeWrite) {
    const QString pandoc = QStandardPaths::findExecutable(QStringLiteral("pandoc"));
    ASSERT_FALSE(pandoc.isEmpty()) << "pandoc is installed by scripts/setup";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& doc : {EveryFormatDocument(), Load(ReadFixture(QStringLiteral("lo_formats.rtf")))}) {
        const QString path = dir.filePath(QStringLiteral("ours.rtf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(platform::SaveRtf(*doc));
        file.close();
        const QByteArray text =
            RunProgram(pandoc, {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"),
                                QStringLiteral("plain"), QStringLiteral("--wrap=none"), path});
        EXPECT_EQ(ExportedParagraphs(Peer::Pandoc, text), OurParagraphs(Peer::Pandoc, *doc, true));
        const QByteArray native = RunProgram(pandoc, {QStringLiteral("-f"), QStringLiteral("rtf"),
                                                      QStringLiteral("-t"), QStringLiteral("native"), path});
        for (const char* element : {"Strong", "Emph", "Underline", "Strikeout", "BulletList"})
            EXPECT_TRUE(native.contains(element)) << element << " missing in\n" << native.toStdString();
    }
}

} // namespace

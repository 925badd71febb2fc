// Input that is broken, hostile or not RTF at all: it loads what can be read and never crashes,
// hangs or grows without bound.
#include "rtf_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

#include <functional>
#include <string>

namespace {

using namespace rtf_test;

std::string Repeat(const std::string& s, int n) {
    std::string out;
    out.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

struct BadInput {
    const char* name;
    std::function<std::string()> bytes;
    QStringList paragraphs;
};

const BadInput kBadInputs[] = {
    {"NestingPastTheBoundIsFlattened",
     [] { return "{\\rtf1 a" + Repeat("{", 100000) + "b" + Repeat("}", 100000) + "c}"; },
     {QStringLiteral("abc")}},
    {"FormatsOfFlattenedGroupsStillApply",
     [] { return "{\\rtf1 " + Repeat("{\\b ", 20000) + "x" + Repeat("}", 20000) + "\\par}"; },
     {QStringLiteral("x")}},
    {"MillionUnclosedGroups", [] { return "{\\rtf1 " + Repeat("{", 1000000) + "x"; }, {QStringLiteral("x")}},
    {"DeepSkippedDestinations",
     [] { return "{\\rtf1 a" + Repeat("{\\*\\foo ", 50000) + "b"; },
     {QStringLiteral("a")}},
    {"BinLongerThanTheInput",
     [] { return std::string("{\\rtf1 a\\bin2000000000 xyz"); },
     {QStringLiteral("a")}},
    {"BinNegative", [] { return std::string("{\\rtf1 a\\bin-5 b}"); }, {QStringLiteral("ab")}},
    {"TruncatedAfterText",
     [] { return std::string("{\\rtf1 one\\par two"); },
     {QStringLiteral("one"), QStringLiteral("two")}},
    {"TruncatedInHex", [] { return std::string("{\\rtf1 a\\'"); }, {QStringLiteral("a")}},
    {"TruncatedAfterOneHexDigit", [] { return std::string("{\\rtf1 a\\'4"); }, {QStringLiteral("a")}},
    {"TruncatedAfterBackslash", [] { return std::string("{\\rtf1 a\\"); }, {QStringLiteral("a")}},
    {"TruncatedInMultiByteCharacter",
     [] { return std::string("{\\rtf1\\ansicpg936 a\\'d6"); },
     {QString::fromUtf8("a\uFFFD")}},
    {"TruncatedInFontTable", [] { return std::string("{\\rtf1{\\fonttbl{\\f0 Ari"); }, {QString()}},
    {"HugeUnicodeSkip",
     [] { return std::string("{\\rtf1\\uc2000000000\\u233 abc\\par def}"); },
     {QString::fromUtf8("é")}},
    {"HugeAndNegativeParameters",
     [] {
         return std::string(
             "{\\rtf1\\fs99999999999999999999 a\\f-2147483648 b\\cf99999999 c\\ls-5 d\\u99999999 e}");
     },
     {QStringLiteral("abcd")}},
    {"ControlBytesDropped",
     [] {
         return std::string("{\\rtf1 a\0b\x01"
                            "c\\u13?d\\u8233?e}",
                            27);
     },
     {QStringLiteral("abcde")}},
    {"StrayClosingBraces", [] { return std::string("{\\rtf1 a}}}}"); }, {QStringLiteral("a")}},
    {"OnlyTheSignature", [] { return std::string("{\\rtf"); }, {QString()}},
    {"NotRtfIsPlainText",
     [] { return std::string("plain text\r\nsecond {\\b line}\n"); },
     {QStringLiteral("plain text"), QStringLiteral("second {\\b line}")}},
    {"NotRtfLoneCarriageReturn",
     [] { return std::string("a\rb"); },
     {QStringLiteral("a"), QStringLiteral("b")}},
    {"NotRtfControlBytesDropped",
     [] {
         return std::string("a\0b\x08"
                            "c\x0c\td",
                            8);
     },
     {QStringLiteral("abc\td")}},
    {"NotRtfInvalidUtf8",
     [] {
         return std::string("\xff\xfe"
                            "ab");
     },
     {QString::fromUtf8("\uFFFD\uFFFDab")}},
    {"AlmostRtfIsPlainText", [] { return std::string("{\\rt"); }, {QStringLiteral("{\\rt")}},
    {"Empty", [] { return std::string(); }, {QString()}},
};

void PrintTo(const BadInput& c, std::ostream* os) {
    *os << c.name;
}

class RtfBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(RtfBadInput, LoadsWhatCanBeRead) {
    const auto doc = Load(GetParam().bytes());
    EXPECT_EQ(Paragraphs(*doc), GetParam().paragraphs);
}

INSTANTIATE_TEST_SUITE_P(Rtf, RtfBadInput, testing::ValuesIn(kBadInputs),
                         [](const testing::TestParamInfo<BadInput>& info) {
                             return std::string(info.param.name);
                         });

TEST(RtfPlainText, LoadsInTheDefaultFontOfANewDocument) {
    const auto doc = Load(std::string("not rtf"));
    const QTextCharFormat f = FormatAt(*doc, 0, QStringLiteral("not"));
    EXPECT_EQ(platform::FontFace(f), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(platform::FontCharset(f, -1), platform::kCharsetGb2312);
}

TEST(RtfLoad, ReplacesTheContentAndLeavesNothingToUndo) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("old text"));
    ASSERT_TRUE(doc.isUndoAvailable());
    platform::LoadRtf("{\\rtf1 new\\par}", doc);
    EXPECT_EQ(Paragraphs(doc), QStringList{QStringLiteral("new")});
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
}

// Every file of the crash corpus (inputs that once broke a reader), the peers' files and the
// sample templates loads, and what we write of it reads back with the same paragraphs.
TEST(RtfCorpus, EveryFileLoadsAndSurvivesARoundTrip) {
    QStringList files;
    for (const QString& dir : {QStringLiteral(WF_FIXTURES_DIR "/crashes"), QStringLiteral(WF_FIXTURES_DIR),
                               QStringLiteral(WF_SOURCE_DIR "/data/templates")})
        for (const QFileInfo& info : QDir(dir).entryInfoList({QStringLiteral("*.rtf")}, QDir::Files))
            files << info.filePath();
    ASSERT_GE(files.size(), 4);
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto doc = Load(file.readAll());
        const auto again = Load(platform::SaveRtf(*doc));
        EXPECT_EQ(Paragraphs(*again), Paragraphs(*doc));
    }
}

} // namespace

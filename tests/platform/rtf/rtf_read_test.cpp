// Small RTF samples, one feature each, and the paragraphs and formats they must give.
#include "platform/rtf_control_words.h"
#include "platform/rtf_tokenizer.h"
#include "rtf_test_support.h"

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace rtf_test;

struct Para {
    const char* text; // UTF-8
    bool bullet = false;
    Qt::Alignment align = Qt::AlignLeft;
};

// The format at the first character of `at` in paragraph `para`; unset fields aren't checked.
struct Probe {
    int para;
    const char* at;
    std::optional<bool> bold = std::nullopt;
    std::optional<bool> italic = std::nullopt;
    std::optional<bool> underline = std::nullopt;
    std::optional<bool> strike = std::nullopt;
    std::optional<double> points = std::nullopt;
    const char* face = nullptr;
    std::optional<QRgb> colour = std::nullopt; // 0: the automatic colour (no foreground)
    std::optional<int> charset = std::nullopt;
    std::optional<int> pitch = std::nullopt;
};

struct Snippet {
    const char* name;
    std::string rtf;
    std::vector<Para> paragraphs;
    std::vector<Probe> probes = {};
};

const char* const kGbkFonts = R"({\fonttbl{\f0\fnil\fcharset0 Arial;}{\f1\fnil\fcharset134 SimSun;}})";

// clang-format off
const Snippet kSnippets[] = {
    // Paragraphs and breaks.
    {"TextWithoutPar", R"({\rtf1 Hello})", {{"Hello"}}},
    {"EveryParEndsOneParagraph", R"({\rtf1 one\par two\par})", {{"one"}, {"two"}}},
    {"EmptyParagraphsKept", R"({\rtf1 a\par\par b\par})", {{"a"}, {""}, {"b"}}},
    {"EmptyDocument", R"({\rtf1})", {{""}}},
    {"LineAndTab", R"({\rtf1 a\line b\tab c})", {{"a\u2028b\tc"}}},
    {"BackslashLineEndIsPar", "{\\rtf1 a\\\nb}", {{"a"}, {"b"}}},
    {"LineEndsInTextIgnored", "{\\rtf1 a\r\nb\nc}", {{"abc"}}},
    {"TextAfterDocumentIgnored", R"({\rtf1 a}b)", {{"a"}}},
    // Escaped symbols and special characters.
    {"EscapedSymbols", R"({\rtf1 \{x\}\\ a\~b c\-d e\_f})", {{"{x}\\ a\u00a0b c\u00add e\u2011f"}}},
    {"SpecialCharacterWords", R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet})",
     {{"\u2014\u2013\u2018\u2019\u201c\u201d\u2022"}}},
    {"UnknownWordsIgnored", R"({\rtf1 \foo12 a\bar-3 b\zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz c})", {{"abc"}}},
    // Unicode.
    {"UnicodeSkipsHexFallback", R"({\rtf1\ansi caf\u233\'e9!})", {{"café!"}}},
    {"UnicodeSkipsTextFallback", R"({\rtf1 caf\u233?s})", {{"cafés"}}},
    {"Uc0SkipsNothing", R"({\rtf1\uc0\u20013\u25991 x})", {{"中文x"}}},
    {"Uc2SkipsTwoBytes", R"({\rtf1\uc2\u20013\'d6\'d0x})", {{"中x"}}},
    {"UcEndsWithItsGroup", R"({\rtf1{\uc2\u20013\'d6\'d0}\u233\'e9x})", {{"中éx"}}},
    {"NegativeUnicode", R"({\rtf1\u-28440?\u-3913?})", {{"部\uf0b7"}}},
    {"SurrogatePairs", R"({\rtf1\u55357?\u56832? \u-10179?\u-8704?})", {{"😀 😀"}}},
    {"GroupEndStopsSkipping", R"({\rtf1\uc3{\u233}xyz})", {{"éxyz"}}},
    // Code pages.
    {"HexInCp1252", R"({\rtf1\ansi\ansicpg1252 \'e9\'80\'9c})", {{"é€œ"}}},
    {"HexInGbkOfFontCharset", std::string(R"({\rtf1\ansi\ansicpg1252)") + kGbkFonts +
                                  R"(\f1 \'d6\'d0\'ce\'c4\f0 \'e9})", {{"中文é"}},
     {{.para = 0, .at = "中", .face = "SimSun", .charset = 134}}},
    {"HexInGbkOfAnsiCodePage", R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})", {{"中文"}}},
    {"GbkTrailByteAsText", std::string(R"({\rtf1)") + kGbkFonts + R"(\f1 \'81@x})", {{"丂x"}}},
    {"GbkFontName", R"({\rtf1{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}\f0 x})", {{"x"}},
     {{.para = 0, .at = "x", .face = "宋体"}}},
    {"ShiftJis", R"({\rtf1{\fonttbl{\f0\fnil\fcharset128 MS Mincho;}}\f0 \'82\'a0})", {{"あ"}}},
    {"MacRoman", R"({\rtf1\mac \'8e})", {{"é"}}},
    // Character formats and groups.
    {"NestedGroupsRestoreFormats", R"({\rtf1 a{\b b{\i c}d}e})", {{"abcde"}},
     {{.para = 0, .at = "a", .bold = false, .italic = false},
      {.para = 0, .at = "b", .bold = true, .italic = false},
      {.para = 0, .at = "c", .bold = true, .italic = true},
      {.para = 0, .at = "d", .bold = true, .italic = false},
      {.para = 0, .at = "e", .bold = false, .italic = false}}},
    {"TogglesAndPlain", R"({\rtf1\b\i\ul\strike a\b0 b\i0 c\ulnone d\strike0 e\b\i\ul f\plain g\ul0 h})",
     {{"abcdefgh"}},
     {{.para = 0, .at = "a", .bold = true, .italic = true, .underline = true, .strike = true},
      {.para = 0, .at = "b", .bold = false, .italic = true},
      {.para = 0, .at = "c", .italic = false, .underline = true},
      {.para = 0, .at = "d", .underline = false, .strike = true},
      {.para = 0, .at = "e", .strike = false},
      {.para = 0, .at = "f", .bold = true, .italic = true, .underline = true},
      {.para = 0, .at = "g", .bold = false, .italic = false, .underline = false}}},
    {"UnderlineKinds", R"({\rtf1\uldb a\ulnone b\ulwave c\ul0 d})", {{"abcd"}},
     {{.para = 0, .at = "a", .underline = true}, {.para = 0, .at = "b", .underline = false},
      {.para = 0, .at = "c", .underline = true}, {.para = 0, .at = "d", .underline = false}}},
    {"Sizes", R"({\rtf1 a\fs17 b\fs48 c\fs24\wfsize825 d\fs20 e\fs0 f})", {{"abcdef"}},
     {{.para = 0, .at = "a", .points = 12.0}, {.para = 0, .at = "b", .points = 8.5},
      {.para = 0, .at = "c", .points = 24.0}, {.para = 0, .at = "d", .points = 8.25},
      {.para = 0, .at = "e", .points = 10.0}, {.para = 0, .at = "f", .points = 10.0}}},
    {"FontTable",
     R"({\rtf1\deff1{\fonttbl{\f0\froman\fcharset0\fprq2 Times New Roman;}{\f1\fswiss\fprq2\fcharset134 MS Sans Serif;}{\f2\fmodern\fprq1 Courier New{\*\falt Courier};}}a\f0 b\f2 c\f9 d\plain e})",
     {{"abcde"}},
     {{.para = 0, .at = "a", .face = "MS Sans Serif", .charset = 134, .pitch = 2},
      {.para = 0, .at = "b", .face = "Times New Roman", .charset = 0, .pitch = 2},
      {.para = 0, .at = "c", .face = "Courier New", .pitch = 1},
      {.para = 0, .at = "d", .face = "MS Sans Serif"},
      {.para = 0, .at = "e", .face = "MS Sans Serif"}}},
    {"FontTableWithoutGroups", R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;}\f1 a\f0 b})",
     {{"ab"}}, {{.para = 0, .at = "a", .face = "Courier"}, {.para = 0, .at = "b", .face = "Helvetica"}}},
    {"ColourTable", R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue255;}\cf1 a\cf2 b\cf0 c\cf7 d})",
     {{"abcd"}},
     {{.para = 0, .at = "a", .colour = qRgb(255, 0, 0)}, {.para = 0, .at = "b", .colour = qRgb(0, 128, 255)},
      {.para = 0, .at = "c", .colour = 0}, {.para = 0, .at = "d", .colour = 0}}},
    {"CjkTextInItsAssociatedFont",
     std::string(R"({\rtf1)") + kGbkFonts + R"(\f0\fs20 a{\dbch\af1\afs28\loch \u20013\'3fb}c\loch\af0\hich\af0\dbch\af1 d\u25991?})",
     {{"a中bcd文"}},
     {{.para = 0, .at = "a", .points = 10.0, .face = "Arial"},
      {.para = 0, .at = "中", .points = 14.0, .face = "SimSun"},
      {.para = 0, .at = "b", .points = 10.0, .face = "Arial"},
      {.para = 0, .at = "d", .face = "Arial"},
      {.para = 0, .at = "文", .points = 10.0, .face = "SimSun"}}},
    // Paragraph formats.
    {"Alignment", R"({\rtf1\qc a\par\pard\qr b\par\pard\qj c\par\pard d\par\ql e\par})",
     {{"a", false, Qt::AlignHCenter}, {"b", false, Qt::AlignRight}, {"c", false, Qt::AlignJustify}, {"d"}, {"e"}}},
    {"ParagraphFormatLastsUntilPard", R"({\rtf1\qc a\par b\par\pard c\par})",
     {{"a", false, Qt::AlignHCenter}, {"b", false, Qt::AlignHCenter}, {"c"}}},
    {"BulletsTheOldWay",
     R"({\rtf1{\fonttbl{\f0\fnil Arial;}{\f1\fnil\fcharset2 Symbol;}}{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-200\li200 One\par{\pntext\f1\'B7\tab}Two\par\pard After\par})",
     {{"One", true}, {"Two", true}, {"After"}}},
    {"BulletsTheWordWay",
     R"({\rtf1{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23{\leveltext\'01\u8226 ?;}{\levelnumbers;}}\listid7}}{\*\listoverridetable{\listoverride\listid7\listoverridecount0\ls1}}{\listtext\pard\plain \u8226\'95\tab}\pard\ls1\ilvl0 One\par{\listtext\pard\plain \u8226\'95\tab}\pard\ls1\ilvl0 Two\par\pard After\par})",
     {{"One", true}, {"Two", true}, {"After"}}},
    {"NumbersStayAsText",
     R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc0{\leveltext\'02\'00.;}}\listid3}}{\listoverridetable{\listoverride\listid3\ls2}}{\listtext 1.\tab}\pard\ls2 One\par{\pntext 2.\tab}{\*\pn\pnlvlbody\pndec{\pntxta .}}\pard Two\par})",
     {{"1.\tOne"}, {"2.\tTwo"}}},
    {"TwoListsAreTwoLists", R"({\rtf1{\pntext *\tab}{\*\pn\pnlvlblt}A\par\pard B\par{\*\pn\pnlvlblt}C\par})",
     {{"A", true}, {"B"}, {"C", true}}},
    // Destinations.
    {"IgnorableDestinationsSkipped", R"({\rtf1 a{\*\unknown x{y}}b{\*\generator Writer;}c})", {{"abc"}}},
    {"UnknownDestinationWithoutStarShown", R"({\rtf1 a{\mydest b}c})", {{"abc"}}},
    {"FieldShowsResult", R"({\rtf1 see {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt here}} now})",
     {{"see here now"}}},
    {"SkippedParts",
     R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\header head\par}{\footer foot\par}a{\footnote\ftnalt note}b{\*\bkmkstart m}c})",
     {{"abc"}}},
    {"PictureSkipped", R"({\rtf1 a{\pict\pngblip\picw10 89504e470d0a1a0a}b})", {{"ab"}}},
    {"BinarySkippedByLength", R"({\rtf1 a{\pict\bin3 }}}}b\bin2 {}c})", {{"abc"}}},
    {"ObjectSkipped", R"({\rtf1 a{\object\objemb{\*\objdata 0102}{\result{\pict 00}}}b})", {{"ab"}}},
    {"TableCellsAsParagraphs",
     R"({\rtf1 Before\par\trowd\cellx1000\cellx2000\pard\intbl A\cell B\cell\row\pard After\par})",
     {{"Before"}, {"A"}, {"B"}, {"After"}}},
};
// clang-format on

void PrintTo(const Snippet& c, std::ostream* os) {
    *os << c.name;
}

class RtfSnippet : public testing::TestWithParam<Snippet> {};

TEST_P(RtfSnippet, GivesItsParagraphsAndFormats) {
    const Snippet& s = GetParam();
    const auto doc = Load(s.rtf);
    QStringList expected;
    for (const Para& p : s.paragraphs)
        expected << QString::fromUtf8(p.text);
    ASSERT_EQ(Paragraphs(*doc), expected);
    for (int i = 0; i < static_cast<int>(s.paragraphs.size()); ++i) {
        const QTextBlock block = Paragraph(*doc, i);
        EXPECT_EQ(IsBullet(block), s.paragraphs[i].bullet) << "paragraph " << i;
        EXPECT_EQ(Align(block), s.paragraphs[i].align) << "paragraph " << i;
    }
    for (const Probe& p : s.probes) {
        SCOPED_TRACE(testing::Message() << "at \"" << p.at << "\" in paragraph " << p.para);
        const QTextCharFormat f = FormatAt(*doc, p.para, QString::fromUtf8(p.at));
        if (p.bold) {
            EXPECT_EQ(IsBold(f), *p.bold);
        }
        if (p.italic) {
            EXPECT_EQ(f.fontItalic(), *p.italic);
        }
        if (p.underline) {
            EXPECT_EQ(f.fontUnderline(), *p.underline);
        }
        if (p.strike) {
            EXPECT_EQ(f.fontStrikeOut(), *p.strike);
        }
        if (p.points) {
            EXPECT_DOUBLE_EQ(f.fontPointSize(), *p.points);
        }
        if (p.face) {
            EXPECT_EQ(platform::FontFace(f), QString::fromUtf8(p.face));
        }
        if (p.colour) {
            EXPECT_EQ(HasColour(f), *p.colour != 0);
            if (*p.colour != 0) {
                EXPECT_EQ(f.foreground().color().rgb(), *p.colour | 0xFF000000u);
            }
        }
        if (p.charset) {
            EXPECT_EQ(platform::FontCharset(f, -1), *p.charset);
        }
        if (p.pitch) {
            EXPECT_EQ(platform::FontPitch(f, -1), *p.pitch);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rtf, RtfSnippet, testing::ValuesIn(kSnippets),
                         [](const testing::TestParamInfo<Snippet>& info) {
                             return std::string(info.param.name);
                         });

// The tokenizer's own rules, which the samples above rely on.
TEST(RtfTokenizer, SplitsWordsParametersAndDelimiters) {
    platform::RtfTokenizer tokens(R"(\fs-24 x\b\'e9\u{a\ab)"
                                  "cdefghijklmnopqrstuvwxyzabcdefghijklmn99999999999 }");
    platform::RtfToken t = tokens.Next();
    EXPECT_EQ(t.type, platform::RtfTokenType::Word);
    EXPECT_EQ(t.text, "fs");
    EXPECT_TRUE(t.hasParam);
    EXPECT_EQ(t.param, -24);
    t = tokens.Next(); // the one space after the word was its delimiter
    EXPECT_EQ(t.type, platform::RtfTokenType::Text);
    EXPECT_EQ(t.text, "x");
    t = tokens.Next();
    EXPECT_EQ(t.text, "b");
    EXPECT_FALSE(t.hasParam);
    t = tokens.Next();
    EXPECT_EQ(t.type, platform::RtfTokenType::Hex);
    EXPECT_EQ(t.value, 0xE9);
    t = tokens.Next();
    EXPECT_EQ(t.text, "u");
    EXPECT_FALSE(t.hasParam);
    EXPECT_EQ(tokens.Next().type, platform::RtfTokenType::GroupStart);
    EXPECT_EQ(tokens.Next().text, "a");
    t = tokens.Next();
    EXPECT_EQ(t.text.size(), platform::kRtfMaxWordLetters); // 40 letters, cut at 32
    EXPECT_EQ(t.param, INT_MAX);                            // clamped
    EXPECT_EQ(tokens.Next().type, platform::RtfTokenType::GroupEnd);
    EXPECT_EQ(tokens.Next().type, platform::RtfTokenType::End);
}

TEST(RtfControlWords, TableKnowsKindsAndNotOthers) {
    ASSERT_NE(platform::LookupRtfWord("b"), nullptr);
    EXPECT_EQ(platform::LookupRtfWord("b")->kind, platform::RtfWordKind::Toggle);
    EXPECT_EQ(platform::LookupRtfWord("fonttbl")->kind, platform::RtfWordKind::Destination);
    EXPECT_EQ(platform::LookupRtfWord("par")->kind, platform::RtfWordKind::Symbol);
    EXPECT_EQ(platform::LookupRtfWord("fs")->kind, platform::RtfWordKind::Value);
    EXPECT_EQ(platform::LookupRtfWord("pard")->kind, platform::RtfWordKind::Flag);
    EXPECT_EQ(platform::LookupRtfWord("stylesheet")->word, platform::RtfWord::Skipped);
    EXPECT_EQ(platform::LookupRtfWord("bogus"), nullptr);
    EXPECT_EQ(platform::LookupRtfWord(""), nullptr);
}

} // namespace

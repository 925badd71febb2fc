#include "platform/text_lines.h"

#include <gtest/gtest.h>

using platform::Lines;

namespace {

struct SplitCase {
    const char* name;
    std::string bytes;
    Lines whole;
    Lines byLine;
};

const SplitCase kSplitCases[] = {
    {"Empty", "", {}, {}},
    {"CrLfAfterEachLine", "a\r\nb\r\n", {"a", "b"}, {"a", "b"}},
    {"NoFinalBreak", "a\r\nb", {"a", "b"}, {"a", "b"}},
    {"LfOnly", "a\nb\n", {"a", "b"}, {"a", "b"}},
    {"LoneCrs", "a\rb\rc", {"a", "b", "c"}, {"abc"}},
    {"LoneCrAtEnd", "a\r", {"a"}, {"a"}},
    {"OneCrLf", "\r\n", {""}, {""}},
    {"BlankLineInMiddle", "a\r\n\r\nb\r\n", {"a", "", "b"}, {"a", "", "b"}},
    {"TwoBreaksAtEnd", "a\r\n\r\n", {"a", ""}, {"a", ""}},
    {"BlanksKept", "  a \t\r\n", {"  a \t"}, {"  a \t"}},
    {"CrCrLf", "a\r\r\nb", {"a", "", "b"}, {"a", "b"}},
    {"LfCr", "a\n\rb", {"a", "", "b"}, {"a", "b"}},
    {"NulAndHighBytes",
     std::string("x\0y\xc3\xa9\r\n", 6),
     {std::string("x\0y\xc3\xa9", 5)},
     {std::string("x\0y\xc3\xa9", 5)}},
};

class SplitLines : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, WholeFileAndLineByLine) {
    const auto& c = GetParam();
    EXPECT_EQ(platform::SplitLinesWhole(c.bytes), c.whole);
    EXPECT_EQ(platform::SplitLinesByLine(c.bytes), c.byLine);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitLines, testing::ValuesIn(kSplitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JoinLines, EveryLineEndsWithCrLfOrOnlyBetweenLines) {
    EXPECT_EQ(platform::JoinLinesCrLf({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(platform::JoinLinesCrLf({}), "");
    EXPECT_EQ(platform::JoinLinesCrLf({""}), "\r\n");
    EXPECT_EQ(platform::JoinLinesCrLf({"a", "b"}, false), "a\r\nb");
    EXPECT_EQ(platform::JoinLinesCrLf({"a", ""}, false), "a\r\n");
}

TEST(JoinLines, WholeFileReadingGivesBackWhatWasJoined) {
    Lines lines{"one", "", "  three  ", "four"};
    EXPECT_EQ(platform::SplitLinesWhole(platform::JoinLinesCrLf(lines)), lines);
    EXPECT_EQ(platform::SplitLinesWhole(platform::JoinLinesCrLf(lines, false)), lines);
}

TEST(TrimBlanks, RemovesBlanksAndControlCharactersAtBothEnds) {
    EXPECT_EQ(platform::TrimBlanks(" \t\x01noun \r\n"), "noun");
    EXPECT_EQ(platform::TrimBlanks("a b"), "a b");
    EXPECT_EQ(platform::TrimBlanks(" \t "), "");
    EXPECT_EQ(platform::TrimBlanks("\xc3\xa9t\xc3\xa9"), "\xc3\xa9t\xc3\xa9"); // UTF-8 bytes are not blanks
    EXPECT_TRUE(platform::IsBlankLine(" \t\r"));
    EXPECT_FALSE(platform::IsBlankLine(" x "));
}

} // namespace

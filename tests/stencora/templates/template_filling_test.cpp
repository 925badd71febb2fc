// Filling tokens on a plain line list: the replacement rule, the date and time pass, the answer
// of a step and a whole wizard run.
#include "stencora/templates/template_filling.h"
#include "stencora/templates/wizard_file.h"

#include <gtest/gtest.h>

#include <deque>

using stencora::Choice;
using stencora::WizardParameter;

namespace {

// A list of lines that records which lines were rewritten.
class VectorLines : public platform::LineList {
public:
    explicit VectorLines(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    int count() const override { return static_cast<int>(lines_.size()); }
    std::string line(int i) const override { return lines_.at(static_cast<size_t>(i)); }
    void rewrite(int i, const std::string& text) override {
        lines_.at(static_cast<size_t>(i)) = text;
        rewritten.push_back(i);
    }
    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<int> rewritten;

private:
    std::vector<std::string> lines_;
};

struct ReplaceCase {
    const char* name;
    std::vector<std::string> lines;
    std::string token, text;
    std::vector<std::string> expected;
    std::vector<int> rewritten;
};

std::ostream& operator<<(std::ostream& os, const ReplaceCase& c) {
    return os << c.name;
}

const ReplaceCase kReplaceCases[] = {
    {"OnlyTheFirstOccurrenceInALine",
     {"<#Date> and <#Date>"},
     "<#Date>",
     "5/3/24",
     {"5/3/24 and <#Date>"},
     {0}},
    {"EveryLineThatHoldsIt",
     {"<#1>", "a <#1>", "", "b", "<#1> c", "<#1><#1>", "x<#1>y"},
     "<#1>",
     "Ann",
     {"Ann", "a Ann", "", "b", "Ann c", "Ann<#1>", "xAnny"},
     {0, 1, 4, 5, 6}},
    {"AtTheVeryStartAndEnd",
     {"<#1> is here", "here is <#1>"},
     "<#1>",
     "Bob",
     {"Bob is here", "here is Bob"},
     {0, 1}},
    {"EmptyAnswerRemovesTheToken", {"Dear <#2>,", "<#2>"}, "<#2>", "", {"Dear ,", ""}, {0, 1}},
    {"TokenAcrossTwoLinesIsNotFound", {"Dear <#", "1>,"}, "<#1>", "Ann", {"Dear <#", "1>,"}, {}},
    {"OtherCaseIsAnotherToken", {"<#time> <#date> <#Time>"}, "<#TIME>", "x", {"<#time> <#date> <#Time>"}, {}},
    {"ABlankMakesAnotherName", {"<# 1> <#1 >"}, "<#1>", "x", {"<# 1> <#1 >"}, {}},
    {"InsertedTextIsNotSearchedAgain",
     {"<#1>.", "<#1>"},
     "<#1>",
     "<#1><#1>",
     {"<#1><#1>.", "<#1><#1>"},
     {0, 1}},
    {"TokenTwelveIsNotTokenOne", {"<#12>"}, "<#1>", "x", {"<#12>"}, {}},
    {"MultiByteTextAround",
     {"\xE6\x97\xA5<#1>\xE6\x9C\xAC"},
     "<#1>",
     "\xC3\xA9",
     {"\xE6\x97\xA5\xC3\xA9\xE6\x9C\xAC"},
     {0}},
    {"NoTokenNoRewrite", {"plain", "text"}, "<#1>", "x", {"plain", "text"}, {}},
    {"EmptyDocument", {}, "<#1>", "x", {}, {}},
    {"EmptyTokenIsNeverFound", {"abc"}, "", "x", {"abc"}, {}},
};

class ReplaceFirstInEachLine : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFirstInEachLine, ReplacesByTheRule) {
    const ReplaceCase& c = GetParam();
    VectorLines lines(c.lines);
    stencora::ReplaceFirstInEachLine(lines, c.token, c.text);
    EXPECT_EQ(lines.lines(), c.expected);
    EXPECT_EQ(lines.rewritten, c.rewritten);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceFirstInEachLine, ::testing::ValuesIn(kReplaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Hands out the texts given, in order, and counts the calls.
class ScriptedTexts : public stencora::DateTimeTexts {
public:
    ScriptedTexts(std::deque<std::string> dates, std::deque<std::string> times)
        : dates_(std::move(dates)), times_(std::move(times)) {}
    std::string dateText() override { return Next(dates_); }
    std::string timeText() override { return Next(times_); }

private:
    static std::string Next(std::deque<std::string>& texts) {
        if (texts.empty())
            return "(none)";
        std::string t = texts.front();
        texts.pop_front();
        return t;
    }
    std::deque<std::string> dates_, times_;
};

TEST(FillDateTimeTokens, OncePerLineWithTextsTakenAfreshForEachLine) {
    VectorLines lines({
        "<#Date> <#Date>",
        "no token",
        "<#Time> then <#Date>",
        "<#date> <#time>",
        "<#Date>",
        "<#Time><#Time>",
        "<#Date>, <#Time>",
    });
    ScriptedTexts texts({"D1", "D2", "D3", "D4"}, {"T1", "T2", "T3"});
    stencora::FillDateTimeTokens(lines, texts);
    EXPECT_EQ(lines.lines(), (std::vector<std::string>{
                                 "D1 <#Date>",
                                 "no token",
                                 "T1 then D2",
                                 "<#date> <#time>",
                                 "D3",
                                 "T2<#Time>",
                                 "D4, T3",
                             }));
    // The date is replaced and the line rewritten before the time is looked for.
    EXPECT_EQ(lines.rewritten, (std::vector<int>{0, 2, 2, 4, 5, 6, 6}));
}

TEST(FillDateTimeTokens, TimeIsLookedForInTheLineAsItNowStands) {
    VectorLines lines({"<#Date>"});
    ScriptedTexts texts({"at <#Time>"}, {"noon"});
    stencora::FillDateTimeTokens(lines, texts);
    EXPECT_EQ(lines.lines(), std::vector<std::string>{"at noon"});
}

TEST(FillDateTimeTokens, DocumentWithoutTokensIsNotRewritten) {
    VectorLines lines({"Dear Sir,", "", "<#Dat>", "Date> <#"});
    ScriptedTexts texts({}, {});
    stencora::FillDateTimeTokens(lines, texts);
    EXPECT_TRUE(lines.rewritten.empty());
}

const std::string kFill = "-------";

TEST(AnswerFor, TypedTextForAQuestionOtherwiseTheValuePicked) {
    WizardParameter p{"1", "", "Q?", "4", "a", "va", "b", "vb", "c", "vc", "d", "vd"};
    struct Case {
        std::string type;
        Choice choice;
        std::string expected;
    } cases[] = {
        {"Question", Choice::C, "typed"}, {"Choice", Choice::A, "va"}, {"Choice", Choice::B, "vb"},
        {"Choice", Choice::C, "vc"},      {"Choice", Choice::D, "vd"}, {"question", Choice::B, "vb"},
        {"Question ", Choice::D, "vd"},   {"", Choice::A, "va"},
    };
    for (const Case& c : cases) {
        p.Type = c.type;
        EXPECT_EQ(stencora::AnswerFor(p, "typed", c.choice), c.expected) << "'" << c.type << "'";
    }
    p.Type = "Question";
    EXPECT_EQ(stencora::AnswerFor(p, "", Choice::A), "");
}

// A wizard run as the create-from-template dialog makes it: read each record just before its
// step and fill its token with the answer of that step.
TEST(FillParameterToken, WizardRunFillsEachStepInFileOrder) {
    std::vector<WizardParameter> parameters = {
        {"1", "Question", "What's your name?", "0", kFill, kFill, kFill, kFill, kFill, kFill, kFill, kFill},
        {"3", "Choice", "Which greeting?", "2", "Formal", "Dear Sir or Madam", "Friendly", "Friendly", kFill,
         kFill, kFill, kFill},
        {"4", "Question", "Where?", "0", kFill, kFill, kFill, kFill, kFill, kFill, kFill, kFill},
    };
    VectorLines lines({
        "<#3>,",
        "my name is <#1> <#1>.",
        "<#2> stays: its parameter was removed.",
        "From <#4>",
        "<#5>",
    });
    auto reader = stencora::WizardFileReader::FromBytes(stencora::WizardFileBytes(parameters));
    struct Step {
        std::string typed;
        Choice choice;
    } steps[] = {{"Ann from <#4>", Choice::A}, {"ignored", Choice::B}, {"", Choice::A}};
    ASSERT_EQ(reader.Count(), 3);
    for (int i = 0; i < reader.Count(); ++i) {
        WizardParameter p = reader.ReadNext();
        stencora::FillParameterToken(lines, p, stencora::AnswerFor(p, steps[i].typed, steps[i].choice));
    }
    EXPECT_EQ(lines.lines(), (std::vector<std::string>{
                                 "Friendly,",
                                 "my name is Ann from  <#1>.", // the answer's "<#4>" was filled by step 3
                                 "<#2> stays: its parameter was removed.",
                                 "From ",
                                 "<#5>",
                             }));
}

} // namespace

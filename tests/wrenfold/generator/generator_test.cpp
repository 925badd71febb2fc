#include "wrenfold/generator/generator.h"

#include "platform/errors.h"
#include "temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

using testing::ElementsAre;
using testing::IsEmpty;
using wrenfold::Lines;
using wrenfold::testing::TempFolder;

namespace {

// The same seed for every pick.
class FixedSeed : public wrenfold::SeedSource {
public:
    uint32_t Seed() override { return 0; }
};

// Seeds that make each pick land on a chosen index: for Pick(n) to give i, the state after the
// step must lie in the i-th of n equal parts of 2^32. Picks beyond the script get the seed 0.
class ChosenPicks : public wrenfold::SeedSource {
public:
    void attach(const wrenfold::RandomSource& random) { random_ = &random; }
    ChosenPicks& then(uint32_t index, uint32_t n) {
        wishes_.push_back({index, n});
        return *this;
    }
    bool allUsed() const { return next_ == wishes_.size(); }

    uint32_t Seed() override {
        if (next_ == wishes_.size())
            return 0;
        const auto [index, n] = wishes_[next_++];
        const uint64_t target = ((2 * uint64_t(index) + 1) << 32) / (2 * uint64_t(n)); // middle of part
        constexpr uint32_t kInverseOfMultiplier = 0xd94fa8cdu; // 134775813 * this == 1 (mod 2^32)
        const uint32_t mixed = (static_cast<uint32_t>(target) - 1u) * kInverseOfMultiplier;
        return mixed ^ random_->state();
    }

private:
    const wrenfold::RandomSource* random_ = nullptr;
    std::vector<std::pair<uint32_t, uint32_t>> wishes_;
    size_t next_ = 0;
};

// A library "lib" in a temporary application directory.
class Library {
public:
    Library() {
        vocabulary("noun", "2\r\ncat,cats\r\n");
        vocabulary("wide", "3\r\ncat,cats\r\n");
        vocabulary("spaced", "2\r\ncat, cats\r\n");
        vocabulary("countonly", "2\r\n");
        vocabulary("badcount", "two\r\ncat\r\n");
        vocabulary("emptyfile", "");
        // A word form never holds a comma, so a variable inside a word has no vocabulary name and
        // reads the file ".wod": its forms lead on to form 1, to themselves, or round in a ring.
        vocabulary("", "5\r\nnameless,<1>,<3>,<5>,<4>\r\n");
        vocabulary("nested", "1\r\nbig <2>\r\n");
        vocabulary("ring", "1\r\n<4>\r\n");
        vocabulary("closer", "1\r\n>\r\n");
        vocabulary("half", "1\r\n<noun\r\n");
        vocabulary("lines", "1\r\nfirst\r\nsecond\r\nthird\r\n");
        app.write("outside.wod", "1\r\nESCAPED\r\n"); // reachable only through "../outside"
        app.write("lib/nu", "1\r\nWRONG FILE\r\n");   // what "nu\0l" would open if cut at the NUL
    }
    void vocabulary(const std::string& name, const std::string& bytes) {
        app.write("lib/" + name + ".wod", bytes);
    }
    std::string folder() const { return app.dir() + "lib"; }

    TempFolder app;
};

// --- GetAWord and GenerateOne: one sentence pattern each, every vocabulary of one word line. ---

struct SentenceCase {
    const char* name;
    std::string pattern;
    std::string sentence;                              // the text appended, blank included, when it succeeds
    std::optional<std::string> failure = std::nullopt; // else the message of the failure
};

const std::string kBound = wrenfold::ExpansionLimitError(wrenfold::kMaxReplacementsPerSentence).what();

SentenceCase Fails(const char* name, std::string pattern, std::string message) {
    return {name, std::move(pattern), "", std::move(message)};
}

const SentenceCase kSentenceCases[] = {
    {"NoVariableUnchanged", "Hello, world.", "Hello, world. "},
    {"EmptyPattern", "", " "},
    {"FormTwo", "<noun,2>", "cats "},
    {"FormOne", "<noun,1>", "cat "},
    {"FormZeroGivesFirst", "<noun,0>", "cat "},
    {"FormNegativeGivesFirst", "<noun,-5>", "cat "},
    {"FormBeyondPatternCountIsEmpty", "[<noun,3>]", "[] "},
    {"FormBeyondLineGivesLastForm", "<wide,3>", "cats "},
    {"LeadingBlankOfFormKept", "a <spaced,2>", "a  cats "},
    {"BlanksAroundNameAndNumber", "< noun , 2 >", "cats "},
    {"ControlsAroundNameAndNumber", "<\tnoun\x01,\t2\r>", "cats "},
    {"OnlyPatternCountLine", "[<countonly,1>][<countonly,2>]", "[][] "},
    {"MissingVocabularyIsEmpty", "[<ghost,1>]", "[] "},
    {"EmptyNameReadsDotWod", "<,1>", "nameless "},
    {"NoCommaDigitsAreTheNumber", "<1>", "nameless "},
    {"NoCommaNumberAboveCount", "a<6>b", "ab "},
    {"SeveralVariables", "The <noun,1> and the <noun,2>.", "The cat and the cats. "},
    {"WordWithVariableIsExpanded", "A <nested,1>!", "A big nameless! "},
    {"VariableSpanningWordAndPattern", "<half,1>,2>", "cats "},
    {"LiteralLessThanSwallowsTextUpToGreaterThan", "x <y z,2> w", "x  w "},
    {"GreaterThanAloneIsLiteral", "a > b", "a > b "},
    {"GreaterThanAfterLastVariableIsLiteral", "<noun,1> > b", "cat > b "},
    {"SlashInNameNamesNoVocabulary", "[<../outside,1>]", "[] "},
    {"NulInNameNamesNoVocabulary", std::string("[<nu\0l,1>]", 10), "[] "},
    Fails("NoCommaLettersFail", "<noun>", "'noun' is not a valid integer value"),
    Fails("NumberNotInteger", "<noun,two>", "'two' is not a valid integer value"),
    Fails("EmptyNumber", "<noun,>", "'' is not a valid integer value"),
    Fails("NumberCheckedBeforeTheFile", "<ghost,x>", "'x' is not a valid integer value"),
    Fails("PatternCountNotInteger", "<badcount,1>", "'two' is not a valid integer value"),
    Fails("EmptyVocabularyFile", "<emptyfile,1>", "'' is not a valid integer value"),
    Fails("NoGreaterThanAfterLessThan", "a <noun,1", "'' is not a valid integer value"),
    Fails("GreaterThanBeforeLessThan", "a > b <noun,1>", "'' is not a valid integer value"),
    Fails("EmptyVariable", "<>", "'' is not a valid integer value"),
    Fails("LiteralLessThanWithoutComma", "1 < 2 means b > a", "'2 means b' is not a valid integer value"),
    Fails("WordBringsGreaterThanBeforeNextVariable", "<closer,1> <noun,1>",
          "'' is not a valid integer value"),
    Fails("WordLeadsBackToItself", "<3>", kBound),
    Fails("WordsLeadRoundThroughAnotherVocabulary", "say <ring,1>", kBound),
};

class Sentences : public testing::TestWithParam<SentenceCase> {};

// Runs one sentence of pattern, from the pattern list as given or from the one prepared by
// SetPatterns; returns the text after "before " or the failure's message.
std::string OneSentence(const Library& library, const std::string& pattern, bool prepared) {
    FixedSeed seeds;
    wrenfold::RandomSource random(seeds);
    wrenfold::Generator generator(library.folder(), random);
    if (prepared)
        generator.SetPatterns({pattern});
    std::string text = "before ";
    try {
        if (prepared)
            generator.GenerateOne(text);
        else
            generator.GenerateOne({pattern}, text);
    } catch (const platform::Error& e) {
        EXPECT_EQ(text, "before "); // the failing sentence is dropped
        return std::string("failed: ") + e.what();
    }
    EXPECT_EQ(text.substr(0, 7), "before ");
    return text.substr(7);
}

TEST_P(Sentences, GenerateOneAppendsTheSentenceAndOneBlank) {
    const auto& c = GetParam();
    Library library;
    const std::string expected = c.failure ? "failed: " + *c.failure : c.sentence;
    EXPECT_EQ(OneSentence(library, c.pattern, false), expected);
    EXPECT_EQ(OneSentence(library, c.pattern, true), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, Sentences, testing::ValuesIn(kSentenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

class Picks : public testing::Test {
protected:
    Picks() { seeds.attach(random); }
    Library library;
    ChosenPicks seeds;
    wrenfold::RandomSource random{seeds};
    wrenfold::Generator generator{library.folder(), random};
    std::string text;
};

TEST_F(Picks, APickChoosesThePatternAndEachWordLineAfterTheCount) {
    const Lines patterns{"A <lines,1>.", "B <lines,1>."};
    seeds.then(1, 2).then(2, 3).then(0, 2).then(0, 3);
    generator.GenerateOne(patterns, text);
    generator.GenerateOne(patterns, text);
    EXPECT_EQ(text, "B third. A first. ");
    EXPECT_TRUE(seeds.allUsed());
}

TEST_F(Picks, OnlyAWordThatIsTakenFromAFileCostsAPick) {
    // No pick for a missing vocabulary or a form number above the pattern count.
    seeds.then(0, 1).then(1, 3);
    generator.GenerateOne({"<ghost,1><noun,3><lines,1>"}, text);
    EXPECT_EQ(text, "second ");
    EXPECT_TRUE(seeds.allUsed());
}

TEST_F(Picks, NoPatternsGiveOneBlankAfterAPickAmongNone) {
    seeds.then(0, 1).then(0, 1);
    generator.GenerateOne({}, text);
    generator.GenerateOne({}, text);
    EXPECT_EQ(text, "  ");
    EXPECT_TRUE(seeds.allUsed());
}

TEST(ExpansionBound, TenThousandReplacementsInOneSentenceAreAllowedOneMoreIsNot) {
    Library library;
    FixedSeed seeds;
    wrenfold::RandomSource random(seeds);
    wrenfold::Generator generator(library.folder(), random);
    std::string pattern;
    for (int i = 0; i < wrenfold::kMaxReplacementsPerSentence; ++i)
        pattern += "<noun,1>";
    std::string text;
    generator.GenerateOne({pattern}, text);
    EXPECT_EQ(text.size(), 3u * wrenfold::kMaxReplacementsPerSentence + 1);
    EXPECT_THROW(generator.GenerateOne({pattern + "<noun,1>"}, text), wrenfold::ExpansionLimitError);
    EXPECT_EQ(text.size(), 3u * wrenfold::kMaxReplacementsPerSentence + 1);
}

TEST(VocabularyCache, OneGeneratorReadsAFileOnceTheNextReadsItAgain) {
    Library library;
    FixedSeed seeds;
    wrenfold::RandomSource random(seeds);
    wrenfold::Generator first(library.folder(), random);
    EXPECT_EQ(first.GetAWord("noun,1"), "cat");
    EXPECT_EQ(first.GetAWord("ghost,1"), "");
    library.vocabulary("noun", "2\r\ndog,dogs\r\n");
    library.vocabulary("ghost", "1\r\nboo\r\n");
    EXPECT_EQ(first.GetAWord("noun,2"), "cats");
    EXPECT_EQ(first.GetAWord("ghost,1"), "");

    wrenfold::Generator next(library.folder(), random);
    EXPECT_EQ(next.GetAWord("noun,2"), "dogs");
    EXPECT_EQ(next.GetAWord("ghost,1"), "boo");
}

// --- The Generator command. ---

class FakeUi : public wrenfold::GeneratorUi {
public:
    void warnNoLibrary(const std::string& text) override { warnings.push_back(text); }
    bool askCount(std::string& value) override {
        shown.push_back(value);
        value = typed; // a dialog that also changes the value when cancelled must not matter
        return ok;
    }
    void appendText(const std::string& text) override { appended.push_back(text); }

    std::string typed = "20";
    bool ok = true;
    std::vector<std::string> warnings, shown, appended;
};

struct CommandCase {
    const char* name;
    std::string library;
    std::optional<std::string> grammar; // nullopt: no grammar file
    std::string typed;
    bool ok;
    Lines appended;
    std::optional<std::string> failure; // message; "{grammar}" stands for the grammar path
};

const CommandCase kCommandCases[] = {
    {"CancelAfterTypingANonNumber", "lib", "Hi.\r\n", "abc", false, {}, std::nullopt},
    {"CancelKeepsTwenty", "lib", "Hi.\r\n", "5", false, {}, std::nullopt},
    {"NotANumber", "lib", "Hi.\r\n", "abc", true, {}, "'abc' is not a valid integer value"},
    {"ZeroCount", "lib", "Hi.\r\n", "0", true, {}, std::nullopt},
    {"NegativeCount", "lib", "Hi.\r\n", "-3", true, {}, std::nullopt},
    {"OnePatternThreeTimes",
     "lib",
     "Hi <noun,2>.\r\n",
     "3",
     true,
     {"Hi cats. Hi cats. Hi cats. "},
     std::nullopt},
    {"EmptyGrammarGivesBlanks", "lib", "", "2", true, {"  "}, std::nullopt},
    {"MissingGrammar",
     "lib",
     std::nullopt,
     "2",
     true,
     {},
     "Cannot open file \"{grammar}\". No such file or directory"},
    {"FirstSentenceFails", "lib", "<noun,x>\r\n", "2", true, {}, "'x' is not a valid integer value"},
};

class Command : public testing::TestWithParam<CommandCase> {};

TEST_P(Command, FollowsTheStepsOfTheGeneratorCommand) {
    const auto& c = GetParam();
    Library library;
    const std::string grammar = library.folder() + "/lib.gra";
    if (c.grammar)
        library.app.write("lib/lib.gra", *c.grammar);
    FakeUi ui;
    ui.typed = c.typed;
    ui.ok = c.ok;
    FixedSeed seeds;
    wrenfold::RandomSource random(seeds);
    try {
        wrenfold::RunGeneratorCommand(library.app.dir(), c.library, ui, random);
        EXPECT_FALSE(c.failure) << "no failure";
    } catch (const platform::Error& e) {
        ASSERT_TRUE(c.failure) << e.what();
        std::string expected = *c.failure;
        if (auto at = expected.find("{grammar}"); at != std::string::npos)
            expected.replace(at, 9, grammar);
        EXPECT_EQ(std::string(e.what()), expected);
    }
    EXPECT_THAT(ui.warnings, IsEmpty());
    EXPECT_THAT(ui.shown, ElementsAre("20"));
    EXPECT_EQ(ui.appended, c.appended);
}

INSTANTIATE_TEST_SUITE_P(Table, Command, testing::ValuesIn(kCommandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandWithoutLibrary, WarnsAndAsksNothing) {
    FakeUi ui;
    FixedSeed seeds;
    wrenfold::RandomSource random(seeds);
    EXPECT_EQ(wrenfold::RunGeneratorCommand("/nowhere/", "", ui, random), 0);
    EXPECT_THAT(ui.warnings, ElementsAre(wrenfold::kNoLibraryWarning));
    EXPECT_THAT(ui.shown, IsEmpty());
    EXPECT_THAT(ui.appended, IsEmpty());
}

TEST(CommandFailingLater, HandsOverTheEarlierSentencesOnceThenFails) {
    Library library;
    library.app.write("lib/lib.gra", "fine\r\n<noun,x>\r\n<3>\r\n");
    ChosenPicks seeds;
    wrenfold::RandomSource random(seeds);
    seeds.attach(random);
    FakeUi ui;
    ui.typed = "5";

    seeds.then(0, 3).then(0, 3).then(1, 3);
    EXPECT_THROW(wrenfold::RunGeneratorCommand(library.app.dir(), "lib", ui, random), platform::ConvertError);
    EXPECT_THAT(ui.appended, ElementsAre("fine fine "));

    seeds.then(0, 3).then(2, 3);
    EXPECT_THROW(wrenfold::RunGeneratorCommand(library.app.dir(), "lib", ui, random),
                 wrenfold::ExpansionLimitError);
    EXPECT_THAT(ui.appended, ElementsAre("fine fine ", "fine "));
}

TEST(CommandCache, TheNextCommandSeesAVocabularySavedInBetween) {
    Library library;
    library.app.write("lib/lib.gra", "<noun,1>\r\n");
    FakeUi ui;
    ui.typed = "2";
    FixedSeed seeds;
    wrenfold::RandomSource random(seeds);
    EXPECT_EQ(wrenfold::RunGeneratorCommand(library.app.dir(), "lib", ui, random), 2);
    library.vocabulary("noun", "1\r\ndog\r\n");
    library.app.write("lib/lib.gra", "A <noun,1>\r\n");
    EXPECT_EQ(wrenfold::RunGeneratorCommand(library.app.dir(), "lib", ui, random), 2);
    EXPECT_THAT(ui.appended, ElementsAre("cat cat ", "A dog A dog "));
}

} // namespace

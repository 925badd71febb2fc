#pragma once
// The sentence generator: the Generator command, GenerateOne and GetAWord, over line lists, the
// library's files, a random source and an output text. No Qt: the window side (the warning box,
// the count dialog and the text box) is the GeneratorUi interface.
#include "platform/errors.h"
#include "wrenfold/generator/library_store.h"
#include "wrenfold/generator/random_source.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace wrenfold {

inline constexpr char kNoLibraryWarning[] =
    "There is no Language/Grammar Library! You must create a Language/Grammar Library first.";
inline constexpr char kWarningCaption[] = "Warning";
inline constexpr char kCountCaption[] = "Generator";
inline constexpr char kCountPrompt[] = "How many sentences to generate?";
inline constexpr char kDefaultCount[] = "20";

// Replacements of vocabulary variables allowed in one sentence. A word that leads back to itself,
// directly or through other vocabularies, would otherwise expand for ever.
inline constexpr int kMaxReplacementsPerSentence = 10000;

// A sentence that needed more than the allowed number of replacements.
class ExpansionLimitError : public platform::Error {
public:
    explicit ExpansionLimitError(int limit);
};

// The parts of a vocabulary variable's text "name,N": the name and the number text, trimmed of
// blanks and control characters (without a "," the name is empty and the whole text is the number
// text), and the form number when the number text is an integer.
struct VariableText {
    std::string_view name;
    std::string_view number;
    bool formIsInteger = false;
    int form = 0;
};
VariableText ParseVariableText(std::string_view text);

// Makes the sentences of one Generator command. It reads each vocabulary file of the library folder
// once, when a variable first names it, and keeps its contents until it is destroyed: no editor can
// save while a command runs, and the next command makes a new Generator, so it sees every change.
class Generator {
public:
    Generator(std::string libraryFolder, RandomSource& random,
              int maxReplacements = kMaxReplacementsPerSentence);

    // The word for the text between "<" and ">" of one vocabulary variable: "name,N". The name and
    // the number text (the whole text when it holds no ",") are trimmed of blanks and control
    // characters; N must be an integer (else platform::ConvertError). A missing vocabulary file,
    // or one whose name would leave the library folder ("/" or NUL in it), gives empty text. The
    // pattern count (line 1) must be an integer (else platform::ConvertError); when it is less
    // than N the word is empty. Otherwise a random word line is taken, and from it the N-th form
    // (the first for N <= 1, the last when the line holds fewer), untrimmed. The returned text
    // stays valid while the Generator lives.
    std::string_view GetAWord(std::string_view variableText);

    // Appends one sentence and one blank to text: a random pattern (empty text when there is
    // none) whose vocabulary variables are replaced, the first "<" of the text each time, up to
    // the first ">" of the text, until no "<" is left; a word brought in is scanned like the
    // rest. A variable with empty text (no ">" after the "<", or a ">" before it) fails with
    // platform::ConvertError; more than maxReplacements replacements fail with
    // ExpansionLimitError. On any failure text is left as it was.
    void GenerateOne(const Lines& patterns, std::string& text);

    // The pattern list of the command. Each pattern's literal texts and variable texts are found
    // once here, so that GenerateOne(text) need not scan the pattern for every sentence.
    void SetPatterns(Lines patterns);
    // GenerateOne over the pattern list set last, with the same picks and the same result.
    void GenerateOne(std::string& text);

private:
    struct Vocabulary {
        bool exists = false;
        bool countIsInteger = false;
        int count = 0;
        std::string countText;
        Lines words;
    };
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const {
            uint64_t h = 14695981039346656037ull; // FNV-1a: names are short
            for (char c : s)
                h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            return static_cast<size_t>(h);
        }
    };

    // A pattern as the scan of GenerateOne sees it while no word holds "<" or ">": its literal
    // texts and variable texts in order, and how it ends.
    struct Step {
        std::string_view literal; // text before the "<"
        VariableText variable;
        std::string_view rest;                  // the pattern after the ">"
        const Vocabulary* vocabulary = nullptr; // the variable's vocabulary, once looked up
    };
    enum class End {
        Literal,          // tail is the rest of the pattern
        UnclosedVariable, // a "<" with no ">" after it: its text is empty, which fails
        EmptyVariable,    // a ">" before the next "<": the variable text is empty, which fails
    };
    struct Pattern {
        std::vector<Step> steps;
        std::string_view tail;
        End end = End::Literal;
    };

    const Vocabulary& Load(std::string_view name);
    std::string_view TakeWord(const VariableText& variable, const Vocabulary& vocabulary);
    void ExpandPending(std::string& text, int& replacements);

    std::string folder_;
    RandomSource& random_;
    int maxReplacements_;
    std::unordered_map<std::string, Vocabulary, NameHash, std::equal_to<>> cache_;
    std::vector<std::string_view> pending_; // text still to scan, the next piece last
    std::string variable_;                  // a variable text that spans pieces
    Lines patternLines_;
    std::vector<Pattern> patterns_;
};

// The window side of the Generator command.
class GeneratorUi {
public:
    virtual ~GeneratorUi() = default;
    // The warning box: caption kWarningCaption, buttons "Yes" and "Cancel", text kNoLibraryWarning.
    // Whichever button closes it, the command ends.
    virtual void warnNoLibrary(const std::string& text) = 0;
    // The count dialog: caption kCountCaption, prompt kCountPrompt, the field holding value.
    // Returns true when it ended with OK, with value set to the edited text.
    virtual bool askCount(std::string& value) = 0;
    // Appends text to the end of the text box; the text counts as changed.
    virtual void appendText(const std::string& text) = 0;
};

// The Generator command of the current library:
//   1. no library (empty name): ui.warnNoLibrary and end;
//   2. ui.askCount with "20"; the value is "20" again unless the dialog ended with OK;
//   3. the value is converted to an integer (platform::ConvertError when it is none), whatever
//      the dialog's result;
//   4. a count of 0 or less, or no OK, ends the command without a message;
//   5. the grammar file is read (platform::FileError when it cannot be opened);
//   6. count sentences are made, each followed by one blank.
// The sentences are collected and handed over in one ui.appendText call at the end. When a
// sentence fails (platform::ConvertError, platform::FileError, ExpansionLimitError), the sentences
// made before it are handed over in that one call (none when there are none), the failing sentence
// is dropped, and the exception propagates to the caller. Returns the number of sentences made.
int RunGeneratorCommand(const std::string& applicationDirectory, const std::string& currentLibraryName,
                        GeneratorUi& ui, RandomSource& random);

} // namespace wrenfold

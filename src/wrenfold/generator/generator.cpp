#include "wrenfold/generator/generator.h"

#include "platform/files.h"
#include "platform/integer.h"

#include <cstdint>
#include <limits>
#include <new>
#include <sys/mman.h>

namespace wrenfold {

namespace {

std::string_view TrimView(std::string_view text) {
    while (!text.empty() && platform::IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && platform::IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Position of the first "<" or ">" in text, or npos.
size_t FindBracket(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '<' || text[i] == '>')
            return i;
    return std::string_view::npos;
}

// Position of the first "," in a word line, or npos. Word lines are short: a plain loop is faster
// than a library search.
size_t FindComma(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == ',')
            return i;
    return std::string_view::npos;
}

uint32_t CountOf(size_t size) {
    return size > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                       : static_cast<uint32_t>(size);
}

// After the first sentences of a long command, room for all of them is reserved at once, so the
// text is not copied again and again as it grows. Pages that are never written take no memory.
constexpr int kSentencesBeforeReserve = 16;
constexpr size_t kMaxReserve = size_t(1) << 30;

void ReserveForTheRest(std::string& text, int made, int count) {
    const double estimate = double(text.size()) / made * count * 1.25;
    if (estimate <= double(text.capacity()))
        return;
    try {
        text.reserve(estimate < double(kMaxReserve) ? static_cast<size_t>(estimate) : kMaxReserve);
    } catch (const std::bad_alloc&) {
        return; // growing as needed works as well, only slower
    }
#ifdef MADV_HUGEPAGE
    // Large pages for a large text: writing it then costs a small part of the page faults.
    constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
    const auto begin = (reinterpret_cast<uintptr_t>(text.data()) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<uintptr_t>(text.data()) + text.capacity()) & ~(kLargePage - 1);
    if (end > begin)
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE); // only advice: failure is fine
#endif
}

} // namespace

ExpansionLimitError::ExpansionLimitError(int limit)
    : platform::Error("The generation was stopped: a sentence needed more than " + std::to_string(limit) +
                      " replacements of vocabulary variables. A word probably leads back to itself, directly "
                      "or through other vocabularies.") {}

Generator::Generator(std::string libraryFolder, RandomSource& random, int maxReplacements)
    : folder_(std::move(libraryFolder)), random_(random), maxReplacements_(maxReplacements) {}

const Generator::Vocabulary& Generator::Load(std::string_view name) {
    if (auto it = cache_.find(name); it != cache_.end())
        return it->second;
    Vocabulary vocabulary;
    // A name with "/" or NUL would reach outside the library folder (or another file than named):
    // no vocabulary of this library is called so.
    const bool staysInFolder = name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
    const std::string path = VocabularyFilePath(folder_, std::string(name));
    if (staysInFolder && platform::FileExists(path)) {
        wrenfold::Vocabulary file = ReadVocabularyFile(path);
        vocabulary.exists = true;
        vocabulary.countText = std::move(file.patternCount);
        vocabulary.countIsInteger = platform::TryStrToInt(vocabulary.countText, vocabulary.count);
        vocabulary.words = std::move(file.wordLines);
    }
    return cache_.emplace(std::string(name), std::move(vocabulary)).first->second;
}

VariableText ParseVariableText(std::string_view text) {
    VariableText variable;
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        variable.number = TrimView(text);
    } else {
        variable.name = TrimView(text.substr(0, comma));
        variable.number = TrimView(text.substr(comma + 1));
    }
    variable.formIsInteger = platform::TryStrToInt(variable.number, variable.form);
    return variable;
}

// GetAWord after the vocabulary is looked up; the form number was checked before.
std::string_view Generator::TakeWord(const VariableText& variable, const Vocabulary& vocabulary) {
    const int form = variable.form;
    if (!vocabulary.exists)
        return {};
    if (!vocabulary.countIsInteger)
        throw platform::ConvertError(vocabulary.countText);
    if (vocabulary.count < form)
        return {};

    const uint32_t lines = CountOf(vocabulary.words.size());
    const uint32_t pick = random_.Pick(lines);
    std::string_view word = lines == 0 ? std::string_view() : std::string_view(vocabulary.words[pick]);
    // Cut after the first comma form - 1 times; once no comma is left, the rest changes nothing.
    for (int k = 1; k < form; ++k) {
        const size_t c = FindComma(word);
        if (c == std::string_view::npos)
            break;
        word.remove_prefix(c + 1);
    }
    if (const size_t c = FindComma(word); c != std::string_view::npos)
        word = word.substr(0, c);
    return word;
}

std::string_view Generator::GetAWord(std::string_view variableText) {
    const VariableText variable = ParseVariableText(variableText);
    if (!variable.formIsInteger)
        throw platform::ConvertError(std::string(variable.number));
    return TakeWord(variable, Load(variable.name));
}

// The sentence is built by scanning from the front. Text before the first "<" holds neither "<"
// nor ">" (a ">" there fails the next variable), so once a variable is replaced, that text is
// final and the search may go on from the word put in its place. The text still to scan is kept
// as a stack of pieces (the word on top of the rest of the text it was put into), so a word is
// never copied into the middle of a string.
void Generator::ExpandPending(std::string& text, int& replacements) {
    while (!pending_.empty()) {
        std::string_view piece = pending_.back();
        const size_t mark = FindBracket(piece);
        if (mark == std::string_view::npos) {
            text.append(piece);
            pending_.pop_back();
            continue;
        }
        if (piece[mark] == '>') {
            // Every later variable would start after this ">": its text is empty, which fails. With
            // no "<" left, the rest is literal text.
            bool opens = piece.find('<', mark) != std::string_view::npos;
            for (size_t i = 0; !opens && i + 1 < pending_.size(); ++i)
                opens = pending_[i].find('<') != std::string_view::npos;
            if (opens)
                GetAWord({});
            for (auto it = pending_.rbegin(); it != pending_.rend(); ++it)
                text.append(*it);
            pending_.clear();
            return;
        }

        text.append(piece.substr(0, mark));
        piece.remove_prefix(mark + 1);
        // The variable text runs up to the first ">" after the "<", which may lie in a later piece.
        std::string_view variable;
        if (const size_t close = piece.find('>'); close != std::string_view::npos) {
            variable = piece.substr(0, close);
            pending_.back() = piece.substr(close + 1);
        } else {
            variable_.assign(piece);
            pending_.pop_back();
            bool closed = false;
            while (!pending_.empty() && !closed) {
                const std::string_view next = pending_.back();
                const size_t end = next.find('>');
                if (end == std::string_view::npos) {
                    variable_.append(next);
                    pending_.pop_back();
                } else {
                    variable_.append(next.substr(0, end));
                    pending_.back() = next.substr(end + 1);
                    closed = true;
                }
            }
            // No ">" after the "<": the first ">" of the text, if any, lies before it, so the
            // variable text is empty.
            variable = closed ? std::string_view(variable_) : std::string_view();
        }

        if (++replacements > maxReplacements_)
            throw ExpansionLimitError(maxReplacements_);
        const std::string_view word = GetAWord(variable);
        while (!pending_.empty() && pending_.back().empty())
            pending_.pop_back();
        if (!word.empty())
            pending_.push_back(word);
    }
}

void Generator::GenerateOne(const Lines& patterns, std::string& text) {
    const uint32_t count = CountOf(patterns.size());
    const uint32_t pick = random_.Pick(count);
    const size_t start = text.size();
    try {
        pending_.clear();
        if (count != 0 && !patterns[pick].empty())
            pending_.push_back(patterns[pick]);
        int replacements = 0;
        ExpandPending(text, replacements);
        text.push_back(' ');
    } catch (...) {
        text.resize(start);
        throw;
    }
}

void Generator::SetPatterns(Lines patterns) {
    patternLines_ = std::move(patterns);
    patterns_.clear();
    patterns_.reserve(patternLines_.size());
    for (const std::string& line : patternLines_) {
        Pattern pattern;
        std::string_view rest = line;
        for (;;) {
            const size_t mark = FindBracket(rest);
            if (mark == std::string_view::npos) {
                pattern.tail = rest;
                break;
            }
            if (rest[mark] == '>') {
                if (rest.find('<', mark) != std::string_view::npos)
                    pattern.end = End::EmptyVariable;
                else
                    pattern.tail = rest;
                break;
            }
            const size_t close = rest.find('>', mark);
            if (close == std::string_view::npos) {
                pattern.end = End::UnclosedVariable;
                break;
            }
            pattern.steps.push_back({rest.substr(0, mark),
                                     ParseVariableText(rest.substr(mark + 1, close - mark - 1)),
                                     rest.substr(close + 1)});
            rest.remove_prefix(close + 1);
        }
        patterns_.push_back(std::move(pattern));
    }
}

// Follows the prepared steps while the words hold no "<" or ">"; a word that does changes how the
// rest reads, so from there on the rest of the pattern is scanned as by GenerateOne(patterns, text).
void Generator::GenerateOne(std::string& text) {
    const uint32_t count = CountOf(patterns_.size());
    const uint32_t pick = random_.Pick(count);
    const size_t start = text.size();
    try {
        if (count != 0) {
            Pattern& pattern = patterns_[pick];
            int replacements = 0;
            bool scanned = false;
            for (Step& step : pattern.steps) {
                text.append(step.literal);
                if (++replacements > maxReplacements_)
                    throw ExpansionLimitError(maxReplacements_);
                if (!step.variable.formIsInteger)
                    throw platform::ConvertError(std::string(step.variable.number));
                if (step.vocabulary == nullptr)
                    step.vocabulary = &Load(step.variable.name); // entries of the cache never move
                const std::string_view word = TakeWord(step.variable, *step.vocabulary);
                if (FindBracket(word) == std::string_view::npos) {
                    text.append(word);
                    continue;
                }
                pending_.clear();
                if (!step.rest.empty())
                    pending_.push_back(step.rest);
                pending_.push_back(word);
                ExpandPending(text, replacements);
                scanned = true;
                break;
            }
            if (!scanned) {
                if (pattern.end == End::UnclosedVariable && ++replacements > maxReplacements_)
                    throw ExpansionLimitError(maxReplacements_);
                if (pattern.end != End::Literal)
                    GetAWord({});
                text.append(pattern.tail);
            }
        }
        text.push_back(' ');
    } catch (...) {
        text.resize(start);
        throw;
    }
}

int RunGeneratorCommand(const std::string& applicationDirectory, const std::string& currentLibraryName,
                        GeneratorUi& ui, RandomSource& random) {
    if (currentLibraryName.empty()) {
        ui.warnNoLibrary(kNoLibraryWarning);
        return 0;
    }
    std::string value = kDefaultCount;
    std::string edited = value;
    const bool ok = ui.askCount(edited);
    if (ok)
        value = edited;
    const int count = platform::StrToInt(value);
    if (count <= 0 || !ok)
        return 0;

    const std::string folder = LibraryFolderPath(applicationDirectory, currentLibraryName);
    Lines patterns = ReadGrammarFile(GrammarFilePath(folder, currentLibraryName));
    Generator generator(folder, random);
    generator.SetPatterns(std::move(patterns));
    std::string text;
    int made = 0;
    try {
        for (; made < count; ++made) {
            if (made == kSentencesBeforeReserve)
                ReserveForTheRest(text, made, count);
            generator.GenerateOne(text);
        }
    } catch (...) {
        if (!text.empty())
            ui.appendText(text);
        throw;
    }
    ui.appendText(text);
    return made;
}

} // namespace wrenfold

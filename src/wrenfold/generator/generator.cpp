#include "wrenfold/generator/generator.h"

#include "platform/files.h"
#include "platform/integer.h"

#include <cstdint>
#include <limits>

namespace wrenfold {

namespace {

std::string_view TrimView(std::string_view text) {
    while (!text.empty() && platform::IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && platform::IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

uint32_t CountOf(size_t size) {
    return size > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                       : static_cast<uint32_t>(size);
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

std::string_view Generator::GetAWord(std::string_view variableText) {
    const size_t comma = variableText.find(',');
    const std::string_view name =
        TrimView(comma == std::string_view::npos ? std::string_view() : variableText.substr(0, comma));
    const std::string_view number =
        TrimView(comma == std::string_view::npos ? variableText : variableText.substr(comma + 1));
    int form = 0;
    if (!platform::TryStrToInt(number, form))
        throw platform::ConvertError(std::string(number));

    const Vocabulary& vocabulary = Load(name);
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
        const size_t c = word.find(',');
        if (c == std::string_view::npos)
            break;
        word.remove_prefix(c + 1);
    }
    if (const size_t c = word.find(','); c != std::string_view::npos)
        word = word.substr(0, c);
    return word;
}

// The sentence is built by scanning from the front. Text before the first "<" holds neither "<"
// nor ">" (a ">" there fails the next variable), so once a variable is replaced, that text is
// final and the search may go on from the word put in its place. The text still to scan is kept
// as a stack of pieces (the word on top of the rest of the text it was put into), so a word is
// never copied into the middle of a string.
void Generator::Expand(std::string_view pattern, std::string& text) {
    pending_.clear();
    if (!pattern.empty())
        pending_.push_back(pattern);
    int replacements = 0;
    while (!pending_.empty()) {
        std::string_view piece = pending_.back();
        const size_t mark = piece.find_first_of("<>");
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
    const std::string_view pattern = count == 0 ? std::string_view() : std::string_view(patterns[pick]);
    const size_t start = text.size();
    try {
        Expand(pattern, text);
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
    const Lines patterns = ReadGrammarFile(GrammarFilePath(folder, currentLibraryName));
    Generator generator(folder, random);
    std::string text;
    int made = 0;
    try {
        for (; made < count; ++made)
            generator.GenerateOne(patterns, text);
    } catch (...) {
        if (!text.empty())
            ui.appendText(text);
        throw;
    }
    ui.appendText(text);
    return made;
}

} // namespace wrenfold

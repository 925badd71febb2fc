// Reads any bytes as a vocabulary file and checks the reading and saving rules: no line keeps a
// line end, a saved vocabulary reads back with the same pattern count and its non-blank word
// lines, and saving what was read again changes nothing.
#include "platform/text_lines.h"
#include "wrenfold/generator/library_store.h"

#include <cstdint>
#include <cstdlib>
#include <string>

static bool HasLineEnd(const std::string& line) {
    return line.find_first_of("\r\n") != std::string::npos;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const wrenfold::Vocabulary vocabulary = wrenfold::ParseVocabulary(bytes);
    if (HasLineEnd(vocabulary.patternCount))
        std::abort();
    wrenfold::Lines kept;
    for (const auto& line : vocabulary.wordLines) {
        if (HasLineEnd(line))
            std::abort();
        if (!platform::IsBlankLine(line))
            kept.push_back(line);
    }

    const wrenfold::EditedText words{vocabulary.wordLines,
                                     !bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')};
    const std::string saved = wrenfold::FormatVocabulary(vocabulary.patternCount, words);
    const wrenfold::Vocabulary again = wrenfold::ParseVocabulary(saved);
    if (again.patternCount != vocabulary.patternCount || again.wordLines != kept)
        std::abort();
    const wrenfold::EditedText savedWords{again.wordLines, saved.size() > 2 && saved.ends_with("\r\n")};
    if (wrenfold::FormatVocabulary(again.patternCount, savedWords) != saved)
        std::abort();
    return 0;
}

#include "sample_library.h"

#include "wrenfold/generator/library_store.h"

#include "platform/files.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <vector>

namespace wrenfold::bench {

namespace {

// Word-like texts made of syllables, the same on every run.
class Words {
public:
    std::string next() {
        static const char* const kSyllables[] = {"ka",  "lo",  "mer", "ti",  "sun", "dra", "vel", "on",
                                                 "pri", "ast", "mu",  "ren", "gol", "fi",  "nor", "be"};
        std::string word;
        const int syllables = 1 + static_cast<int>(step() % 3);
        for (int i = 0; i < syllables; ++i)
            word += kSyllables[step() % 16];
        return word;
    }

private:
    uint32_t step() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 24;
    }
    uint32_t state_ = 12345;
};

const char* const kPatterns[] = {
    "The <adj,1> <noun,1> <verb,2> <adv,1> over the <adj,1> <noun,2> near a <noun,1>.",
    "A <noun,1> is <verb,3> the <noun,2> while <adj,1> <noun,2> <verb,1> <adv,1>.",
    "Why do <adj,1> <noun,2> <verb,1> so <adv,1> when the <noun,1> <verb,2>?",
    "<adv,1> the <noun,1> <verb,2> a <adj,1> <noun,1> and <verb,2> home.",
    "Every <noun,1> <verb,2> <adv,1>, but no <adj,1> <noun,1> was <verb,3> the <noun,2>.",
    "Under the <adj,1> <noun,1>, <noun,2> <verb,1> <adv,1> and <adj,1> <noun,2> sleep.",
    "She <verb,2> the <adj,1> <noun,1> <adv,1>; he <verb,2> two <noun,2>.",
    "Never <verb,1> a <noun,1> that is <verb,3> <adv,1> with <adj,1> <noun,2>.",
};

std::string Json(const std::string& text) {
    return "\"" + text + "\"";
} // the words need no escapes

} // namespace

void WriteSampleLibrary(const std::string& applicationDirectory, int wordsPerVocabulary) {
    const std::string folder = LibraryFolderPath(applicationDirectory, kSampleLibrary);
    std::filesystem::create_directories(folder);
    SaveLibraryList(LibraryListPath(applicationDirectory), {kSampleLibrary});

    struct Vocabulary {
        const char* name;
        int forms;
        const char* endings[3];
    };
    const Vocabulary vocabularies[] = {
        {"noun", 2, {"", "s", ""}},
        {"verb", 3, {"", "ed", "ing"}},
        {"adj", 1, {"", "", ""}},
        {"adv", 1, {"ly", "", ""}},
    };
    Words words;
    std::map<std::string, std::vector<std::string>> tracery; // symbol -> words
    for (const auto& v : vocabularies) {
        EditedText lines;
        for (int i = 0; i < wordsPerVocabulary; ++i) {
            const std::string stem = words.next();
            std::string line;
            for (int f = 0; f < v.forms; ++f) {
                const std::string form = stem + v.endings[f];
                if (f > 0)
                    line += ',';
                line += form;
                tracery[std::string(v.name) + std::to_string(f + 1)].push_back(form);
            }
            lines.lines.push_back(line);
        }
        lines.finalBreak = true;
        WriteVocabularyFile(VocabularyFilePath(folder, v.name), std::to_string(v.forms), lines);
    }
    EditedText grammar;
    for (const char* pattern : kPatterns)
        grammar.lines.push_back(pattern);
    grammar.finalBreak = true;
    WriteGrammarFile(GrammarFilePath(folder, kSampleLibrary), grammar);

    // The same grammar for Tracery: "<noun,2>" becomes "#noun2#".
    std::string json = "{\n  \"origin\": [";
    for (size_t p = 0; p < std::size(kPatterns); ++p) {
        std::string pattern = kPatterns[p];
        std::string out;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '<') {
                const size_t comma = pattern.find(',', i), close = pattern.find('>', i);
                out += '#';
                out.append(pattern, i + 1, comma - i - 1);
                out.append(pattern, comma + 1, close - comma - 1);
                out += '#';
                i = close;
            } else {
                out += pattern[i];
            }
        }
        if (p > 0)
            json += ", ";
        json += Json(out);
    }
    json += "]";
    for (const auto& [symbol, list] : tracery) {
        json += ",\n  " + Json(symbol) + ": [";
        for (size_t i = 0; i < list.size(); ++i) {
            if (i > 0)
                json += ", ";
            json += Json(list[i]);
        }
        json += "]";
    }
    json += "\n}\n";
    platform::WriteFileAtomic(applicationDirectory + "sample.tracery.json", json);
}

std::string MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "wrenfold-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a temporary folder");
    return pattern + "/";
}

} // namespace wrenfold::bench

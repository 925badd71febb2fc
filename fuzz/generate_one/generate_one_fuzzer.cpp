// Generates sentences from a fuzzed grammar and fuzzed vocabulary files "a", "b", "a b" and ""
// (the file ".wod", which a variable without a comma reads). Input: the grammar and the four files,
// each as a random-length string of FuzzedDataProvider (ended by a backslash and one more byte),
// and the seed from the last 4 bytes. Checks that a sentence
// either comes out without "<" or fails with the program's own errors, that scanning each pattern
// and following the prepared pattern list both give exactly what rewriting the whole sentence for
// every variable gives, and (with ASan) that nothing leaks.
#include "wrenfold/generator/generator.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The same seeds for both runs, different from pick to pick.
class StepSeeds : public wrenfold::SeedSource {
public:
    explicit StepSeeds(uint32_t seed) : seed_(seed) {}
    uint32_t Seed() override { return seed_ = seed_ * 1103515245u + 12345u; }

private:
    uint32_t seed_;
};

const char* const kNames[] = {"a", "b", "a b", ""};
void RemoveFolder();

// The folder of the vocabulary files, removed at exit. It is never destroyed, so that it is still
// there when the exit handler runs.
const std::string& Folder() {
    static const std::string* const folder = [] {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        auto* dir = new std::string(std::string(base) + "/wrenfold-fuzz-" + std::to_string(::getpid()));
        ::mkdir(dir->c_str(), 0700);
        std::atexit([] { RemoveFolder(); });
        return dir;
    }();
    return *folder;
}

void RemoveFolder() {
    for (const char* name : kNames)
        ::unlink(wrenfold::VocabularyFilePath(Folder(), name).c_str());
    ::rmdir(Folder().c_str());
}

void Write(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        std::abort();
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        std::abort();
    ::close(fd);
}

// A small bound keeps the sentence that the reference below rewrites again and again short.
constexpr int kBound = 300;

// GenerateOne as the algorithm reads word for word: rewrite the whole sentence for every variable,
// searching the first "<" and the first ">" from its beginning each time.
std::string ReferenceSentence(const wrenfold::Lines& patterns, wrenfold::Generator& generator,
                              wrenfold::RandomSource& random) {
    const uint32_t n = static_cast<uint32_t>(patterns.size());
    const uint32_t pick = random.Pick(n);
    std::string s = n == 0 ? std::string() : patterns[pick];
    int replacements = 0;
    while (s.find('<') != std::string::npos) {
        const size_t p = s.find('<'), q = s.find('>');
        std::string variable;
        if (q != std::string::npos && q > p)
            variable = s.substr(p + 1, q - p - 1);
        if ((q == std::string::npos || q > p) && ++replacements > kBound)
            throw wrenfold::ExpansionLimitError(kBound);
        const std::string word(generator.GetAWord(variable)); // fails for an empty variable text
        s = s.substr(0, p) + word + s.substr(q + 1);
    }
    return s + " ";
}

enum class Way { Reference, Scanned, Prepared };

// The text of count sentences, then "|failed: " and the message when one fails.
std::string Run(const wrenfold::Lines& patterns, uint32_t seed, Way way, int count) {
    StepSeeds seeds(seed);
    wrenfold::RandomSource random(seeds);
    wrenfold::Generator generator(Folder(), random, kBound);
    if (way == Way::Prepared)
        generator.SetPatterns(patterns);
    std::string text;
    for (int i = 0; i < count; ++i) {
        const size_t before = text.size();
        try {
            if (way == Way::Reference)
                text += ReferenceSentence(patterns, generator, random);
            else if (way == Way::Scanned)
                generator.GenerateOne(patterns, text);
            else
                generator.GenerateOne(text);
        } catch (const platform::ConvertError& e) {
            if (text.size() != before)
                std::abort(); // a failing sentence is dropped
            return text + "|failed: " + e.what();
        } catch (const wrenfold::ExpansionLimitError& e) {
            if (text.size() != before)
                std::abort();
            return text + "|failed: " + e.what();
        }
        if (text.empty() || text.back() != ' ' || text.find('<', before) != std::string::npos)
            std::abort(); // a sentence ends with one blank and holds no "<"
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint32_t seed = input.ConsumeIntegral<uint32_t>();
    const wrenfold::Lines patterns = wrenfold::ParseGrammar(input.ConsumeRandomLengthString(1024));
    for (const char* name : kNames)
        Write(wrenfold::VocabularyFilePath(Folder(), name), input.ConsumeRandomLengthString(512));

    const std::string reference = Run(patterns, seed, Way::Reference, 3);
    if (Run(patterns, seed, Way::Scanned, 3) != reference ||
        Run(patterns, seed, Way::Prepared, 3) != reference)
        std::abort();
    return 0;
}

// Generates sentences from a fuzzed grammar and fuzzed vocabulary files "a", "b", "a b" and ""
// (the file ".wod", which a variable without a comma reads). Input: the grammar and the four files,
// each as a random-length string of FuzzedDataProvider (ended by a backslash and one more byte),
// and the seed from the last 4 bytes. Checks that a sentence
// either comes out without "<" or fails with the program's own errors, that the prepared pattern
// list gives exactly what scanning each pattern gives, and (with ASan) that nothing leaks.
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

const std::string& Folder() {
    static const std::string folder = [] {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string dir = std::string(base) + "/wrenfold-fuzz-" + std::to_string(::getpid());
        ::mkdir(dir.c_str(), 0700);
        std::atexit([] { RemoveFolder(); });
        return dir;
    }();
    return folder;
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

// The text of count sentences, then "|failed: " and the message when one fails.
std::string Run(const wrenfold::Lines& patterns, uint32_t seed, bool prepared, int count) {
    StepSeeds seeds(seed);
    wrenfold::RandomSource random(seeds);
    wrenfold::Generator generator(Folder(), random);
    if (prepared)
        generator.SetPatterns(patterns);
    std::string text;
    for (int i = 0; i < count; ++i) {
        const size_t before = text.size();
        try {
            if (prepared)
                generator.GenerateOne(text);
            else
                generator.GenerateOne(patterns, text);
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

    if (Run(patterns, seed, false, 3) != Run(patterns, seed, true, 3))
        std::abort();
    return 0;
}

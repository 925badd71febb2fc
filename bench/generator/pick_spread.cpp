// pick_spread [COUNT]
//   Runs the Generator command for COUNT sentences (2,000,000 by default) on a library whose one
//   pattern is "<w,1>.<w,1>.<w,1>" and whose vocabulary w has 300 word lines, twice: once with the
//   clock seed replacing the random state before every pick, once with it mixed into the state (the
//   program's rule). For each it prints how evenly the picks spread: the counts of the first word,
//   the pairs of first and second word and the whole sentences that came out, against what evenly
//   spread picks would give.
#include "sample_library.h"

#include "wrenfold/generator/generator.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kWords = 300;

// Emulates a seed that replaces the state: the state is xored with (clock xor state), i.e. it
// becomes the clock.
class ReplacingSeeds : public wrenfold::SeedSource {
public:
    void attach(const wrenfold::RandomSource& random) { random_ = &random; }
    uint32_t Seed() override { return clock_.Seed() ^ random_->state(); }

private:
    wrenfold::ClockSeedSource clock_;
    const wrenfold::RandomSource* random_ = nullptr;
};

class CollectUi : public wrenfold::GeneratorUi {
public:
    explicit CollectUi(int count) : count_(std::to_string(count)) {}
    void warnNoLibrary(const std::string&) override {}
    bool askCount(std::string& value) override {
        value = count_;
        return true;
    }
    void appendText(const std::string& t) override { text = t; }
    std::string text;

private:
    std::string count_;
};

double ExpectedDistinct(double cells, double samples) {
    return cells * (1 - std::pow(1 - 1 / cells, samples));
}

void Measure(const char* rule, const std::string& appDir, int count, wrenfold::SeedSource& seeds,
             wrenfold::RandomSource& random) {
    CollectUi ui(count);
    wrenfold::RunGeneratorCommand(appDir, "spread", ui, random);
    (void)seeds;

    std::vector<long> first(kWords, 0);
    std::unordered_map<long, long> pairs, sentences;
    long same = 0;
    const char* p = ui.text.c_str();
    for (int s = 0; s < count; ++s) {
        long w[3];
        for (int i = 0; i < 3; ++i) {
            ++p; // "w"
            w[i] = std::strtol(p, const_cast<char**>(&p), 10);
            ++p; // "." or " "
        }
        ++first[w[0]];
        ++pairs[w[0] * kWords + w[1]];
        ++sentences[(w[0] * kWords + w[1]) * kWords + w[2]];
        same += w[0] == w[1];
    }
    const double expected = double(count) / kWords;
    double chi = 0;
    long low = first[0], high = first[0];
    for (long c : first) {
        chi += (c - expected) * (c - expected) / expected;
        low = std::min(low, c);
        high = std::max(high, c);
    }
    long topSentence = 0;
    for (const auto& [key, c] : sentences)
        topSentence = std::max(topSentence, c);
    const double cellsPairs = double(kWords) * kWords, cellsSentences = cellsPairs * kWords;
    std::printf("%s\n", rule);
    std::printf(
        "  first word: counts %ld..%ld (even: %.0f), chi-square per degree of freedom %.2f (even: about 1)\n",
        low, high, expected, chi / (kWords - 1));
    std::printf("  first and second word: %zu of %.0f pairs seen (even: %.0f)\n", pairs.size(), cellsPairs,
                ExpectedDistinct(cellsPairs, count));
    std::printf("  second word equal to the first: %.3f%% (even: %.3f%%)\n", 100.0 * same / count,
                100.0 / kWords);
    std::printf("  whole sentences: %zu distinct of %d (even: %.0f), the most frequent %ld times\n",
                sentences.size(), count, ExpectedDistinct(cellsSentences, count), topSentence);
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000000;
    const std::string appDir = wrenfold::bench::MakeTempFolder();
    const std::string folder = wrenfold::LibraryFolderPath(appDir, "spread");
    std::filesystem::create_directories(folder);
    wrenfold::EditedText words;
    for (int i = 0; i < kWords; ++i)
        words.lines.push_back(std::string(1, 'w').append(std::to_string(i)));
    wrenfold::WriteVocabularyFile(wrenfold::VocabularyFilePath(folder, "w"), "1", words);
    wrenfold::WriteGrammarFile(wrenfold::GrammarFilePath(folder, "spread"), {{"<w,1>.<w,1>.<w,1>"}, false});
    std::printf("%d sentences of three picks among %d words, in one fast run each\n", count, kWords);

    ReplacingSeeds replacing;
    wrenfold::RandomSource replaced(replacing);
    replacing.attach(replaced);
    Measure("clock seed replaces the state before each pick:", appDir, count, replacing, replaced);

    wrenfold::ClockSeedSource clock;
    wrenfold::RandomSource mixed(clock);
    Measure("clock seed mixed into the state before each pick (the program's rule):", appDir, count, clock,
            mixed);

    std::filesystem::remove_all(appDir);
    return 0;
}

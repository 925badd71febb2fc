#include "wrenfold/generator/random_source.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

class ScriptedSeeds : public wrenfold::SeedSource {
public:
    explicit ScriptedSeeds(std::vector<uint32_t> seeds) : seeds_(std::move(seeds)) {}
    uint32_t Seed() override { return seeds_.at(next_++ % seeds_.size()); }

private:
    std::vector<uint32_t> seeds_;
    size_t next_ = 0;
};

TEST(RandomSource, StepsTheStateAndTakesTheUpperBitsOfStateTimesN) {
    // Worked out by hand: state = (state xor seed) * 134775813 + 1 mod 2^32, pick = state * n >> 32.
    struct Step {
        uint32_t seed, n, pick, state;
    };
    const Step steps[] = {
        {1, 100, 3, 134775814u},
        {0, 100, 86, 3698175007u},
        {0xdeadbeefu, 7, 1, 788799153u},
        {0xffffffffu, 1000, 435, 1871158919u},
    };
    std::vector<uint32_t> seeds;
    for (const auto& s : steps)
        seeds.push_back(s.seed);
    ScriptedSeeds source(seeds);
    wrenfold::RandomSource random(source);
    for (const auto& s : steps) {
        EXPECT_EQ(random.Pick(s.n), s.pick);
        EXPECT_EQ(random.state(), s.state);
    }
}

TEST(RandomSource, PickAmongNoneIsZeroAndStillSteps) {
    ScriptedSeeds source({0});
    wrenfold::RandomSource random(source, 0xffffffffu);
    EXPECT_EQ(random.Pick(0), 0u);
    EXPECT_EQ(random.state(), 0xffffffffu * 134775813u + 1u);
}

TEST(RandomSource, TheSameSeedEveryTimeStillSpreadsThePicks) {
    // A clock read twice within its resolution gives the same seed; the picks must not repeat.
    ScriptedSeeds source({123456789u});
    wrenfold::RandomSource random(source);
    std::set<uint32_t> seen;
    for (int i = 0; i < 200; ++i) {
        const uint32_t pick = random.Pick(10);
        ASSERT_LT(pick, 10u);
        seen.insert(pick);
    }
    EXPECT_EQ(seen.size(), 10u);
}

} // namespace

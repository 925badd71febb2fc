#pragma once
// The random source of the generator: a 32-bit linear congruential state that takes in a fresh
// seed from a clock before every pick.
#include <cstdint>

namespace wrenfold {

// Where the seed of each pick comes from. Production uses the clock; tests inject fixed values.
class SeedSource {
public:
    virtual ~SeedSource() = default;
    virtual uint32_t Seed() = 0;
};

// The high-resolution clock: the low 32 bits of std::chrono::steady_clock in nanoseconds.
class ClockSeedSource final : public SeedSource {
public:
    uint32_t Seed() override;
};

// Pick(n): state takes in a seed, then steps as state = state * 134775813 + 1 (modulo 2^32); the
// result is the upper 32 bits of the 64-bit product state * n, an index from 0 to n - 1 (0 when
// n is 0).
//
// The seed is mixed into the state (exclusive or) rather than replacing it. Replacing the state
// with the clock before every pick ties each pick to the time since the one before: in a fast run
// the gaps between picks take only a handful of values, so a pick all but fixes the next ones and
// most combinations of words never come out (bench/generator/pick_spread measures it). Mixed in,
// the clock still makes every run different, and the linear congruential step spreads the picks.
//
// The program keeps one RandomSource for the whole process (in its state object), as the state
// lives from one command to the next.
class RandomSource {
public:
    explicit RandomSource(SeedSource& seeds, uint32_t state = 0) : seeds_(seeds), state_(state) {}

    uint32_t Pick(uint32_t n) {
        state_ ^= seeds_.Seed();
        state_ = state_ * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
    }

    uint32_t state() const { return state_; }

private:
    SeedSource& seeds_;
    uint32_t state_;
};

} // namespace wrenfold

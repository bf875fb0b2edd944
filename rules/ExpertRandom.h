// The expert seats' own small generator (SplitMix64), seeded from what the seat sees. It never
// touches the game's generator, so asking an expert what it would do changes nothing.
#pragma once

#include <cstdint>

namespace zelvaro {

class ExpertRandom {
public:
    explicit ExpertRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1 for n >= 1 (the multiply-shift spread; its bias is far below what matters).
    int below(int n) {
        return static_cast<int>(((next() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint64_t state_;
};

}  // namespace zelvaro

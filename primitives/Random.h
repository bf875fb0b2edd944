// The program's single random generator: the same start state at every launch, never
// reseeded, draws in [0, 1). Which stretch of its sequence a game uses is decided by how
// many draws came before, so skipping ahead is exact and cheap.
#pragma once

#include <cstdint>

namespace zelvaro {

class Random {
public:
    Random() = default;

    // One draw r with 0 <= r < 1; here, where every shuffle and decision can inline it.
    double next() {
        state_ = state_ * kMultiplier + kIncrement;
        ++draws_;
        // The low bits of an LCG are weak; mix the state before taking 53 bits.
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }
    // Advances the sequence as `count` draws would, in O(log count).
    void discard(std::uint64_t count);
    // Skips Int(n) + 1 draws for the stored number n, as the opponents' and the field's draws
    // do before each of theirs; a negative n skips none.
    void burn(double n);
    // Draws made so far, including skipped ones.
    std::uint64_t drawsMade() const { return draws_; }

private:
    static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
    static constexpr std::uint64_t kStartState = 0x5A454C5641524F31ULL;

    std::uint64_t state_ = kStartState;
    std::uint64_t draws_ = 0;
};

}  // namespace zelvaro

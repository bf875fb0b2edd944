#include "primitives/Random.h"

#include "rules/Rounding.h"

namespace zelvaro {

double Random::next() {
    state_ = state_ * kMultiplier + kIncrement;
    ++draws_;
    // The low bits of an LCG are weak; mix the state before taking 53 bits.
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

void Random::discard(std::uint64_t count) {
    // Jump ahead (Brown, "Random number generation with arbitrary strides").
    std::uint64_t accMult = 1, accPlus = 0;
    std::uint64_t curMult = kMultiplier, curPlus = kIncrement;
    draws_ += count;
    while (count > 0) {
        if (count & 1U) {
            accMult *= curMult;
            accPlus = accPlus * curMult + curPlus;
        }
        curPlus = (curMult + 1) * curPlus;
        curMult *= curMult;
        count >>= 1U;
    }
    state_ = accMult * state_ + accPlus;
}

void Random::burn(double n) {
    if (n >= 0) discard(static_cast<std::uint64_t>(intFloor(n)) + 1);
}

}  // namespace zelvaro

#include "primitives/Random.h"

#include "rules/Rounding.h"

namespace zelvaro {

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

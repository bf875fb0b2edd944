#include "tournament/SimulatedHands.h"

#include <algorithm>

#include "primitives/Random.h"
#include "rules/Rounding.h"

namespace zelvaro {
namespace {

// Int(r x n) of one fresh draw.
int drawBelow(Random& random, int n) {
    return static_cast<int>(intFloor(random.next() * n));
}

}  // namespace

EntrantGain simulatePointsHand(Random& random) {
    const int winner = drawBelow(random, kTableSeats);
    const int r1 = drawBelow(random, 11);
    const int r2 = drawBelow(random, 11);
    const int r3 = drawBelow(random, 11);
    return {winner, std::max(7, r1 + 7 - r2 - r3)};
}

std::array<EntrantGain, kTableSeats> simulatePotHands(Random& random) {
    std::array<EntrantGain, kTableSeats> hands{};
    for (EntrantGain& hand : hands) {
        const int winner = drawBelow(random, kTableSeats);
        const int r1 = drawBelow(random, 37);
        const int r2 = drawBelow(random, 37);
        const int r3 = drawBelow(random, 10);
        const int r4 = drawBelow(random, 10);
        const int r5 = drawBelow(random, 10);
        const int r6 = drawBelow(random, 10);
        hand = {winner, std::clamp(r1 + 48 - r2 - r3 - r4 + r5 + r6, 12, 84)};
    }
    return hands;
}

std::array<EntrantGain, kTableSeats> simulateEliminationHand(Random& random) {
    std::array<EntrantGain, kTableSeats> places{};
    std::array<bool, kTableSeats> out{};
    int shared = 0;  // 1 right after a place that the next one shares
    int points = 1;
    for (int place = 1; place <= kTableSeats; ++place) {
        int row = 0;
        int bump = 0;
        // An entrant already out is drawn again, with both draws.
        do {
            row = drawBelow(random, kTableSeats);
            bump = drawBelow(random, kTableSeats);
        } while (out[row]);
        if (shared == 1) {
            shared = 0;
        } else if (bump < 2 && place != 5) {
            ++points;
            shared = 1;
        }
        points = std::min(points, 6);
        places[place - 1] = {row, points};
        out[row] = true;
        points = points - shared + 1;
    }
    return places;
}

}  // namespace zelvaro

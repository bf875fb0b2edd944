// The random model that plays the hands of the tournament's other tables: who wins and what
// each entrant of the table (rows 0 to 5) takes. The draws come in a fixed order, so the same
// stretch of the generator always plays the same hands.
#pragma once

#include <array>

namespace zelvaro {

class Random;

inline constexpr int kTableSeats = 6;

struct EntrantGain {
    int row;     // the entrant's row among the table's six
    int points;  // what it takes
};

// Points family: one hand, won by one entrant with 7 to 17 points.
EntrantGain simulatePointsHand(Random& random);
// Pot family: six hands, each won by one entrant with 12 to 84 points.
std::array<EntrantGain, kTableSeats> simulatePotHands(Random& random);
// Elimination family: one hand in which the six entrants go out one by one, in the order
// returned, each taking 1 to 6 points by its place; two places may share a value.
std::array<EntrantGain, kTableSeats> simulateEliminationHand(Random& random);

}  // namespace zelvaro

// What a hand is played for, by game type: being the last to hold cards, the points that go
// with it, a place in the order of going out, or pot shares.
#pragma once

#include "rules/MatchOptions.h"

namespace zelvaro {

enum class GameFamily {
    LastHolder,   // "Partita Singola", "3 Vinte", "5 Vinte", "Chips": the hand's winner alone
    Points,       // "25 Punti", "50 Punti", "100 Punti": the winner scores his cards plus 5
    Elimination,  // "Eliminazione ...": each seat scores by when it goes out, the winner 6
    Pot,          // "Piatto ...": each trick's pot goes to its highest cards, no prize cards
};

inline GameFamily gameFamily(const MatchOptions& options) {
    if (options.isPotGame()) return GameFamily::Pot;
    if (options.isEliminationGame()) return GameFamily::Elimination;
    if (options.isPointsGame()) return GameFamily::Points;
    return GameFamily::LastHolder;
}

}  // namespace zelvaro

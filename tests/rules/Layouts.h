// Random card layouts for the tests that hold the word-at-a-time card operations to plain
// card-by-card versions.
#pragma once

#include <array>
#include <cstdint>

#include "rules/Card.h"
#include "rules/Pile.h"
#include "rules/Table.h"

namespace zelvaro::rulestest {

// The share of places holding a card, in percent, that the sweeps run through: the empty and
// the full pile, nearly empty and nearly full, and between.
inline constexpr int kDensities[] = {0, 3, 30, 50, 70, 97, 100};

// A small generator of its own, so the layouts do not depend on the game's.
class Layouts {
public:
    explicit Layouts(std::uint64_t seed) : state_(seed) {}
    int below(int n) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
    }
    Card card() { return Card{2 + below(13), "cmfp"[below(4)]}; }
    // A pile where each place holds a card with the given chance in percent.
    std::array<Card, kPileSize> pile(int percent) {
        std::array<Card, kPileSize> pile{};
        for (Card& place : pile) place = below(100) < percent ? card() : kEmptyCard;
        return pile;
    }
    Hand hand(int percent) {
        Hand hand{};
        for (Card& place : hand) place = below(100) < percent ? card() : kEmptyCard;
        return hand;
    }

private:
    std::uint64_t state_;
};

inline std::array<Card, kPileSize> compactedByHand(const std::array<Card, kPileSize>& pile) {
    std::array<Card, kPileSize> result{};
    result.fill(kEmptyCard);
    int write = 0;
    for (const Card& card : pile) {
        if (!card.empty()) result[write++] = card;
    }
    return result;
}

inline int firstEmptyByHand(const std::array<Card, kPileSize>& pile) {
    for (int place = 0; place < kPileSize; ++place) {
        if (pile[place].empty()) return place;
    }
    return -1;
}

}  // namespace zelvaro::rulestest

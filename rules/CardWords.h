// Cards four at a time: a card is two bytes, its value byte first, so a 64-bit word holds
// four cards, each value byte the low byte of a 16-bit lane. The pile scans and the hand
// display compare whole words instead of card after card.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "rules/Card.h"

namespace zelvaro::cardwords {

static_assert(sizeof(Card) == 2 && std::endian::native == std::endian::little);
inline constexpr int kCardsPerWord = 4;
inline constexpr std::uint64_t kValueBytes = 0x00FF00FF00FF00FFull;
inline constexpr std::uint64_t kLaneOnes = 0x0001000100010001ull;
inline constexpr std::uint64_t kLaneTops = 0x8000800080008000ull;
inline constexpr int kLaneBits = 16;

// The value bytes of the four cards starting at `first`.
inline std::uint64_t values(const Card* first) {
    std::uint64_t word = 0;
    std::memcpy(&word, first, sizeof word);
    return word & kValueBytes;
}

// The lanes whose value is 0. Only the lowest such lane is sure, which is the one a scan
// needs: a borrow only runs upwards from an empty lane.
inline std::uint64_t emptyLanes(std::uint64_t values) {
    return (values - kLaneOnes) & ~values & kLaneTops;
}
// The lanes whose value is not 0 (values fit a byte, so no carry leaves a lane). Exact.
inline std::uint64_t cardLanes(std::uint64_t values) {
    return (values + (kLaneTops - kLaneOnes)) & kLaneTops;
}
// The four lanes' numbers added up (the multiply sums them into the top lane); the sum must
// fit a lane.
inline int laneSum(std::uint64_t counts) {
    return static_cast<int>((counts * kLaneOnes) >> (3 * kLaneBits));
}
// Each set lane as the number 1 in that lane.
inline std::uint64_t laneOnes(std::uint64_t lanes) {
    return lanes >> (kLaneBits - 1);
}
// How many lanes are set.
inline int laneCount(std::uint64_t lanes) {
    return laneSum(laneOnes(lanes));
}
// The place, within its word, of the lowest lane set.
inline int lowestLane(std::uint64_t lanes) {
    return std::countr_zero(lanes) / kLaneBits;
}

// Whether the values never rise from one place to the next, empty places (0) included. Each
// lane is compared with the lane after it: lane | 0x100 minus the next keeps bit 8 exactly when
// it is not smaller, and no borrow crosses a lane.
template <std::size_t N>
bool valuesNeverRise(const std::array<Card, N>& cards) {
    static_assert(N % kCardsPerWord == 0);
    constexpr std::uint64_t kBit8 = 0x0100010001000100ull;
    bool neverRise = true;
    for (std::size_t first = 0; first < N; first += kCardsPerWord) {
        const std::uint64_t here = values(&cards[first]);
        std::uint64_t next = here >> kLaneBits;
        if (first + kCardsPerWord < N) {
            next |= values(&cards[first + kCardsPerWord]) << (3 * kLaneBits);
        }
        neverRise &= (((here | kBit8) - next) & kBit8) == kBit8;
    }
    return neverRise;
}

}  // namespace zelvaro::cardwords

// A card or a card place: value 2..14 (14 is the Ace) and a suit letter c, m, f, p.
// Value 0 marks an empty place, 15 a pass in the trick.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

namespace zelvaro {

inline constexpr int kAce = 14;
inline constexpr int kPass = 15;
inline constexpr char kEmptySuit = 'o';
inline constexpr char kNoSuit = '\0';  // the pass mark and a cleared trick carry no suit

struct Card {
    std::int8_t value = 0;
    char suit = kEmptySuit;

    constexpr Card() = default;
    constexpr Card(int cardValue, char cardSuit)
        : value(static_cast<std::int8_t>(cardValue)), suit(cardSuit) {}

    bool empty() const { return value == 0; }
    bool isPass() const { return value == kPass; }
    bool isReal() const { return value >= 2 && value <= kAce; }
    bool operator==(const Card&) const = default;
};

inline constexpr Card kEmptyCard{0, kEmptySuit};

// Two bytes without padding: rows of cards can be read and compared as memory.
static_assert(std::has_unique_object_representations_v<Card>);

// "carte/14 c.jpg"; an empty place is "carte/0 o.jpg".
const std::string& cardPicture(Card card);
// The card as a player names it, "Asso di cuori"; empty for an empty place or a pass.
const std::string& cardName(Card card);
inline const std::string kCardBack = "carte/retro.jpg";

}  // namespace zelvaro

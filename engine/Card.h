// A card or a card place: value 2..14 (14 is the Ace) and a suit letter c, m, f, p.
// Value 0 marks an empty place, 15 a pass in the trick.
#pragma once

#include <string>

namespace zelvaro {

inline constexpr int kAce = 14;
inline constexpr int kPass = 15;
inline constexpr char kEmptySuit = 'o';
inline constexpr char kNoSuit = '\0';  // the pass mark and a cleared trick carry no suit

struct Card {
    int value = 0;
    char suit = kEmptySuit;

    bool empty() const { return value == 0; }
    bool isPass() const { return value == kPass; }
    bool isReal() const { return value >= 2 && value <= kAce; }
    bool operator==(const Card&) const = default;
};

inline constexpr Card kEmptyCard{0, kEmptySuit};

// "carte/14 c.jpg"; an empty place is "carte/0 o.jpg".
const std::string& cardPicture(Card card);
inline const std::string kCardBack = "carte/retro.jpg";

}  // namespace zelvaro

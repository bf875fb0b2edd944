#include "rules/Card.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zelvaro {
namespace {

constexpr std::string_view kSuits = "cmfp";
constexpr std::array<std::string_view, 4> kSuitNames{"cuori", "quadri", "fiori", "picche"};
// From the two up to the ace.
constexpr std::array<std::string_view, 13> kValueNames{
    "Due",  "Tre",   "Quattro", "Cinque", "Sei", "Sette", "Otto",
    "Nove", "Dieci", "Fante",   "Donna",  "Re",  "Asso"};
// The place of each suit letter in kSuits, -1 for any other character.
constexpr auto kSuitIndex = [] {
    std::array<std::int8_t, 256> index{};
    index.fill(-1);
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        index[static_cast<unsigned char>(kSuits[s])] = static_cast<std::int8_t>(s);
    }
    return index;
}();

// Each card's picture and name, made once: the table asks for them at every card it shows.
struct CardTexts {
    std::array<std::array<std::string, 4>, 15> pictures;
    std::array<std::array<std::string, 4>, 15> names;
    std::string emptyPlace = "carte/0 o.jpg";
    std::string noName;
    CardTexts() {
        for (int value = 2; value <= kAce; ++value) {
            for (std::size_t s = 0; s < kSuits.size(); ++s) {
                pictures[value][s] = "carte/" + std::to_string(value) + " " + kSuits[s] + ".jpg";
                names[value][s] = std::string(kValueNames[static_cast<std::size_t>(value - 2)]) +
                                  " di " + std::string(kSuitNames[s]);
            }
        }
    }
};

const CardTexts& cardTexts() {
    static const CardTexts texts;
    return texts;
}

// The suit's place for a real card, -1 for an empty place, a pass or an unknown suit.
int suitOf(Card card) {
    return card.isReal() ? kSuitIndex[static_cast<unsigned char>(card.suit)] : -1;
}

}  // namespace

const std::string& cardPicture(Card card) {
    const int suit = suitOf(card);
    return suit < 0 ? cardTexts().emptyPlace : cardTexts().pictures[card.value][suit];
}

const std::string& cardName(Card card) {
    const int suit = suitOf(card);
    return suit < 0 ? cardTexts().noName : cardTexts().names[card.value][suit];
}

}  // namespace zelvaro

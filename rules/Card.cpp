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

struct PictureTable {
    std::array<std::array<std::string, 4>, 15> faces;
    std::string emptyPlace = "carte/0 o.jpg";
    PictureTable() {
        for (int value = 2; value <= kAce; ++value) {
            for (std::size_t s = 0; s < kSuits.size(); ++s) {
                faces[value][s] = "carte/" + std::to_string(value) + " " + kSuits[s] + ".jpg";
            }
        }
    }
};

}  // namespace

const std::string& cardPicture(Card card) {
    static const PictureTable table;
    const int suit = kSuitIndex[static_cast<unsigned char>(card.suit)];
    if (!card.isReal() || suit < 0) return table.emptyPlace;
    return table.faces[card.value][suit];
}

std::string cardName(Card card) {
    const int suit = kSuitIndex[static_cast<unsigned char>(card.suit)];
    if (!card.isReal() || suit < 0) return {};
    std::string name(kValueNames[static_cast<std::size_t>(card.value - 2)]);
    return name.append(" di ").append(kSuitNames[static_cast<std::size_t>(suit)]);
}

}  // namespace zelvaro

#include "engine/Card.h"

#include <array>

namespace zelvaro {
namespace {

constexpr std::string_view kSuits = "cmfp";

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
    const auto suit = kSuits.find(card.suit);
    if (!card.isReal() || suit == std::string_view::npos) return table.emptyPlace;
    return table.faces[card.value][suit];
}

}  // namespace zelvaro

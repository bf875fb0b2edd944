#include "rules/UnseenCards.h"

#include <algorithm>
#include <utility>

namespace zelvaro {
namespace {

constexpr int kCopiesOfAValue = 8;  // two packs of four suits

}  // namespace

UnseenCards::UnseenCards(const ExpertView& view) : view_(view), family_(gameFamily(view.options)) {
    std::array<int, 15> left{};
    for (int v = 2; v <= kAce; ++v) left[v] = kCopiesOfAValue;
    const auto see = [&left](int v) {
        if (v >= 2 && v <= kAce && left[v] > 0) --left[v];
    };
    for (const Card& card : view.hand) see(card.value);
    for (int v : view.prize) see(v);
    for (int v = 2; v <= kAce; ++v) {
        for (int n = 0; n < view.gone[v] && left[v] > 0; ++n) {
            --left[v];
            laid_[laidCount_++] = static_cast<std::uint8_t>(v);
        }
    }
    for (const Card& card : view.trick) {
        if (card.isReal() && left[card.value] > 0) {
            --left[card.value];
            laid_[laidCount_++] = static_cast<std::uint8_t>(card.value);
        }
    }
    for (int v = 2; v <= kAce; ++v) {
        for (int n = 0; n < left[v]; ++n) unseen_[unseenCount_++] = static_cast<std::uint8_t>(v);
    }
}

HandPlayout UnseenCards::deal(ExpertRandom& random) const {
    HandPlayout table(family_, view_.options.twoBeatsAce());
    const auto shuffle = [&random](std::uint8_t* first, int n) {
        for (int i = n - 1; i > 0; --i) std::swap(first[i], first[random.below(i + 1)]);
    };
    // The unseen cards, then the laid ones: in a long hand the other seats may hold cards
    // that were laid and came back as prizes.
    std::array<std::uint8_t, 208> cards{};
    std::copy_n(unseen_.begin(), unseenCount_, cards.begin());
    shuffle(cards.data(), unseenCount_);
    std::copy_n(laid_.begin(), laidCount_, cards.begin() + unseenCount_);
    // The current trick went to the bottom last, in order; the earlier tricks' order is not
    // remembered.
    const int inTrick = static_cast<int>(
        std::count_if(view_.trick.begin(), view_.trick.end(), [](Card c) { return c.isReal(); }));
    shuffle(cards.data() + unseenCount_, std::max(laidCount_ - inTrick, 0));
    const int total = unseenCount_ + laidCount_;

    for (const Card& card : view_.hand) {
        if (card.isReal()) table.give(view_.seat, card.value);
    }
    int next = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (seat == view_.seat) continue;
        for (int n = 0; n < view_.cardsHeld[seat] && next < total; ++n) {
            table.give(seat, cards[next++]);
        }
    }
    for (int v : view_.prize) {
        if (v != 0) table.putOnPile(v);
    }
    while (next < total) table.putOnPile(cards[next++]);
    table.setTrick(view_.trick, view_.trickleader);
    return table;
}

}  // namespace zelvaro

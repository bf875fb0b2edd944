#include "ui/MotionPlan.h"

#include <algorithm>
#include <bit>

#include "engine/display/TableLayout.h"

namespace zelvaro::ui {
namespace {

constexpr std::array<ControlArray<12>, 6> kHands{ctl::Picture2, ctl::Picture4, ctl::Picture3,
                                                 ctl::Picture8, ctl::Picture7, ctl::Picture5};

bool leaves(const CardChange& c) {
    return c.before.shown && (!c.after.shown || c.before.picture != c.after.picture);
}
bool arrives(const CardChange& c) {
    return c.after.shown && (!c.before.shown || c.before.picture != c.after.picture);
}

// Takes out of `from` the first card that `accept` takes, or nothing.
template <class Accept>
std::optional<CardChange> takeFirst(std::vector<CardChange>& from, const Accept& accept) {
    const auto found = std::find_if(from.begin(), from.end(), accept);
    if (found == from.end()) return std::nullopt;
    CardChange taken = *found;
    from.erase(found);
    return taken;
}

Flight arrival(const CardChange& c, const QRectF& from, int delayMs, int durationMs) {
    return {c.control, c.after.pixmap, from, c.place, delayMs, durationMs};
}
Flight departure(const CardChange& c, const QRectF& to, int delayMs, int durationMs) {
    return {std::nullopt, c.before.pixmap, c.place, to, delayMs, durationMs};
}

}  // namespace

std::optional<CardSpot> cardSpotOf(Control c) {
    for (int seat = 0; seat < 6; ++seat) {
        if (c.id == kHands[seat].id) return CardSpot{CardRole::Hand, seat, c.index};
        if (c == layout::kTablePlaceControl[seat]) return CardSpot{CardRole::TablePlace, seat, 0};
    }
    if (c == ctl::Picture16) return CardSpot{CardRole::Prize, -1, 0};
    if (c == ctl::Picture17) return CardSpot{CardRole::Prize, -1, 1};
    return std::nullopt;
}

void MotionPlan::changeOfBacks(const CardChange& gone, std::vector<Flight>& flights) const {
    // An opponent who changes lays two cards on the pile and draws one: his hand shows one
    // back fewer, so the back before it goes too and comes back from the pile.
    const int place = gone.spot.place - 1;
    if (place < 0) return;
    const int move = pace_.moveMs;
    const Control kept = kHands[gone.spot.seat][place];
    const QRectF at = gone.place.translated(-layout::kBackStep, 0);
    flights.push_back({std::nullopt, gone.before.pixmap, at, homes_.pile, move / 10, move / 2});
    flights.push_back({kept, gone.before.pixmap, homes_.pile, at, move * 6 / 10, move * 4 / 10});
}

bool MotionPlan::isDeal(const std::vector<CardChange>& changes) {
    unsigned seats = 0;
    for (const CardChange& c : changes) {
        if (c.spot.role == CardRole::Hand && arrives(c)) seats |= 1u << c.spot.seat;
    }
    return std::popcount(seats) >= 3;
}

std::vector<Flight> MotionPlan::plan(const std::vector<CardChange>& changes,
                                     unsigned winners) const {
    std::vector<Flight> flights;
    if (!pace_.on()) return flights;
    const int move = pace_.moveMs;
    std::array<std::vector<CardChange>, 6> handLeaving;
    std::array<std::vector<CardChange>, 6> handArriving;
    std::vector<CardChange> laid;
    std::vector<CardChange> taken;
    for (const CardChange& c : changes) {
        if (c.spot.role == CardRole::Prize) continue;
        const bool hand = c.spot.role == CardRole::Hand;
        if (leaves(c)) (hand ? handLeaving[c.spot.seat] : taken).push_back(c);
        if (arrives(c)) {
            if (hand) {
                handArriving[c.spot.seat].push_back(c);
            } else {
                laid.push_back(c);
            }
        }
    }

    // A card laid comes from its seat's hand: the player's is the one of the same face.
    for (const CardChange& c : laid) {
        const int seat = c.spot.seat;
        const auto source = takeFirst(handLeaving[seat], [&](const CardChange& h) {
            return seat != 0 || h.before.picture == c.after.picture;
        });
        flights.push_back(arrival(c, source ? source->place : homes_.seats[seat], 0, move));
    }

    // The trick goes to its winners, shared out card by card when several take it.
    std::vector<int> takers;
    for (int seat = 0; seat < 6; ++seat) {
        if ((winners & (1u << seat)) != 0) takers.push_back(seat);
    }
    for (std::size_t k = 0; k < taken.size(); ++k) {
        const QRectF to = takers.empty() ? homes_.pile : homes_.seats[takers[k % takers.size()]];
        flights.push_back(departure(taken[k], to, 0, move * 6 / 10));
    }
    // In the pot games each winner's share of the pot goes to him as a chip.
    for (const int seat : takers) {
        if (!homes_.pot || taken.empty()) break;
        const QSizeF chip(28, 28);
        const QRectF from(homes_.pot->center() - QPointF(14, 14), chip);
        const QRectF to(homes_.seats[seat].center() - QPointF(14, 14), chip);
        flights.push_back({std::nullopt, homes_.chip, from, to, move / 5, move * 4 / 5});
    }

    // The player's hand sorted anew: each card slides from its old place to its new one. A
    // new deal brings new cards, even where one looks like a card of the last hand.
    const bool dealing = isDeal(changes);
    std::vector<CardChange>& mine = handArriving[0];
    for (auto it = mine.begin(); it != mine.end() && !dealing;) {
        const auto source = takeFirst(handLeaving[0], [&](const CardChange& h) {
            return h.before.picture == it->after.picture;
        });
        if (!source) {
            ++it;
            continue;
        }
        flights.push_back(arrival(*it, source->place, 0, move));
        it = mine.erase(it);
    }
    for (int seat = 1; seat < 6 && !dealing; ++seat) {
        // An opponent's backs all look alike: a back that comes and one that goes are no move.
        const std::size_t same = std::min(handArriving[seat].size(), handLeaving[seat].size());
        handArriving[seat].erase(handArriving[seat].begin(), handArriving[seat].begin() + same);
        handLeaving[seat].erase(handLeaving[seat].begin(), handLeaving[seat].begin() + same);
    }
    std::vector<CardChange> drawn;
    for (int seat = 0; seat < 6; ++seat) {
        drawn.insert(drawn.end(), handArriving[seat].begin(), handArriving[seat].end());
    }

    // Cards that leave a hand for no table place go back to the pile (a change); at a new
    // deal the old hands are simply cleared.
    for (int seat = 0; seat < 6 && !dealing; ++seat) {
        for (const CardChange& c : handLeaving[seat])
            flights.push_back(departure(c, homes_.pile, 0, move * 6 / 10));
        if (seat > 0 && handLeaving[seat].size() == 1) changeOfBacks(handLeaving[seat][0], flights);
    }

    // Cards come from the pile in the order they are dealt: seat by seat, place by place.
    if (drawn.empty()) return flights;
    std::stable_sort(drawn.begin(), drawn.end(), [](const CardChange& a, const CardChange& b) {
        return a.spot.seat != b.spot.seat ? a.spot.seat < b.spot.seat : a.spot.place < b.spot.place;
    });
    const int count = static_cast<int>(drawn.size());
    const int span = dealing ? std::max(pace_.dealMs, move) : move;
    // After a trick the prize cards follow it.
    const int start = !dealing && !taken.empty() ? move * 4 / 10 : 0;
    const int duration = std::max(1, dealing ? span * 45 / 100 : (span - start) * 7 / 10);
    const int step = count > 1 ? (span - start - duration) / (count - 1) : 0;
    for (int i = 0; i < count; ++i)
        flights.push_back(arrival(drawn[i], homes_.pile, start + i * step, duration));
    return flights;
}

}  // namespace zelvaro::ui

#include "rules/ExpertPlayer.h"

#include <array>

#include "rules/LayRule.h"
#include "rules/RolloutPolicy.h"
#include "rules/Showdown.h"
#include "rules/UnseenCards.h"

namespace zelvaro {
namespace {

constexpr int kPlayDeals = 24;
constexpr int kChangeDeals = 48;
// Seats that always play the same card in the same spot could pass the lead back and forth for
// ever. Past this many cards laid in one hand (ten times a long one) the expert lays a card at
// random: the hand then ends sooner or later.
constexpr int kEndlessHand = 600;

int cardsLaidInHand(const ExpertView& view) {
    int laid = 0;
    for (std::int16_t n : view.gone) laid += n;
    return laid;
}

// What the hand brought the seat against the others: its own gain less the others' average.
double handValue(const HandPlayout& table, int seat) {
    double others = 0;
    for (int s = 0; s < kSeats; ++s) {
        if (s != seat) others += table.gained(s);
    }
    return table.gained(seat) - others / (kSeats - 1);
}

// Whether no seat after `view.seat` lays in this trick.
bool laysLast(const ExpertView& view) {
    int filled = 0;
    while (filled < kSeats && !view.trick[filled].empty()) ++filled;
    for (int k = filled + 1; k < kSeats; ++k) {
        if (view.cardsHeld[(view.trickleader + k) % kSeats] > 0) return false;
    }
    return true;
}

// Laying last, the card alone decides the trick: it loses, ties the winning card or beats it.
// A higher card of the same outcome only gives away more, so the lowest of each is enough;
// except that in a pot game a card that wins comes back with the pot, and that under "2
// supera Asso" a 2 is worth keeping.
void keepTheLowestOfEachOutcome(const ExpertView& view, std::array<bool, 15>& candidates) {
    const bool twoBeatsAce = view.options.twoBeatsAce();
    const bool pot = view.options.isPotGame();
    const int max = provisionalWinner(view.trick, twoBeatsAce).trickmax;
    std::array<bool, 3> seen{};  // loses, ties, beats
    for (int v = 2; v <= kAce; ++v) {
        if (!candidates[v] || (twoBeatsAce && v == 2)) continue;
        const int outcome = v > max ? 2 : (v == max ? 1 : 0);
        if (seen[outcome] && !(pot && outcome == 2)) candidates[v] = false;
        seen[outcome] = true;
    }
}

// The last slot holding `value`, -1 if none.
int slotOf(const Hand& hand, int value) {
    int slot = -1;
    for (int j = 0; j < kHandSlots; ++j) {
        if (hand[j].value == value) slot = j;
    }
    return slot;
}

}  // namespace

int expertPlayDecision(const ExpertView& view) {
    std::array<bool, 15> legal{};
    int choices = 0, only = -1;
    for (int j = 0; j < kHandSlots; ++j) {
        if (!mayLay(view.hand, j, view.trick) || legal[view.hand[j].value]) continue;
        legal[view.hand[j].value] = true;
        ++choices;
        only = j;
    }
    if (choices <= 1) return only;
    ExpertRandom random(viewHash(view));
    if (cardsLaidInHand(view) > kEndlessHand) {
        for (int pick = random.below(choices), v = 2;; ++v) {
            if (legal[v] && pick-- == 0) return slotOf(view.hand, v);
        }
    }
    if (laysLast(view)) keepTheLowestOfEachOutcome(view, legal);

    const UnseenCards unseen(view);
    std::array<double, 15> total{};
    for (int deal = 0; deal < kPlayDeals; ++deal) {
        const HandPlayout table = unseen.deal(random);
        if (table.onTurn() != view.seat) break;
        const std::uint64_t seed = random.next();
        for (int v = 2; v <= kAce; ++v) {
            if (!legal[v]) continue;
            HandPlayout line = table;
            line.lay(v);
            ExpertRandom lineRandom(seed);
            playOut(line, lineRandom);
            total[v] += handValue(line, view.seat);
        }
    }
    int best = 0;
    for (int v = 2; v <= kAce; ++v) {
        if (legal[v] && (best == 0 || total[v] > total[best])) best = v;
    }
    return slotOf(view.hand, best);
}

ExpertChange expertChangeDecision(const ExpertView& view) {
    ExpertChange change;
    int low = -1, next = -1;
    for (int j = 0; j < kHandSlots; ++j) {
        const int v = view.hand[j].value;
        if (v == 0) continue;
        if (low < 0 || v < view.hand[low].value) {
            next = low;
            low = j;
        } else if (next < 0 || v < view.hand[next].value) {
            next = j;
        }
    }
    if (next < 0) return change;

    ExpertRandom random(viewHash(view));
    const UnseenCards unseen(view);
    double keep = 0, swap = 0;
    for (int deal = 0; deal < kChangeDeals; ++deal) {
        const HandPlayout table = unseen.deal(random);
        const std::uint64_t seed = random.next();
        HandPlayout kept = table;
        ExpertRandom keptRandom(seed);
        playOut(kept, keptRandom);
        keep += handValue(kept, view.seat);

        HandPlayout changed = table;
        changed.discard(view.seat, view.hand[low].value);
        changed.discard(view.seat, view.hand[next].value);
        changed.drawTop(view.seat);
        ExpertRandom changedRandom(seed);
        playOut(changed, changedRandom);
        swap += handValue(changed, view.seat);
    }
    if (swap > keep) {
        change.changes = true;
        change.first = low;
        change.second = next;
    }
    return change;
}

}  // namespace zelvaro

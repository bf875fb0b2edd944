#include "engine/TableOutcome.h"

#include <algorithm>

namespace zelvaro {
namespace {

constexpr std::size_t kGoingOn = 3;
constexpr const char* kTieRule = "\nA pari punti passa chi viene prima in ordine alfabetico.";

}  // namespace

std::string tableOutcomeLine(const std::vector<TableEntrant>& ranked, bool final) {
    const auto player =
        std::find_if(ranked.begin(), ranked.end(), [](const TableEntrant& e) { return e.player; });
    if (player == ranked.end()) return {};
    const std::size_t place = static_cast<std::size_t>(player - ranked.begin()) + 1;
    const auto tiedWithPlayer = [&] {
        return std::count_if(ranked.begin(), ranked.end(),
                             [&](const TableEntrant& e) { return e.points == player->points; }) > 1;
    };
    if (final) {
        return "Sei " + std::to_string(place) + "\u00b0 al tavolo finale." +
               (tiedWithPlayer() ? "\nA pari punti viene prima chi precede in ordine alfabetico."
                                 : "");
    }
    if (ranked.size() < kGoingOn) return {};
    std::string line = "Passano al turno successivo " + ranked[0].surname + ", " +
                       ranked[1].surname + " e " + ranked[2].surname;
    line += place <= kGoingOn ? ": ci sei anche tu."
                              : "; tu sei " + std::to_string(place) + "\u00b0 al tavolo.";
    // The cut falls between two equal scores: the names decided it.
    if (ranked.size() > kGoingOn && ranked[kGoingOn - 1].points == ranked[kGoingOn].points)
        line += kTieRule;
    return line;
}

}  // namespace zelvaro

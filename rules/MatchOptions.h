// The six option texts of the options row, compared literally everywhere.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace zelvaro {

// The values each option can take, in the order the options panel lists them.
inline constexpr std::array<std::string_view, 3> kSpeeds{"Lenta", "Normale", "Turbo"};
inline constexpr std::array<std::string_view, 13> kGameTypes{
    "Partita Singola", "25 Punti",    "50 Punti",        "100 Punti",       "3 Vinte",
    "5 Vinte",         "Chips",       "Eliminazione 25", "Eliminazione 50", "Eliminazione 100",
    "Piatto 500",      "Piatto 1000", "Piatto 2000"};
inline constexpr std::array<std::string_view, 3> kPrizes{"Nascosto", "1 Carta", "2 Carte"};
inline constexpr std::array<std::string_view, 3> kHandLimits{"Senza Limite", "Limite 10 Mani",
                                                             "Limite 20 Mani"};

// Equality with a literal, cheap enough for every tick: the length decides first.
template <std::size_t N>
bool isText(const std::string& text, const char (&literal)[N]) {
    return text.size() == N - 1 && std::memcmp(text.data(), literal, N - 1) == 0;
}

struct MatchOptions {
    std::string tipopartita = "Normale";  // speed: "Lenta", "Normale", "Turbo"
    std::string cambiocarte = "Si";       // card change: "Si", "No"
    std::string duesuperaasso = "No";     // a 2 beats an Ace: "Si", "No"
    std::string punteggio = "25 Punti";   // game type
    std::string premio = "1 Carta";       // prize cards shown: "Nascosto", "1 Carta", "2 Carte"
    std::string limite = "Senza Limite";  // hand limit

    bool twoBeatsAce() const { return isText(duesuperaasso, "Si"); }
    bool changeAllowed() const { return isText(cambiocarte, "Si"); }
    bool isPotGame() const {
        return isText(punteggio, "Piatto 500") || isText(punteggio, "Piatto 1000") ||
               isText(punteggio, "Piatto 2000");
    }
    bool isEliminationGame() const {
        return isText(punteggio, "Eliminazione 25") || isText(punteggio, "Eliminazione 50") ||
               isText(punteggio, "Eliminazione 100");
    }
    bool isPointsGame() const {
        return isText(punteggio, "25 Punti") || isText(punteggio, "50 Punti") ||
               isText(punteggio, "100 Punti");
    }
    // The points a seat or an entrant must reach in the game types that have a goal (the nine
    // that can be played as a tournament); 0 for the others.
    int goal() const {
        if (isText(punteggio, "25 Punti") || isText(punteggio, "Eliminazione 25")) return 25;
        if (isText(punteggio, "50 Punti") || isText(punteggio, "Eliminazione 50")) return 50;
        if (isText(punteggio, "100 Punti") || isText(punteggio, "Eliminazione 100")) return 100;
        if (isText(punteggio, "Piatto 500")) return 500;
        if (isText(punteggio, "Piatto 1000")) return 1000;
        if (isText(punteggio, "Piatto 2000")) return 2000;
        return 0;
    }
    // Whether the hand limit is in force (any text but "Senza Limite").
    bool hasHandLimit() const { return !isText(limite, "Senza Limite"); }
};

}  // namespace zelvaro

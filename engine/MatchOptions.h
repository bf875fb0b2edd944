// The six option texts of the options row, compared literally everywhere.
#pragma once

#include <cstring>
#include <string>

namespace zelvaro {

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
};

}  // namespace zelvaro

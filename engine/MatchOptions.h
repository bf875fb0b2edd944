// The six option texts of the options row, compared literally everywhere.
#pragma once

#include <string>

namespace zelvaro {

struct MatchOptions {
    std::string tipopartita = "Normale";  // speed: "Lenta", "Normale", "Turbo"
    std::string cambiocarte = "Si";       // card change: "Si", "No"
    std::string duesuperaasso = "No";     // a 2 beats an Ace: "Si", "No"
    std::string punteggio = "25 Punti";   // game type
    std::string premio = "1 Carta";       // prize cards shown: "Nascosto", "1 Carta", "2 Carte"
    std::string limite = "Senza Limite";  // hand limit

    bool twoBeatsAce() const { return duesuperaasso == "Si"; }
    bool changeAllowed() const { return cambiocarte == "Si"; }
    bool isPotGame() const {
        return punteggio == "Piatto 500" || punteggio == "Piatto 1000" || punteggio == "Piatto 2000";
    }
    bool isEliminationGame() const {
        return punteggio == "Eliminazione 25" || punteggio == "Eliminazione 50" ||
               punteggio == "Eliminazione 100";
    }
};

}  // namespace zelvaro

// One row of the player table: a user-made profile or a generated computer player.
#pragma once

#include <string>

namespace zelvaro {

struct PlayerProfile {
    std::string cognome;
    std::string nome;
    std::string nazionalita;
    std::string anno;
    std::string profilo;
    int cambiocarte = 0;   // computer players: 1..20
    int aggressivita = 0;  // computer players: 1..20
    int foto = 0;          // computer players: face picture 1..91

    std::string displayName() const { return cognome + " " + nome; }
};

}  // namespace zelvaro

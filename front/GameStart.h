// The way from the main menu to a running table: the profile panel in single-game or
// tournament mode, its "Avanti", the opponents drawn from the pool.
#pragma once

#include <optional>

#include "primitives/Surface.h"
#include "store/Database.h"

namespace zelvaro {

class GameSession;
class MainMenu;
class ProfilePanel;
class Random;
class TableDisplay;
class TableEngine;
struct Tournament;

class GameStart {
public:
    GameStart(Surface& surface, Database& db, Random& random, GameSession& session,
              Tournament& tournament, ProfilePanel& profiles, TableDisplay& display,
              TableEngine& engine)
        : surface_(surface),
          db_(db),
          random_(random),
          session_(session),
          tournament_(tournament),
          profiles_(profiles),
          display_(display),
          engine_(engine) {}

    void openProfilePanel();      // Label2 "Partita Singola"
    void openTournament();        // Label35 "Torneo"
    void confirmProfile();        // Label21 "Avanti"
    void closeProfilePanel();     // Label9 "Indietro"
    void closeTournamentRules();  // Label37 "Indietro"

    // Seats five computer players from the pool, none of them one of the last match's.
    // Returns false when the pool is too small to seat a table.
    bool drawOpponents();

private:
    void loadOptions();
    void startSingleGame();
    void showTournamentRules();
    void disableMenuForPanel();

    Surface& surface_;
    Database& db_;
    Random& random_;
    GameSession& session_;
    Tournament& tournament_;
    ProfilePanel& profiles_;
    TableDisplay& display_;
    TableEngine& engine_;
    // The computer players, read at the first game: the pool is only ever generated at
    // start-up, and the panel's create and delete touch only the user's own profiles.
    std::optional<ResultSet> pool_;
};

}  // namespace zelvaro

// A program with the profile "Statistico Ugo", and his single games played from the menu.
#pragma once

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"
#include "tests/unit/TestDatabase.h"
#include "tests/unit/TournamentFixture.h"
#include "tools/sim/HumanPolicy.h"

namespace zelvaro::statisticstest {

namespace fs = std::filesystem;
using tabletest::linesOf;
using testsupport::TempFolder;

inline constexpr const char* kSurname = "Statistico";
inline constexpr const char* kFirstName = "Ugo";
inline constexpr const char* kProfile = "Statistico Ugo";
inline const char* const kRecordTables[] = {"risultati", "riportopartite", "riportotornei"};

inline void addProfile(Database& db, const std::string& surname,
                       const std::string& firstName = "Ugo") {
    db.appendRow("giocatori", {{"cognome", surname},
                               {"nome", firstName},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
}

inline ProfileStatistics statsOf(Database& db) {
    return readStatistics(db, kSurname, kFirstName);
}

// A started program in a folder of its own, with the profile "Statistico Ugo".
struct Program {
    explicit Program(const fs::path& where = {})
        : path(where.empty() ? folder.path() : where), app(surface, path) {
        if (!app.startUp()) throw std::runtime_error("no start");
        addProfile(app.database(), kSurname, kFirstName);
    }
    void useOptions(const std::string& type, const std::string& limit = "Senza Limite") {
        app.database().execute("UPDATE opzioni SET punteggio=?, limite=?", {type, limit});
    }
    TempFolder folder;
    fs::path path;
    MemorySurface surface;
    ZelvaroApp app;
};

struct PlayedGame {
    bool finished = false, won = false;
    int place = 0, score = 0;  // his line in the table ranking as it was left, his score
};

// One single game from the menu, left with "Indietro" after `leaveAfterHands` hands (0: never).
inline PlayedGame playSingleGame(ZelvaroApp& app, MemorySurface& surface,
                                 long leaveAfterHands = 0) {
    surface.clearMessages();
    app.click(ctl::Label2);
    pickProfile(app, surface, kProfile);
    if (hasCheckpoint(app.database())) surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label21);
    const long firstHand = app.engine().handsPlayed();
    while (surface.enabled(ctl::Timer1)) {
        playHumanTurn(app, surface);
        app.timerTick(ctl::Timer1);
        if (leaveAfterHands > 0 && app.engine().handsPlayed() - firstHand >= leaveAfterHands &&
            surface.visible(ctl::Picture1)) {
            surface.scriptAnswers({MessageAnswer::Yes});
            app.click(ctl::Label18);
        }
    }
    PlayedGame game;
    const std::string winnerLine = "Il vincitore e' ";
    for (const MemorySurface::ShownMessage& message : surface.messages()) {
        const auto at = message.text.find(winnerLine);
        if (at != std::string::npos)
            game = {true, message.text.substr(at + winnerLine.size()) == kSurname};
    }
    const std::vector<std::string> ranking = linesOf(surface.caption(ctl::Label31));
    const std::vector<std::string> scores = linesOf(surface.caption(ctl::Label32));
    const auto row = std::find(ranking.begin(), ranking.end(), kSurname) - ranking.begin();
    // Players level share the best of their places: his is that of the first with his score.
    const auto firstLevel = std::find(scores.begin(), scores.end(), scores.at(row));
    game.place = static_cast<int>(firstLevel - scores.begin()) + 1;
    game.score = app.session().seatstats[kHumanSeat].score;
    return game;
}

}  // namespace zelvaro::statisticstest

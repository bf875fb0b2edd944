// Whole runs that must never change their outcome: whole tournaments and single games of
// every family, played headless from a fresh start, reduced to one signature of everything
// they leave behind (the field, the standings, the table's seats, scores and cards, the pot,
// the stored number and the generator's draws). The signatures were taken from the program
// before its storage and display were made faster, and the tournaments' again when names
// came to be sorted by their base letters (the pool's order, so the field drawn from it)
// and when ties at a table's third place came to go as the table's list shows them;
// a change that alters a card, a score or a standing anywhere in these runs changes its
// signature. On the way, the table screen's lists must always show the field as it stands
// after the tick that last refreshed them.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "tests/unit/TestDatabase.h"
#include "tools/sim/HumanPolicy.h"
#include "tools/sim/TournamentDriver.h"
#include "tournament/Simulation.h"
#include "tournament/Standings.h"

namespace zelvaro {
namespace {

using testsupport::TempFolder;

constexpr const char* kProfile = "Firma Ugo";

// FNV-1a over everything written to it.
class Signature {
public:
    void add(std::string_view text) {
        for (unsigned char c : text) hash_ = (hash_ ^ c) * 1099511628211ULL;
        hash_ = (hash_ ^ 0xFF) * 1099511628211ULL;
    }
    void add(long long number) { add(std::to_string(number)); }
    std::string hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016" PRIx64, hash_);
        return text;
    }

private:
    std::uint64_t hash_ = 14695981039346656037ULL;
};

void addTable(Signature& signature, Database& db, const std::string& table) {
    const ResultSet rs = db.query("SELECT * FROM " + table + " ORDER BY rowid");
    signature.add(rs.rows());
    for (int r = 0; r < rs.rows(); ++r) {
        for (int c = 0; c < rs.columnCount(); ++c) signature.add(rs.at(c, r).text());
    }
}

void addCards(Signature& signature, const auto& cards) {
    for (const Card& card : cards) {
        signature.add(card.value);
        signature.add(std::string(1, card.suit));
    }
}

std::string signatureOf(ZelvaroApp& app, MemorySurface& surface) {
    Signature signature;
    Database& db = app.database();
    addTable(signature, db, "torneo");
    addTable(signature, db, "classifica");
    addTable(signature, db, "temp");
    const GameSession& session = app.session();
    for (const SeatStats& seat : session.seatstats) {
        signature.add(seat.surname + " " + seat.firstName);
        signature.add(seat.score);
    }
    for (const Hand& hand : session.hands) addCards(signature, hand);
    addCards(signature, session.deck.places());
    signature.add(session.pot);
    signature.add(static_cast<long long>(app.random().drawsMade()));
    signature.add(app.engine().handsPlayed());
    signature.add(app.simulation().handsSimulated());
    // The question before dropping a saved game is the program's, not the game's.
    for (const MemorySurface::ShownMessage& message : surface.messages()) {
        if (message.text != "C'è una partita in corso: vuoi abbandonarla?")
            signature.add(message.text);
    }
    return signature.hex();
}

struct Program {
    Program() : app(surface, folder.path()) {
        if (!app.startUp()) throw std::runtime_error("no start");
        app.database().appendRow("giocatori", {{"cognome", "Firma"},
                                               {"nome", "Ugo"},
                                               {"nazionalita", "Italia"},
                                               {"anno", 1980},
                                               {"profilo", "1"},
                                               {"cambiocarte", "0"},
                                               {"aggressivita", "0"}});
    }
    void useOptions(const std::string& type, const std::string& limit,
                    const std::string& twoBeatsAce = "No", const std::string& speed = "Normale") {
        Database& db = app.database();
        db.execute("UPDATE opzioni SET punteggio='" + type + "'");
        db.execute("UPDATE opzioni SET limite='" + limit + "'");
        db.execute("UPDATE opzioni SET \"2superaasso\"='" + twoBeatsAce + "'");
        db.execute("UPDATE opzioni SET tipopartita='" + speed + "'");
    }
    TempFolder folder;
    MemorySurface surface;
    ZelvaroApp app;
};

// The player's place as the full ranking gives it: the whole field sorted, then counted.
std::string placeInTheSortedField(ZelvaroApp& app) {
    const PlayerProfile& player = app.session().humanprofile;
    const ResultSet field =
        app.database().query("SELECT * FROM torneo order by punti desc,cognome asc,nome asc ");
    for (int r = 0; r < field.rows(); ++r) {
        if (field.at(0, r).text() == player.cognome && field.at(1, r).text() == player.nome) {
            return "Sei " + std::to_string(r + 1) + "\u00b0 di " + std::to_string(field.rows());
        }
    }
    return "";
}

// Looks, before every tick, at what the tick before left on the table screen: after a
// tournament tick the shown table's list is what a fresh reading of the field gives, after a
// standings tick the player's place is the one the fully sorted field gives.
class ListsWatcher {
public:
    ListsWatcher(TournamentDriver& driver, ZelvaroApp& app, MemorySurface& surface) {
        driver.beforeEveryTick([this, &app, &surface](Control timer) {
            if (last_ == ctl::Timer2 && surface.enabled(ctl::Timer2)) {
                const std::string points = surface.caption(ctl::Label41);
                const std::string names = surface.caption(ctl::Label42);
                app.standings().refreshTableStandings();
                EXPECT_EQ(surface.caption(ctl::Label41), points);
                EXPECT_EQ(surface.caption(ctl::Label42), names);
                ++tablesLooked_;
            }
            if (last_ == ctl::Timer3) {
                const std::string place = placeInTheSortedField(app);
                if (!place.empty()) {
                    EXPECT_NE(surface.caption(ctl::TournamentPlace).find(place), std::string::npos)
                        << surface.caption(ctl::TournamentPlace) << " / " << place;
                    ++placesLooked_;
                }
            }
            last_ = timer;
        });
    }
    int tablesLooked() const { return tablesLooked_; }
    int placesLooked() const { return placesLooked_; }

private:
    Control last_ = ctl::Timer1;
    int tablesLooked_ = 0;
    int placesLooked_ = 0;
};

struct TournamentRun {
    const char* type;
    const char* limit;
    bool toTheFinal;
    const char* signature;
};

TEST(WholeRunSignatureTest, TournamentsEndAsTheyAlwaysDid) {
    const TournamentRun runs[] = {
        {"50 Punti", "Senza Limite", true, "07bae51666bbad5f"},
        {"Eliminazione 25", "Limite 10 Mani", false, "f7314bad7702f7b8"},
        {"Piatto 500", "Limite 20 Mani", true, "8cfa4e3e06147b5a"},
    };
    for (const TournamentRun& run : runs) {
        SCOPED_TRACE(std::string(run.type) + ", " + run.limit);
        Program program;
        program.useOptions(run.type, run.limit);
        TournamentDriver driver(program.app, program.surface);
        const ListsWatcher watcher(driver, program.app, program.surface);
        ASSERT_TRUE(driver.start(kProfile));
        const auto atMatchEnd = [&] {
            if (run.toTheFinal &&
                program.app.database().query("SELECT * FROM torneo ").rows() > kSeats) {
                leadHumansTable(program.app);
            }
        };
        while (driver.playRound(atMatchEnd)) {
        }
        EXPECT_EQ(signatureOf(program.app, program.surface), run.signature);
        EXPECT_GT(watcher.tablesLooked(), 1000);
        EXPECT_GT(watcher.placesLooked(), 100);
    }
}

struct SingleGames {
    const char* type;
    const char* twoBeatsAce;
    const char* speed;
    int games;
    const char* signature;
};

TEST(WholeRunSignatureTest, SingleGamesOfEveryFamilyEndAsTheyAlwaysDid) {
    constexpr long kChipsHands = 40;  // a "Chips" match never ends by itself
    const SingleGames runs[] = {
        {"Partita Singola", "No", "Normale", 6, "9055a8102be6a75c"},
        {"25 Punti", "Si", "Lenta", 3, "023dcdca1e8a618d"},
        {"100 Punti", "No", "Turbo", 1, "e8a48de77e1a4eec"},
        {"3 Vinte", "No", "Normale", 2, "7483dc9df0f1bb46"},
        {"Chips", "Si", "Normale", 2, "ce7a074fe700e609"},
        {"Eliminazione 50", "No", "Normale", 2, "9e56022d50f247a6"},
        {"Piatto 1000", "Si", "Turbo", 2, "46029a5369a0b4b7"},
    };
    // A run that nobody watches leaves out the last trick and the turn light, and nothing else.
    for (const bool watched : {true, false}) {
        for (const SingleGames& run : runs) {
            SCOPED_TRACE(std::string(run.type) + (watched ? "" : ", unwatched"));
            Program program;
            program.useOptions(run.type, "Senza Limite", run.twoBeatsAce, run.speed);
            ZelvaroApp& app = program.app;
            if (!watched) app.playUnwatched();
            for (int game = 0; game < run.games; ++game) {
                // A "Chips" game left with "Indietro" stays saved: the next one drops it.
                if (hasCheckpoint(app.database()))
                    program.surface.scriptAnswers({MessageAnswer::Yes});
                app.click(ctl::Label2);
                pickProfile(app, program.surface, kProfile);
                app.click(ctl::Label21);
                const long firstHand = app.engine().handsPlayed();
                while (program.surface.enabled(ctl::Timer1)) {
                    playHumanTurn(app, program.surface);
                    app.timerTick(ctl::Timer1);
                    if (std::string(run.type) == "Chips" &&
                        app.engine().handsPlayed() - firstHand >= kChipsHands) {
                        program.surface.scriptAnswers({MessageAnswer::Yes});
                        app.click(ctl::Label18);
                    }
                }
            }
            EXPECT_EQ(signatureOf(app, program.surface), run.signature);
            EXPECT_EQ(program.surface.visible(ctl::LastTrickTitle), watched);
        }
    }
}

}  // namespace
}  // namespace zelvaro

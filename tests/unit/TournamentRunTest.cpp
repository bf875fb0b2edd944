// Whole tournaments played headless through the program's own controls, the human's seat
// played by the simple policy and the timers fired by the headless clock; the field is held
// to the tournament's rules after every round.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "tests/unit/TableFixture.h"
#include "tests/unit/TestDatabase.h"
#include "tests/unit/TournamentRunSupport.h"
#include "tools/sim/TournamentDriver.h"

namespace zelvaro {
namespace {

using testsupport::TempFolder;
using tournamentrun::addUserProfile;
using tournamentrun::Field;
using tournamentrun::kProfile;
using tournamentrun::Name;
using tournamentrun::Program;
using tournamentrun::readField;

// The standings of those out of the tournament (the rest are the standings screen's snapshot).
constexpr const char* kEliminated = "SELECT * FROM classifica where eliminato='1'";
// One table's list as the table screen shows it.
constexpr const char* kTableList =
    "SELECT * FROM torneo where tavolo=? order by punti desc,cognome asc,nome asc ";

class TournamentRunTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        program_ = new Program(folder_->path());
        addUserProfile(program_->app.database());
    }
    static void TearDownTestSuite() {
        delete program_;
        delete folder_;
    }

    ZelvaroApp& app() { return program_->app; }
    MemorySurface& surface() { return program_->surface; }
    Database& db() { return app().database(); }

    void useOptions(const std::string& type, const std::string& limit) {
        db().execute("UPDATE opzioni SET punteggio='" + type + "'");
        db().execute("UPDATE opzioni SET limite='" + limit + "'");
        goal_ = MatchOptions{.punteggio = type}.goal();
    }

    // Starts the tournament and plays it round by round, checking the field after each;
    // `atMatchEnd(round)` runs when the human's match of that round is over.
    void play(const std::function<void(int round)>& atMatchEnd) {
        surface().clearMessages();
        TournamentDriver driver(app(), surface());
        ASSERT_TRUE(driver.start(kProfile));
        original_ = readField(db(), "SELECT * FROM torneo ");
        ASSERT_EQ(original_.size(), 1536U);
        expectSoundField(1);
        expectHumanSeatedAtHisTable();
        // The field as it stands before each tick of the wait: the last one is the field the
        // round ended with.
        driver.beforeEveryTick([&](Control timer) {
            if (timer == ctl::Timer2 && surface().visible(ctl::Frame6)) {
                beforeRoundEnd_ = readField(db(), "SELECT * FROM torneo ");
                // The tick visits the cursor's table and the next, or, past the last, 1 and 2.
                const int cursor = app().tournament().tablecursor;
                playedInTheLastTick_ = {cursor, cursor + 1, 1, 2};
            }
        });
        bool running = true;
        while (running) {
            const int round = app().tournament().roundnumber;
            running = driver.playRound([&] {
                const std::string points = playersPoints();
                notePlayersTable();
                atMatchEnd(round);
                // A test that moves the player's points makes the line out of date.
                if (playersPoints() != points) outcomeLine_.clear();
            });
            if (app().tournament().roundnumber == round) break;  // the final was played
            expectAdvancedFrom(round);
            expectOutcomeLineNamedWhoWentOn();
            expectSoundField(round + 1);
            if (running) {
                expectHumanSeatedAtHisTable();
                expectShownListIsTheTableList();
            }
            ++roundsPlayed_;
        }
        for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) {
            EXPECT_FALSE(surface().enabled(timer));
        }
        EXPECT_FALSE(surface().visible(ctl::Picture1));
        EXPECT_FALSE(surface().visible(ctl::Frame6));
        EXPECT_TRUE(surface().windowEnabled());
        // The player sees his final place, his row lit, and goes back to the menu.
        EXPECT_TRUE(surface().visible(ctl::Picture27));
        EXPECT_TRUE(surface().visible(ctl::PlayersStandingsRow));
        app().click(ctl::Label53);
        EXPECT_FALSE(surface().visible(ctl::Picture27));
        EXPECT_EQ(db().query("SELECT * FROM classifica where eliminato='0'").rows(), 0);
        for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) {
            EXPECT_FALSE(surface().enabled(timer));
        }
    }

    // 1536 / 2^(round - 1) entrants on tables 1, 2, ... of six; every original entrant in the
    // field or among the eliminated, once.
    void expectSoundField(int round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const Field field = readField(db(), "SELECT * FROM torneo ");
        const Field out = readField(db(), kEliminated);
        ASSERT_EQ(field.size(), 1536U >> (round - 1));
        std::map<int, int> tables;
        for (const auto& [name, entrant] : field) ++tables[entrant.table];
        ASSERT_EQ(tables.size(), field.size() / 6);
        int expected = 1;
        for (const auto& [table, seated] : tables) {
            EXPECT_EQ(table, expected++);
            EXPECT_EQ(seated, 6) << "table " << table;
        }
        EXPECT_EQ(field.size() + out.size(), original_.size());
        for (const auto& [name, entrant] : original_) {
            EXPECT_NE(field.count(name) + out.count(name), 0U) << name.first << " lost";
            EXPECT_FALSE(field.count(name) && out.count(name)) << name.first << " in both";
        }
    }

    // At every old table the best three went on with their points less the goal, to the new
    // table that pairs theirs with its neighbour; the others left with their totals. The
    // points each had when the round ended are read back from those two rules: they are
    // those of the last look at the field, but at the tables the ending tick still played.
    void expectAdvancedFrom(int round) {
        SCOPED_TRACE("advancement after round " + std::to_string(round));
        const Field field = readField(db(), "SELECT * FROM torneo ");
        const Field out = readField(db(), kEliminated);
        std::map<int, std::vector<int>> goOn, leave;
        Field ended;  // each entrant's old table and his points as the round ended
        for (const auto& [name, before] : beforeRoundEnd_) {
            const auto now = field.find(name);
            int atTheEnd = 0;
            if (now != field.end()) {
                EXPECT_EQ(now->second.table, (before.table + 1) / 2) << name.first;
                atTheEnd = now->second.points + goal_;
                goOn[before.table].push_back(atTheEnd);
            } else {
                ASSERT_EQ(out.count(name), 1U) << name.first;
                atTheEnd = out.at(name).points - (round - 1) * goal_;
                leave[before.table].push_back(atTheEnd);
            }
            ended[name] = {before.table, atTheEnd};
            if (playedInTheLastTick_.count(before.table)) {
                EXPECT_GE(atTheEnd, before.points) << name.first;
            } else {
                EXPECT_EQ(atTheEnd, before.points) << name.first;
            }
        }
        const ResultSet rows = db().query(kEliminated);
        for (int r = 0; r < rows.rows(); ++r) {
            EXPECT_EQ(rows.at(2, r).text(), "-");
            EXPECT_EQ(rows.at(4, r).integer(), 1);
        }
        for (const auto& [table, points] : goOn) {
            ASSERT_EQ(points.size(), 3U) << "table " << table;
            ASSERT_EQ(leave[table].size(), 3U) << "table " << table;
            EXPECT_GE(*std::min_element(points.begin(), points.end()),
                      *std::max_element(leave[table].begin(), leave[table].end()));
        }
        expectTheListedThreeWentOn(ended, field);
    }

    // At every old table the three who went on are the first three of the table's list as it
    // read when the round ended: ties at the third place go as the list shows them.
    void expectTheListedThreeWentOn(const Field& ended, const Field& goneOn) {
        Database lists;
        lists.open(":memory:");
        ensureSchema(lists);
        std::set<int> tables;
        {
            Transaction transaction(lists);
            for (const auto& [name, entrant] : ended) {
                lists.appendRow("torneo", {{"cognome", name.first},
                                           {"nome", name.second},
                                           {"tavolo", entrant.table},
                                           {"punti", entrant.points}});
                tables.insert(entrant.table);
            }
            transaction.commit();
        }
        for (const int table : tables) {
            const ResultSet list = lists.query(kTableList, {table});
            ASSERT_EQ(list.rows(), 6) << "table " << table;
            for (int place = 0; place < list.rows(); ++place) {
                const Name name{list.at(0, place).text(), list.at(1, place).text()};
                EXPECT_EQ(goneOn.count(name) == 1, place < 3)
                    << "table " << table << ", place " << place + 1 << ": " << name.first;
            }
            if (list.at(3, 2).integer() == list.at(3, 3).integer()) ++tiedTables_;
        }
    }

    // The table screen lists the shown table as kTableList orders it.
    void expectShownListIsTheTableList() {
        const ResultSet list = db().query(kTableList, {surface().caption(ctl::Combo7)});
        std::string points, names;
        for (int r = 0; r < std::min(6, list.rows()); ++r) {
            points += list.at(3, r).text() + "\n";
            names += list.at(0, r).text() + "\n";
        }
        EXPECT_EQ(surface().caption(ctl::Label41), points);
        EXPECT_EQ(surface().caption(ctl::Label42), names);
    }

    // The live table seats the human and the five entrants of his table, with their points.
    void expectHumanSeatedAtHisTable() {
        const GameSession& session = app().session();
        const Field field = readField(db(), "SELECT * FROM torneo ");
        const int table = field.at({"Collaudo", "Ugo"}).table;
        std::set<Name> atTable, seated;
        for (const auto& [name, entrant] : field) {
            if (entrant.table == table) atTable.insert(name);
        }
        for (const SeatStats& seat : session.seatstats) {
            seated.insert({seat.surname, seat.firstName});
            EXPECT_EQ(seat.score, field.at({seat.surname, seat.firstName}).points);
        }
        EXPECT_EQ(seated, atTable);
        EXPECT_EQ(surface().caption(ctl::Label47),
                  std::to_string(app().tournament().roundnumber) + "* Turno - " +
                      std::to_string(field.size()) + " Giocatori - " +
                      std::to_string(field.size() / 6) + " Tavoli");
    }

    void expectFinalPlayed() {
        EXPECT_EQ(roundsPlayed_, 8);
        EXPECT_EQ(app().tournament().roundnumber, 9);
        EXPECT_EQ(db().query("SELECT * FROM torneo ").rows(), 6);
        ASSERT_FALSE(surface().messages().empty());
        EXPECT_EQ(surface().messages().back().text, "Partita terminata");
    }

    void expectHumanEliminated() {
        ASSERT_FALSE(surface().messages().empty());
        EXPECT_EQ(surface().messages().back().text,
                  "Partita terminata\nSei stato eliminato dal torneo");
        EXPECT_EQ(db().query("SELECT * FROM torneo where cognome='Collaudo' and nome='Ugo'").rows(),
                  0);
        EXPECT_EQ(
            db().query("SELECT * FROM classifica where cognome='Collaudo' and nome='Ugo'").rows(),
            1);
    }

    std::string playersPoints() {
        return db()
            .query("SELECT punti FROM torneo where cognome='Collaudo' and nome='Ugo'")
            .at(0, 0)
            .text();
    }

    // The wait panel's line and the surnames of the player's table when his match ended.
    void notePlayersTable() {
        outcomeLine_ = surface().caption(ctl::TableOutcomeLine);
        const ResultSet table = db().query(
            "SELECT cognome, nome FROM torneo where tavolo=(SELECT tavolo FROM torneo WHERE "
            "cognome='Collaudo' "
            "and nome='Ugo')");
        playersTable_.clear();
        for (int r = 0; r < table.rows(); ++r)
            playersTable_.emplace_back(table.at(0, r).text(), table.at(1, r).text());
    }

    // The three the line named are the three of the player's table that the round kept.
    void expectOutcomeLineNamedWhoWentOn() {
        if (outcomeLine_.empty()) return;
        const std::string opening = "Passano al turno successivo ";
        ASSERT_EQ(outcomeLine_.rfind(opening, 0), 0U) << outcomeLine_;
        std::string names =
            outcomeLine_.substr(opening.size(), outcomeLine_.find_first_of(":;") - opening.size());
        names.replace(names.rfind(" e "), 3, ", ");
        std::set<std::string> named;
        for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 2) {
            to = names.find(", ", from);
            named.insert(names.substr(from, to == std::string::npos ? to : to - from));
        }
        ASSERT_EQ(named.size(), 3U) << outcomeLine_;
        for (const auto& [surname, firstName] : playersTable_) {
            const bool kept = !db().query("SELECT rowid FROM torneo where cognome=? and nome=?",
                                          {surname, firstName})
                                   .empty();
            EXPECT_EQ(named.count(surname) == 1, kept) << surname << " in: " << outcomeLine_;
        }
    }

    static TempFolder* folder_;
    static Program* program_;
    std::string outcomeLine_;
    std::vector<std::pair<std::string, std::string>> playersTable_;
    Field original_;
    Field beforeRoundEnd_;
    std::set<int> playedInTheLastTick_;
    int goal_ = 0;
    int roundsPlayed_ = 0;
    // Old tables whose third and fourth had the same points when the round ended.
    int tiedTables_ = 0;
};

TempFolder* TournamentRunTest::folder_ = nullptr;
Program* TournamentRunTest::program_ = nullptr;

TEST_F(TournamentRunTest, PointsTournamentRunsNineRoundsToTheFinal) {
    useOptions("25 Punti", "Senza Limite");
    play([&](int round) {
        if (round < 9) leadHumansTable(app());
    });
    expectFinalPlayed();
    EXPECT_GT(tiedTables_, 100);
}

TEST_F(TournamentRunTest, EliminationTournamentUnderTheHandLimitPutsTheHumanOut) {
    useOptions("Eliminazione 25", "Limite 10 Mani");
    play([&](int round) {
        if (round == 1) return leadHumansTable(app());
        db().execute("UPDATE torneo SET punti='-100' WHERE cognome='Collaudo' and nome='Ugo'");
    });
    EXPECT_EQ(roundsPlayed_, 2);
    expectHumanEliminated();
    EXPECT_EQ(db().query("SELECT * FROM classifica where cognome='Collaudo' and nome='Ugo'")
                  .at(3, 0)
                  .integer(),
              -75);
}

TEST_F(TournamentRunTest, PotTournamentPlaysOnUntilTheHumanIsOutOrTheFinalIsOver) {
    useOptions("Piatto 500", "Limite 20 Mani");
    play([&](int round) {
        if (round == 1) leadHumansTable(app());
    });
    EXPECT_GE(roundsPlayed_, 1);
    if (roundsPlayed_ < 8)
        expectHumanEliminated();
    else
        expectFinalPlayed();
}

}  // namespace
}  // namespace zelvaro

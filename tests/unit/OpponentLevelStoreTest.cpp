// The computer seats' level in the file: kept in its own table, "Classici" until the player
// chooses, only a level ever written; and every result notes the level it was played
// against, a record of before the levels counting as played against "Classici".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/OpponentLevel.h"
#include "store/Schema.h"
#include "store/StatisticsStore.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

constexpr const char* kSurname = "Rossi";
constexpr const char* kFirstName = "Ada";

TEST(OpponentLevelStoreTest, TheLevelIsKeptAndOnlyALevelIsWritten) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    {
        // A file of before the levels: the table comes with "Classici" in it.
        Database older;
        older.open(file);
        ensureSchema(older);
        older.execute("DROP TABLE avversari");
    }
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    EXPECT_EQ(readOpponentLevel(db), kClassicOpponents);
    EXPECT_EQ(databaseLayout(db), Layout::Game);
    writeOpponentLevel(db, kExpertOpponents);
    EXPECT_EQ(readOpponentLevel(db), kExpertOpponents);
    for (const char* notALevel : {"esperti", "Difficili", "", "Esperti'--"}) {
        SCOPED_TRACE(notALevel);
        writeOpponentLevel(db, notALevel);
        EXPECT_EQ(readOpponentLevel(db), kExpertOpponents);
    }
    // A row changed by another hand reads as the default level.
    db.execute("UPDATE avversari SET livello='Bravissimi'");
    EXPECT_EQ(readOpponentLevel(db), kClassicOpponents);
    EXPECT_EQ(db.query("SELECT count(*) FROM avversari").at(0, 0).integer(), 1);
}

TEST(OpponentLevelStoreTest, ResultsNoteTheLevelAndAnOlderRecordCountsAsClassici) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    {
        // A record of before the levels, with one game in it.
        Database older;
        older.open(file);
        ensureSchema(older);
        older.execute("DROP TABLE risultati");
        older.execute(
            "CREATE TABLE risultati (numero INTEGER PRIMARY KEY, cognome TEXT COLLATE "
            "ZELVARO_NOMI, nome TEXT COLLATE ZELVARO_NOMI, tipo TEXT COLLATE ZELVARO_NOMI, data "
            "TEXT, punteggio TEXT COLLATE ZELVARO_NOMI, limite TEXT COLLATE ZELVARO_NOMI, posto "
            "NUMERIC, partecipanti NUMERIC, punti NUMERIC, turno NUMERIC, finale NUMERIC, vinta "
            "NUMERIC, riportata NUMERIC)");
        older.appendRow("giocatori",
                        {{"cognome", kSurname}, {"nome", kFirstName}, {"profilo", "1"}});
        older.execute(
            "INSERT INTO risultati (cognome, nome, tipo, data, punteggio, limite, posto, "
            "partecipanti, punti, turno, finale, vinta, riportata) VALUES ('Rossi', 'Ada', "
            "'partita', '2025-01-01 10:00:00', '25 Punti', '', 1, 6, 25, 0, 0, 1, 0)");
    }
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    EXPECT_EQ(db.query("SELECT avversari FROM risultati").at(0, 0).text(), "Classici");
    EXPECT_EQ(readStatistics(db, kSurname, kFirstName).againstExperts, ExpertFigures{});

    const auto game = [&](const char* level, bool won) {
        GameResult result{kSurname, kFirstName, "50 Punti", won ? 1 : 4, won ? 50 : 20, won};
        result.avversari = level;
        recordGame(db, result);
    };
    game("Esperti", true);
    game("Esperti", false);
    game("Classici", true);
    game("Esperti", true);
    TournamentResult final{kSurname, kFirstName, "50 Punti", "Senza Limite", 1, 1536, 9, true, 500};
    final.avversari = "Esperti";
    recordTournament(db, final);
    TournamentResult out{kSurname, kFirstName, "50 Punti", "Senza Limite", 900, 1536, 1, false, 10};
    recordTournament(db, out);  // against "Classici"

    const ProfileStatistics stats = readStatistics(db, kSurname, kFirstName);
    EXPECT_EQ(stats.againstExperts, (ExpertFigures{3, 2, 1, 1}));
    EXPECT_EQ(stats.gamesPlayed(), 5);
    EXPECT_EQ(stats.gamesWon(), 4);
    EXPECT_EQ(stats.tournamentsEntered(), 2);
}

}  // namespace
}  // namespace zelvaro

// The database file: quoting, stored values, the stored number and compaction.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "primitives/Random.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

using testsupport::readBytes;
using testsupport::TempFolder;

// ---------------------------------------------------------------------------------------
// Quoting

TEST(StatementQuoting, EveryApostropheIsDoubled) {
    EXPECT_EQ(Database::fApici("O'Neil'S"), "O''Neil''S");
    EXPECT_EQ(Database::fApici("'Inizio"), "''Inizio");
    EXPECT_EQ(Database::fApici("Fine'"), "Fine''");
    EXPECT_EQ(Database::fApici("a''b'''"), "a''''b''''''");
    EXPECT_EQ(Database::fApici("'"), "''");
    EXPECT_EQ(Database::fApici(""), "");
    EXPECT_EQ(Database::fApici("Nessun apice"), "Nessun apice");
    EXPECT_EQ(Database::fApici("Ørsted's 山田"), "Ørsted''s 山田");
}

TEST(StatementQuoting, ReplaceIgnoresLetterCase) {
    EXPECT_EQ(Database::replace("aXbxc", "x", "-", 1), "a-b-c");
    EXPECT_EQ(Database::replace("Nord nORD", "nord", "Sud", 1), "Sud Sud");
}

TEST(StatementQuoting, ReplaceNeverScansWhatItInserted) {
    EXPECT_EQ(Database::replace("aa", "a", "aa", 1), "aaaa");
    EXPECT_EQ(Database::replace("ab", "ab", "aab", 1), "aab");
    EXPECT_EQ(Database::replace("x", "x", "xXx", 1), "xXx");
}

TEST(StatementQuoting, ReplaceStartsAtTheGivenPosition) {
    EXPECT_EQ(Database::replace("a'b'c", "'", "''", 3), "a'b''c");
    EXPECT_EQ(Database::replace("'a'", "'", "''", 3), "'a''");
}

// ---------------------------------------------------------------------------------------
// Stored values and statements

// One database for the statement tests; each starts with empty player and entrant tables.
class DatabaseTest : public testsupport::SharedDatabaseTest<DatabaseTest> {
protected:
    void SetUp() override {
        db.execute("DELETE FROM giocatori");
        db.execute("DELETE FROM torneo");
    }

    void addEntrant(const std::string& surname, const std::string& table) {
        db.execute("INSERT INTO torneo (cognome, nome, tavolo, punti, nazionalita) VALUES ('" +
                   Database::fApici(surname) + "', 'Nome', '" + table + "', '0', 'Italia')");
    }

    Database& db = SharedDatabaseTest::db();
};

TEST_F(DatabaseTest, ApostropheSurnameIsFoundAgainByTheSameLookup) {
    db.appendRow("giocatori", {{"cognome", "O'Brien"}, {"nome", "Sean"}, {"profilo", "1"}});
    const ResultSet rs = db.query("SELECT * FROM giocatori where cognome='" +
                                  Database::fApici("O'Brien") + "'and nome='Sean' ");
    ASSERT_EQ(rs.rows(), 1);
    EXPECT_EQ(rs.at(0, 0).text(), "O'Brien");
    db.execute("DELETE FROM giocatori where cognome='" + Database::fApici("O'Brien") +
               "' and nome= 'Sean'");
    EXPECT_TRUE(db.query("SELECT * FROM giocatori  ").empty());
}

// A save point replaces the saved game without wiping the pages the old record frees (the new
// one takes them again at once); afterwards the file wipes what it deletes, as before.
TEST_F(DatabaseTest, ReplacingTheSavedGameLeavesTheFileWipingWhatItDeletes) {
    for (const char fill : {'a', 'b'})
        saveCheckpoint(db, {"Partita", std::string(20000, fill), "Rossi", "Mario"});
    const std::optional<Checkpoint> saved = loadCheckpoint(db);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->state, std::string(20000, 'b'));
    EXPECT_EQ(db.query("PRAGMA secure_delete").at(0, 0).integer(), 1);
    removeCheckpoint(db);
}

TEST_F(DatabaseTest, QuotedNumbersAreStoredAsNumbersAndSortNumerically) {
    addEntrant("A", "57");
    addEntrant("B", "9");
    addEntrant("C", "100");
    const ResultSet types = db.query("SELECT typeof(tavolo), typeof(punti) FROM torneo");
    for (int r = 0; r < types.rows(); ++r) {
        EXPECT_EQ(types.at(0, r).text(), "integer");
        EXPECT_EQ(types.at(1, r).text(), "integer");
    }
    const ResultSet ordered = db.query("SELECT * FROM torneo order by tavolo ");
    ASSERT_EQ(ordered.rows(), 3);
    EXPECT_EQ(ordered.at(2, 0).text(), "9");
    EXPECT_EQ(ordered.at(2, 1).text(), "57");
    EXPECT_EQ(ordered.at(2, 2).text(), "100");
    EXPECT_EQ(db.query("SELECT * FROM torneo where tavolo='57'").rows(), 1);
    // A new entrant reads "0" as not eliminated.
    EXPECT_EQ(db.query("SELECT * FROM torneo WHERE eliminato='0'").rows(), 3);
}

TEST_F(DatabaseTest, TextComparisonsIgnoreLetterCase) {
    EXPECT_FALSE(db.query("SELECT * FROM nazioni where nazione='italia' ").empty());
    EXPECT_FALSE(db.query("SELECT * FROM nazioni where nazione='ITALIA' ").empty());
}

TEST_F(DatabaseTest, EmptyResultHasNoRows) {
    const ResultSet rs = db.query("SELECT * FROM giocatori where cognome='Nessuno' ");
    EXPECT_TRUE(rs.empty());
    EXPECT_EQ(rs.rows(), 0);
    const ResultSet none;
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.rows(), 0);
}

TEST_F(DatabaseTest, OptionsColumnStartingWithADigitIsUpdatedQuoted) {
    db.execute("UPDATE opzioni SET \"2superaasso\"='Si'");
    const ResultSet rs = db.query("SELECT * FROM opzioni ");
    ASSERT_EQ(rs.rows(), 1);
    EXPECT_EQ(rs.at(2, 0).text(), "Si");
}

TEST_F(DatabaseTest, AKeptQueryAsksAgainEveryTime) {
    const std::string lookup = "SELECT * FROM torneo where cognome='A' ";
    EXPECT_TRUE(db.query(lookup).empty());
    addEntrant("A", "3");
    ASSERT_EQ(db.query(lookup).rows(), 1);
    db.execute("UPDATE torneo SET punti='12'WHERE cognome='A'");
    EXPECT_EQ(db.query(lookup).at("punti", 0).integer(), 12);
    // A failed statement leaves the kept ones working.
    EXPECT_THROW(db.query("SELECT * FROM nessuna_tabella"), DatabaseError);
    EXPECT_EQ(db.query(lookup).at("punti", 0).integer(), 12);
    // Far more different queries than are kept, then the first again.
    for (int k = 0; k < 200; ++k) {
        const ResultSet rs =
            db.query("SELECT * FROM torneo where punti='" + std::to_string(k) + "'");
        ASSERT_EQ(rs.rows(), k == 12 ? 1 : 0) << k;
    }
    EXPECT_EQ(db.query(lookup).rows(), 1);
}

TEST_F(DatabaseTest, BoundValuesAreTakenAsTheyAreAndCompareAsLiteralsWould) {
    // Every name is stored, found, changed and removed through the same bound statements.
    const char* names[] = {"O'Brien", "D''Arco", "'; DROP TABLE torneo; --", "Nuñez \"Zé\"", "\\'"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        db.appendRow("torneo",
                     {{"cognome", name}, {"nome", "Nome"}, {"tavolo", 7}, {"punti", "0"}});
        const ResultSet found =
            db.query("SELECT * FROM torneo where cognome=? and nome=?", {name, "nome"});
        ASSERT_EQ(found.rows(), 1);  // letter case ignored, as with a literal
        EXPECT_EQ(found.at(0, 0).text(), name);
        db.execute("UPDATE torneo SET punti=? WHERE cognome=?", {"12", name});
        EXPECT_EQ(db.query("SELECT punti, typeof(punti) FROM torneo where cognome=?", {name})
                      .at(1, 0)
                      .text(),
                  "integer");
    }
    // A number bound as text finds the table stored as a number, as '7' does.
    EXPECT_EQ(db.query("SELECT * FROM torneo where tavolo=? ", {"7"}).rows(), 5);
    EXPECT_EQ(db.query("SELECT * FROM torneo where tavolo=? ", {7}).rows(), 5);
    EXPECT_EQ(db.query("SELECT * FROM torneo where tavolo=? ", {8}).rows(), 0);
    for (const char* name : names) db.execute("DELETE FROM torneo WHERE cognome=?", {name});
    EXPECT_TRUE(db.query("SELECT * FROM torneo").empty());
}

TEST_F(DatabaseTest, AStatementGivenTooFewOrTooManyValuesChangesNothing) {
    addEntrant("A", "3");
    for (const Database::Parameters& values :
         {Database::Parameters{}, Database::Parameters{5}, Database::Parameters{5, "A", "x"}}) {
        EXPECT_THROW(db.execute("UPDATE torneo SET punti=? WHERE cognome=?", values),
                     DatabaseError);
    }
    EXPECT_EQ(db.query("SELECT punti FROM torneo").at(0, 0).integer(), 0);
    // The kept statement still works with the right values.
    db.execute("UPDATE torneo SET punti=? WHERE cognome=?", {5, "A"});
    EXPECT_EQ(db.query("SELECT punti FROM torneo").at(0, 0).integer(), 5);
}

TEST_F(DatabaseTest, AKeptQueryFollowsANewTableLayout) {
    db.execute("CREATE TABLE prova (a INTEGER)");
    db.execute("INSERT INTO prova (a) VALUES (1)");
    const std::string all = "SELECT * FROM prova";
    EXPECT_EQ(db.query(all).columnCount(), 1);
    db.execute("ALTER TABLE prova ADD COLUMN b TEXT");
    const ResultSet wider = db.query(all);
    EXPECT_EQ(wider.columnCount(), 2);
    EXPECT_EQ(wider.at(0, 0).integer(), 1);
    db.execute("DROP TABLE prova");
    EXPECT_THROW(db.query(all), DatabaseError);
}

// ---------------------------------------------------------------------------------------
// The stored number

TEST(StoredNumberWrap, AboveTheLimitLosesIt) {
    EXPECT_EQ(wrapNummag(27600), 600);
    EXPECT_EQ(wrapNummag(26500 + 600), 100);
    EXPECT_EQ(wrapNummag(27000), 27000);
    EXPECT_EQ(wrapNummag(26999.5), 26999.5);
    EXPECT_EQ(wrapNummag(0), 0);
}

TEST_F(DatabaseTest, NumberIsStoredWithItsFractionAndWrapped) {
    db.execute("UPDATE temp SET numero1='26999.25'WHERE descrizione= 'nummag'");
    EXPECT_DOUBLE_EQ(readNummag(db), 26999.25);
    Random random;
    for (int i = 0; i < 50; ++i) {
        const double before = readNummag(db);
        Random preview = random;
        const double expected =
            wrapNummag(before + static_cast<double>(static_cast<float>(preview.next()) * 1000.0F));
        const double after = updateNummag(db, random, nummag::kStartUp);
        EXPECT_NEAR(after, expected, 1e-3);
        EXPECT_NEAR(readNummag(db), after, 1e-3);
        EXPECT_GE(readNummag(db), 0.0);
        EXPECT_LE(readNummag(db), 27000.0);
    }
    EXPECT_EQ(db.query("SELECT * FROM temp WHERE descrizione= 'nummag' ").rows(), 1);
}

// ---------------------------------------------------------------------------------------
// The file

// Each test has its own file.
class DatabaseFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.open(mainFile());
        ensureSchema(db);
        db.appendRow("giocatori", {{"cognome", "D'Angelo"}, {"nome", "Luca"}, {"profilo", 1}});
        db.execute("UPDATE opzioni SET punteggio='Chips'");
    }
    // The data written in SetUp, read through a fresh connection.
    void expectDataKept() {
        Database reopened;
        ASSERT_NO_THROW(reopened.open(mainFile()));
        const ResultSet player = reopened.query("SELECT * FROM giocatori  ");
        ASSERT_EQ(player.rows(), 1);
        EXPECT_EQ(player.at(0, 0).text(), "D'Angelo");
        EXPECT_EQ(reopened.query("SELECT * FROM opzioni ").at(3, 0).text(), "Chips");
        EXPECT_FALSE(reopened.query("SELECT * FROM nazioni where nazione='Italia' ").empty());
    }
    fs::path mainFile() const { return folder.path() / Database::kFileName; }
    fs::path tempFile() const { return folder.path() / Database::kTempFileName; }

    TempFolder folder;
    Database db;
};

TEST(DatabaseThreads, TwoConnectionsOnTwoThreadsEachKeepTheirOwnData) {
    // Two tables on two threads, as the engine benchmark runs them: each its own file.
    constexpr int kRows = 300;
    std::array<int, 2> found{};
    std::array<TempFolder, 2> folders;
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t) {
        threads.emplace_back([&, t] {
            Database db;
            db.open(folders[t].path() / Database::kFileName);
            ensureSchema(db);
            const std::string surname = t == 0 ? "Primo" : "Secondo";
            for (int k = 0; k < kRows; ++k) {
                db.appendRow("giocatori",
                             {{"cognome", surname}, {"nome", std::to_string(k)}, {"profilo", 1}});
                // The same few queries again and again, as a match asks them.
                if (db.query("SELECT * FROM giocatori where cognome='" + surname + "' ").rows() !=
                    k + 1)
                    return;
            }
            found[t] = db.query("SELECT * FROM giocatori  ").rows();
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(found[0], kRows);
    EXPECT_EQ(found[1], kRows);
}

TEST_F(DatabaseFileTest, FileCannotBeReadWithoutTheKey) {
    db.close();
    const std::string bytes = readBytes(mainFile());
    ASSERT_GE(bytes.size(), 16U);
    EXPECT_NE(std::memcmp(bytes.data(), "SQLite format 3", 16), 0);
    EXPECT_EQ(bytes.find("D'Angelo"), std::string::npos);
}

TEST_F(DatabaseFileTest, CompactionKeepsTheDataAndTheKey) {
    // Queries asked before are kept prepared; the copy must still attach and detach.
    EXPECT_EQ(db.query("SELECT * FROM giocatori  ").rows(), 1);
    EXPECT_EQ(db.query("SELECT * FROM opzioni ").rows(), 1);
    EXPECT_TRUE(db.compact());
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(fs::exists(tempFile()));
    const std::string bytes = readBytes(mainFile());
    EXPECT_NE(std::memcmp(bytes.data(), "SQLite format 3", 16), 0);
    expectDataKept();
}

TEST_F(DatabaseFileTest, CompactionStoppedAtAnyStepNeverLosesTheData) {
    for (int stopAfter = 1; stopAfter <= 4; ++stopAfter) {
        SCOPED_TRACE("stopped after step " + std::to_string(stopAfter));
        if (!db.isOpen()) db.open(mainFile());
        EXPECT_FALSE(db.compact([&](int step) { return step < stopAfter; }));
        db.close();  // the program ends here
        Database::recoverInterruptedCompaction(folder.path() / Database::kFileName);
        EXPECT_FALSE(fs::exists(tempFile()));
        expectDataKept();
    }
}

TEST_F(DatabaseFileTest, CompactedCopyLeftAloneTakesTheMissingFilesPlace) {
    // A stop after the copy was written, then the main file lost: the copy is all there is.
    EXPECT_FALSE(db.compact([](int step) { return step < 2; }));
    db.close();
    ASSERT_TRUE(fs::exists(tempFile()));
    fs::remove(mainFile());
    fs::remove(fs::path(mainFile().string() + "-wal"));
    fs::remove(fs::path(mainFile().string() + "-shm"));
    Database::recoverInterruptedCompaction(folder.path() / Database::kFileName);
    EXPECT_FALSE(fs::exists(tempFile()));
    expectDataKept();
}

TEST_F(DatabaseFileTest, ForeignFileIsRefusedAndLeftUntouched) {
    db.close();
    const fs::path foreign = folder.path() / "foreign.mdb";
    std::string bytes = "Standard Jet DB";
    for (int i = 0; i < 8192; ++i) bytes += static_cast<char>((i * 31 + 7) & 0xFF);
    {
        std::ofstream out(foreign, std::ios::binary);
        out << bytes;
    }
    Database other;
    EXPECT_THROW(other.open(foreign), DatabaseError);
    EXPECT_FALSE(other.isOpen());
    EXPECT_EQ(readBytes(foreign), bytes);
}

}  // namespace
}  // namespace zelvaro

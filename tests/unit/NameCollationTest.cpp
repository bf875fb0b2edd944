// The order of names: by base letter as an Italian reader expects, in the C++ comparison and
// in the database's ORDER BY, while the database matches names as it always did; and a file
// of an earlier version, which declared the order under SQLite's own name NOCASE, converted.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/NameCollation.h"
#include "store/Schema.h"
#include "store/StatisticsStore.h"
#include "tests/unit/FailingDisk.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

int sign(int order) {
    return (order > 0) - (order < 0);
}

// `text` with its ASCII letters only put in the case `change` gives them.
std::string asciiCase(std::string text, int (*change)(int)) {
    for (char& c : text) c = (c & 0x80) ? c : static_cast<char>(change(c));
    return text;
}

bool isAscii(const std::string& text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c & 0x80; });
}

// Names in their order: by base letters (Cetinkaya after Çetin, ß as ss), then the plain letter
// before the accented (Cetin, Çetin), then beyond ASCII the capital first (Çetin, çetin); any
// other character by its code point, and bytes that are no UTF-8 after every character. No two
// are the same name.
const std::vector<std::string> kSorted = {
    "AbÇ",      "Ab\xc3",   "Cetin",      "Çetin",   "çetin",   "Cetinkaya", "D'Angelo", "Dalla",
    "Gross",    "Groß",     "Grossa",     "Müller",  "Mullins", "O'Neil",    "Oakes",    "Ortiz",
    "Özkan",    "Pace",     "Pèra",       "Péra",    "Rossi",   "Simon",     "Şimşek",   "Tanaka",
    "Van Dijk", "Vanbrugh", "Zimmermann", "Zürcher", "Ωmega",   "\xff"};

TEST(NameCollationTest, EveryLatinLetterSortsWithItsBaseLetterAfterThePlainOne) {
    // Each base letter, then the letters that sort with it.
    std::istringstream bases(
        "a ÀÁÂÃÄÅàáâãäåĀāĂăĄą ae Ææ c ÇçĆćĈĉĊċČč d ÐðĎďĐđ e ÈÉÊËèéêëĒēĔĕĖėĘęĚě g ĜĝĞğĠġĢģ h ĤĥĦħ "
        "ij Ĳĳ i ÌÍÎÏìíîïĨĩĪīĬĭĮįİı j Ĵĵ k Ķķĸ l ĹĺĻļĽľĿŀŁł n ÑñŃńŅņŇňŉŊŋ o ÒÓÔÕÖØòóôõöøŌōŎŏŐő "
        "oe Œœ r ŔŕŖŗŘř s ŚśŜŝŞşŠšſ ss ß t ŢţŤťŦŧ th Þþ w Ŵŵ u ÙÚÛÜùúûüŨũŪūŬŭŮůŰűŲų y ÝýÿŶŷŸ "
        "z ŹźŻżŽž");
    std::set<std::string> seen;
    for (std::string base, letters; bases >> base >> letters;) {
        const std::string capital = static_cast<char>(base[0] - 'a' + 'A') + base.substr(1);
        for (std::size_t i = 0; i < letters.size(); i += 2) {  // two bytes a letter
            const std::string letter = letters.substr(i, 2);
            SCOPED_TRACE(letter + " as " + base);
            EXPECT_TRUE(seen.insert(letter).second);
            EXPECT_LT(compareNames(letter + "a", capital + "b"), 0);
            EXPECT_GT(compareNames(letter + "b", base + "a"), 0);
            EXPECT_LT(compareNames(capital + "x", letter + "x"), 0);
        }
    }
    EXPECT_EQ(seen.size(), 190U);  // U+00C0 to U+017F but × and ÷

    // Each capital beyond ASCII with its small letter: the same letter but for case, the capital
    // first (Łukasz before łukasz), and case weighs only after every letter and accent
    // (łukasza before Łukaszb, łe before Łé).
    const std::string pairs =
        "ÀàÁáÂâÃãÄäÅåÆæÇçÈèÉéÊêËëÌìÍíÎîÏïÐðÑñÒòÓóÔôÕõÖöØøÙùÚúÛûÜüÝýÞþŸÿĀāĂăĄąĆćĈĉĊċČčĎďĐđĒēĔĕĖėĘęĚě"
        "ĜĝĞğĠġĢģĤĥĦħĨĩĪīĬĭĮįĲĳĴĵĶķĹĺĻļĽľĿŀŁłŃńŅņŇňŊŋŌōŎŏŐőŒœŔŕŖŗŘřŚśŜŝŞşŠšŢţŤťŦŧŨũŪūŬŭŮůŰűŲųŴŵŶŷŹź"
        "ŻżŽž";
    for (std::size_t i = 0; i + 4 <= pairs.size(); i += 4) {
        const std::string capital = pairs.substr(i, 2), small = pairs.substr(i + 2, 2);
        SCOPED_TRACE(capital + small);
        EXPECT_LT(compareNames(capital + "ukasz", small + "ukasz"), 0);
        EXPECT_LT(compareNames(small + "ukasza", capital + "ukaszb"), 0);
        EXPECT_GT(compareNames(small + "ukaszb", capital + "ukasza"), 0);
        EXPECT_LT(compareNames(small + "e", capital + "é"), 0);
    }
}

// The names above and every fourth of the nation lists, each also in ASCII capitals: in one
// order, the same exactly when alike but for ASCII case, and for ASCII names as they always were.
TEST(NameCollationTest, NamesFallIntoOneOrderAndAsciiNamesKeepTheirOldOne) {
    std::vector<std::string> names = kSorted;
    names.push_back("Rossi ");
    int row = 0;
    for (const NationNames& list : parseNationNames(builtInNationNames())) {
        for (const std::string& name : list.names) {
            if (++row % 4 == 0) names.push_back(name);
        }
    }
    for (std::size_t i = 0, n = names.size(); i < n; ++i)
        names.push_back(asciiCase(names[i], std::toupper));
    ASSERT_GT(std::count_if(names.begin(), names.end(), [](const auto& n) { return !isAscii(n); }),
              100);
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return compareNames(a, b) < 0; });
    std::vector<std::string> lower;
    for (const std::string& name : names) lower.push_back(asciiCase(name, std::tolower));
    int faults = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i; j < names.size(); ++j) {
            const std::string &a = names[i], &b = names[j];
            const int order = sign(compareNames(a, b));
            // SQLite's own NOCASE, which ASCII names keep: lower-case bytes, the shorter first.
            const int old = sign(lower[i].compare(lower[j]));
            const bool sound = order <= 0 && sign(compareNames(b, a)) == -order &&
                               (order == 0) == (old == 0) &&
                               (!isAscii(a) || !isAscii(b) || order == old);
            if (!sound && ++faults < 10) ADD_FAILURE() << a << " / " << b;
        }
    }
    EXPECT_EQ(faults, 0);
}

std::vector<std::string> firstColumn(Database& db, const std::string& sql,
                                     const Database::Parameters& values = {}) {
    const ResultSet rs = db.query(sql, values);
    std::vector<std::string> texts;
    for (int r = 0; r < rs.rows(); ++r) texts.push_back(rs.at(0, r).text());
    return texts;
}

std::string integrityOf(Database& db) {
    return db.query("PRAGMA integrity_check").at(0, 0).text();
}

int compareNamesOfSqlite(void*, int lengthA, const void* a, int lengthB, const void* b) {
    return compareNames({static_cast<const char*>(a), static_cast<std::size_t>(lengthA)},
                        {static_cast<const char*>(b), static_cast<std::size_t>(lengthB)});
}

// A file the game has used: the names above in the field (in a scrambled order) and as
// profiles, some profiles deleted so that the rowids skip, games recorded, a game saved.
void playWith(const fs::path& file) {
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    for (std::size_t i = 0; i < kSorted.size(); ++i) {  // 7 and 30 share no factor
        const std::string& name = kSorted[i * 7 % kSorted.size()];
        db.appendRow("torneo", {{"cognome", name}, {"nome", name}, {"tavolo", 1}, {"punti", 0}});
        db.appendRow("giocatori", {{"cognome", name}, {"nome", "Ada"}, {"profilo", 1}});
    }
    db.execute("DELETE FROM giocatori WHERE rowid % 3 = 0");
    for (const char* who : {"Çetin", "Rossi"}) {
        recordGame(db, {who, "Ada", "25 Punti", 2, 17, false});
    }
    saveCheckpoint(db, {"Torneo", "stato", "Rossi", "Ada"});
}

// The same file as version `version` of the game left it: the text columns declared COLLATE
// NOCASE, the indexes built in the order that version gave that name (compareNames from
// version 1 on, SQLite's own before).
void makeEarlier(const fs::path& file, int version) {
    const std::string declaredNocase = "UPDATE sqlite_master SET sql = replace(sql, '" +
                                       std::string(kNameCollation) + "', 'NOCASE')";
    {
        testsupport::StockConnection earlier(file);
        ASSERT_EQ(earlier.run("PRAGMA writable_schema = ON; " + declaredNocase), "");
    }
    testsupport::StockConnection earlier(file);  // the schema read again
    if (version >= 1) {
        ASSERT_EQ(sqlite3_create_collation_v2(earlier.handle(), "NOCASE", SQLITE_UTF8, nullptr,
                                              &compareNamesOfSqlite, nullptr),
                  SQLITE_OK);
    }
    ASSERT_EQ(earlier.run("REINDEX NOCASE; PRAGMA user_version = " + std::to_string(version)), "");
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> split;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) split.push_back(line);
    return split;
}

// Every table as another program reads it: its name, its columns with their types and
// defaults in order, every row with its rowid.
std::string contentOf(const fs::path& file) {
    testsupport::StockConnection stock(file);
    std::string content;
    for (const std::string& table :
         lines(stock.run("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"))) {
        const std::string name = "main.\"" + table + "\"";
        content += table + "\n" + stock.run("PRAGMA main.table_info(\"" + table + "\")") +
                   stock.run("SELECT rowid, * FROM " + name + " ORDER BY rowid");
    }
    return content;
}

// The statements of the file's tables and indexes, with the quotes that a renamed table's
// name gets taken away.
std::string schemaOf(Database& db) {
    std::string schema;
    const ResultSet rs = db.query("SELECT name, sql FROM sqlite_master ORDER BY name");
    for (int r = 0; r < rs.rows(); ++r) {
        const std::string name = rs.at(0, r).text();
        schema += Database::replace(rs.at(1, r).text(), "\"" + name + "\"", name, 1) + "\n";
    }
    return schema;
}

std::int64_t pragma(Database& db, const std::string& name) {
    return db.query("PRAGMA " + name).at(0, 0).integer();
}

class NameCollationFileTest : public ::testing::TestWithParam<int> {
protected:
    NameCollationFileTest() {
        Database fresh;
        fresh.open(folder.path() / "nuovo.mdb");
        ensureSchema(fresh);
        newSchema = schemaOf(fresh);
        newVersion = pragma(fresh, "user_version");
    }
    testsupport::TempFolder folder;
    fs::path file = folder.path() / Database::kFileName;
    std::string newSchema;
    std::int64_t newVersion = 0;
};

// The database sorts by the order and matches names as it always did; a file of an earlier
// version is converted at its first open, every row and rowid kept, and never again.
TEST_P(NameCollationFileTest, IsConvertedOnceKeepingEveryRowAndSortsAndMatchesNamesByTheOrder) {
    const int version = GetParam();
    playWith(file);
    makeEarlier(file, version);
    const std::string content = contentOf(file);
    ASSERT_NE(content.find("Zürcher"), std::string::npos);
    ASSERT_GT(newVersion, version);
    // What another program saw: an index of names in compareNames under SQLite's own name
    // looks damaged to it.
    EXPECT_EQ(testsupport::StockConnection(file).run("PRAGMA integrity_check") == "ok\n",
              version == 0);
    for (const std::string round : {"converted", "opened again", "compacted"}) {
        SCOPED_TRACE(round);
        // Converted at the first open only: later ones, after a compaction too, change nothing.
        const auto versions = [&] {
            return testsupport::StockConnection(file).run(
                "PRAGMA schema_version; PRAGMA user_version");
        };
        const std::string before = versions();
        Database db;
        ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
        EXPECT_EQ(versions() == before, round != "converted");
        EXPECT_EQ(integrityOf(db), "ok");
        // Another program now names the order it lacks.
        EXPECT_EQ(testsupport::StockConnection(file).run("PRAGMA integrity_check"),
                  std::string("Error: no such collation sequence: ") + kNameCollation);
        EXPECT_EQ(contentOf(file), content);
        EXPECT_EQ(schemaOf(db), newSchema);
        EXPECT_EQ(pragma(db, "user_version"), newVersion);
        // Through the indexes and, with the +, without them.
        for (const char* order : {"cognome", "+cognome", "punti desc,cognome asc,nome asc"}) {
            EXPECT_EQ(firstColumn(db, std::string("SELECT cognome FROM torneo order by ") + order),
                      kSorted)
                << order;
        }
        // Each name found from its ASCII capitals, and no other: CETIN finds Cetin, not Çetin.
        for (const std::string& name : kSorted) {
            for (const char* where : {"cognome=?1", "+cognome=?1", "cognome=?1 and nome=?1"}) {
                EXPECT_EQ(firstColumn(db, std::string("SELECT nome FROM torneo where ") + where,
                                      {asciiCase(name, std::toupper)}),
                          std::vector<std::string>{name})
                    << name << ": " << where;
            }
        }
        if (round == "opened again") {
            EXPECT_TRUE(db.compact());
        }
    }
}

// A conversion cut short by a full disk at any point leaves the file as it was, and the next
// start converts it.
TEST_P(NameCollationFileTest, IsLeftAsItWasWhenTheDiskFillsDuringTheConversion) {
    testsupport::FailingDisk disk;
    playWith(file);
    makeEarlier(file, GetParam());
    const std::string bytes = testsupport::readBytes(file);
    const std::string content = contentOf(file);
    // The conversion writes every page of the file again, and then some.
    for (const std::size_t quarter : {0, 1, 2, 3}) {
        const std::size_t room = bytes.size() * quarter / 4;
        SCOPED_TRACE(room);
        {
            Database db;
            disk.allowOnly(static_cast<long long>(room));
            EXPECT_THROW(openGameDatabase(db, file), DatabaseError);
            EXPECT_TRUE(disk.full());
            disk.allowOnly(-1);
        }
        EXPECT_TRUE(testsupport::readBytes(file) == bytes);
    }
    Database db;
    ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
    EXPECT_EQ(pragma(db, "user_version"), newVersion);
    EXPECT_EQ(contentOf(file), content);
}

INSTANTIATE_TEST_SUITE_P(Versions, NameCollationFileTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace zelvaro

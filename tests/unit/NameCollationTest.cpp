// The order of names: by base letter as an Italian reader expects, in the C++ comparison and
// in the database's ORDER BY, while the database matches names as it always did; and a file
// whose name indexes an earlier version built in the old order made sound again.
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "store/Database.h"
#include "store/GameDatabase.h"
#include "store/NameCollation.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

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

TEST(NameCollationTest, TheDatabaseSortsByItMatchesAsItAlwaysDidAndMendsIndexesOfTheOldOrder) {
    testsupport::TempFolder folder;
    const auto file = folder.path() / Database::kFileName;
    {
        Database db;
        ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
        for (std::size_t i = 0; i < kSorted.size(); ++i) {  // 7 and 30 share no factor
            const std::string& name = kSorted[i * 7 % kSorted.size()];
            db.appendRow("torneo",
                         {{"cognome", name}, {"nome", name}, {"tavolo", 1}, {"punti", 0}});
        }
    }
    // An earlier version built the name indexes with SQLite's own NOCASE.
    sqlite3* earlier = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &earlier), SQLITE_OK);
    const std::string rebuild = "PRAGMA key = " + Database::quoted(Database::kPassword) +
                                "; REINDEX NOCASE; PRAGMA user_version = 0;";
    EXPECT_EQ(sqlite3_exec(earlier, rebuild.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(earlier);
    {
        Database look;
        look.openReadOnly(file);
        EXPECT_NE(integrityOf(look), "ok") << "the old indexes do not hold in the new order";
    }
    for (const bool compacted : {false, true}) {
        SCOPED_TRACE(compacted ? "compacted" : "opened");
        Database db;
        ASSERT_EQ(openGameDatabase(db, file).problem, StoreProblem::None);
        EXPECT_EQ(integrityOf(db), "ok");
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
        if (!compacted) {
            EXPECT_TRUE(db.compact());
        }
    }
}

}  // namespace
}  // namespace zelvaro

#include "store/PlayerPool.h"

#include <map>
#include <string>
#include <utility>

#include "primitives/Random.h"
#include "primitives/Surface.h"
#include "rules/Rounding.h"
#include "store/Database.h"
#include "store/PlayerNames.h"

namespace zelvaro {
namespace {

constexpr int kSmallTable = 1000;  // up to this many rows the pool is (re)generated
constexpr int kBaseTarget = 2500;
constexpr int kNamesPerRow = 20;
constexpr int kFirstNameColumn = 2;  // columns 2..21 of a nazioni row hold the names

// Keeps the window disabled with the progress label up for as long as the generation runs,
// and gives it back however the generation ends.
class BusyWindow {
public:
    explicit BusyWindow(Surface& surface) : surface_(surface) {
        surface_.setCaption(ctl::Label39, "Attendere....");
        surface_.setVisible(ctl::Label39, true);
        surface_.setWindowEnabled(false);
    }
    ~BusyWindow() {
        surface_.setWindowEnabled(true);
        surface_.setVisible(ctl::Label39, false);
    }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    Surface& surface_;
};

// The name rows of one nation. The name lists do not change while the pool is made, so each
// nation's two lookups are issued once and their results kept.
class NameLists {
public:
    explicit NameLists(Database& db) : db_(db) {}

    const ResultSet& rows(const std::string& nation, const std::string& kind) {
        const auto key = std::make_pair(nation, kind);
        auto it = cache_.find(key);
        if (it == cache_.end()) {
            it = cache_
                     .emplace(key, db_.query("SELECT * FROM nazioni  where nazione='" +
                                             Database::fApici(nation) + "' and nomecognome='" +
                                             kind + "' "))
                     .first;
        }
        return it->second;
    }

private:
    Database& db_;
    std::map<std::pair<std::string, std::string>, ResultSet> cache_;
};

// Row Int(U × r) (U = rows − 1) and column Int(r × 20) + 2 of a nation's list, two draws in
// this order; empty when the nation has no list of that kind.
std::string drawName(const ResultSet& list, Random& random) {
    const int upper = list.rows() - 1;
    const auto row = intFloor(upper * random.next());
    const auto column = intFloor(random.next() * kNamesPerRow) + kFirstNameColumn;
    if (upper < 0 || column >= list.columnCount()) return {};
    return list.at(static_cast<int>(column), static_cast<int>(row)).text();
}

}  // namespace

int ensurePlayerPool(Database& db, Random& random, Surface& surface) {
    BusyWindow busy(surface);

    const ResultSet players = db.query("SELECT * FROM giocatori  ");
    const int upperRow = players.empty() ? 0 : players.rows() - 1;
    if (upperRow >= kSmallTable) return 0;

    const auto target = intFloor(random.next() * 100) + kBaseTarget;
    const ResultSet nations = db.query("SELECT * FROM nazioni order by nazione asc ");
    const int nationCount = nations.rows();
    if (nationCount == 0) return 0;

    NameLists names(db);
    Transaction transaction(db);
    int appended = 0;
    for (std::int64_t attempt = 0; attempt < target + 1; ++attempt) {
        const std::string nation =
            nations.at(0, static_cast<int>(intFloor(nationCount * random.next()))).text();
        const std::string surname = drawName(names.rows(nation, "cognome"), random);
        const std::string firstName = drawName(names.rows(nation, "nome"), random);
        if (!isAcceptableName(surname) || !isAcceptableName(firstName)) continue;

        if (!db.query("SELECT * FROM giocatori where nome= '" + Database::fApici(firstName) +
                      "' and cognome = '" + Database::fApici(surname) + "' ")
                 .empty()) {
            continue;
        }
        const auto year = intFloor(random.next() * 35) + 1960;
        const auto cardChange = intFloor(random.next() * 20) + 1;
        const auto aggressiveness = intFloor(random.next() * 20) + 1;
        const auto face = intFloor(random.next() * 91) + 1;
        db.appendRow("giocatori", {{"cognome", surname},
                                   {"nome", firstName},
                                   {"nazionalita", nation},
                                   {"anno", year},
                                   {"profilo", "0"},
                                   {"cambiocarte", cardChange},
                                   {"aggressivita", aggressiveness},
                                   {"foto", face}});
        ++appended;

        surface.setWidth(ctl::Label39, surface.width(ctl::Label39) + 5);
        surface.processEvents();
    }
    transaction.commit();
    return appended;
}

}  // namespace zelvaro

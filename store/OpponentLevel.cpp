#include "store/OpponentLevel.h"

#include <algorithm>

#include "store/Database.h"

namespace zelvaro {
namespace {

bool isLevel(std::string_view text) {
    return std::find(kOpponentLevels.begin(), kOpponentLevels.end(), text) != kOpponentLevels.end();
}

}  // namespace

void ensureOpponentLevelTable(Database& db) {
    Transaction transaction(db);
    db.execute("CREATE TABLE IF NOT EXISTS avversari (livello TEXT COLLATE ZELVARO_NOMI)");
    if (db.query("SELECT livello FROM avversari").empty()) {
        db.appendRow("avversari", {{"livello", std::string(kClassicOpponents)}});
    }
    transaction.commit();
}

std::string readOpponentLevel(Database& db) {
    const ResultSet row = db.query("SELECT livello FROM avversari LIMIT 1");
    if (row.empty()) return std::string(kClassicOpponents);
    const std::string level = row.at(0, 0).text();
    return isLevel(level) ? level : std::string(kClassicOpponents);
}

void writeOpponentLevel(Database& db, std::string_view level) {
    if (!isLevel(level)) return;
    db.execute("UPDATE avversari SET livello=?", {std::string(level)});
}

}  // namespace zelvaro

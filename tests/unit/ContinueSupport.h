// The program on a folder of its own and a game started there, for the saved game's tests.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"

namespace zelvaro::continuetest {

namespace fs = std::filesystem;

// One run of the program on a folder of its own.
struct Program {
    explicit Program(const fs::path& folder) : app(surface, folder) {
        if (!app.startUp()) throw std::runtime_error("no start");
    }
    MemorySurface surface;
    ZelvaroApp app;
};

inline void useOptions(Database& db, const std::string& type, const std::string& limit) {
    db.appendRow("giocatori", {{"cognome", "Ripresa"},
                               {"nome", "Ada"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
    db.execute("UPDATE opzioni SET punteggio=?", {type});
    db.execute("UPDATE opzioni SET limite=?", {limit});
}

// "Partita" for Ripresa Ada: the first hand is dealt, and the game kept from there.
inline void startSingleGame(Program& program, const std::string& type) {
    useOptions(program.app.database(), type, "Senza Limite");
    program.app.click(ctl::Label2);
    pickProfile(program.app, program.surface, "Ripresa Ada");
    program.app.click(ctl::Label21);
}

// The rows of `tables`, one line a row.
inline std::string rowsOf(Database& db, std::initializer_list<const char*> tables) {
    std::string out;
    for (const char* table : tables) {
        const ResultSet rs = db.query(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
        for (int r = 0; r < rs.rows(); ++r) {
            for (int c = 0; c < rs.columnCount(); ++c) out += rs.at(c, r).text() + "|";
            out += "\n";
        }
    }
    return out;
}

}  // namespace zelvaro::continuetest

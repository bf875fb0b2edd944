// A started program with one user profile, and a tournament's field read from its tables.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"

namespace zelvaro::tournamentrun {

namespace fs = std::filesystem;

using Name = std::pair<std::string, std::string>;

inline constexpr const char* kProfile = "Collaudo Ugo";

struct Entrant {
    int table = 0;
    int points = 0;
    bool operator==(const Entrant&) const = default;
};
using Field = std::map<Name, Entrant>;

inline Field readField(Database& db, const std::string& sql) {
    Field field;
    const ResultSet rs = db.query(sql);
    for (int r = 0; r < rs.rows(); ++r) {
        const Name name{rs.at(0, r).text(), rs.at(1, r).text()};
        EXPECT_EQ(field.count(name), 0U) << name.first << " twice in " << sql;
        field[name] = {static_cast<int>(rs.at(2, r).integer()),
                       static_cast<int>(rs.at(3, r).integer())};
    }
    return field;
}

inline void addUserProfile(Database& db) {
    db.appendRow("giocatori", {{"cognome", "Collaudo"},
                               {"nome", "Ugo"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
}

// A started program with the generated pool and one user profile.
struct Program {
    explicit Program(const fs::path& folder) : app(surface, folder) {
        if (!app.startUp()) throw std::runtime_error("no start");
    }
    MemorySurface surface;
    ZelvaroApp app;
};

}  // namespace zelvaro::tournamentrun

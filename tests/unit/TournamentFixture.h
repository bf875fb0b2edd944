// A tournament on the shared test table: the engine's table with the tournament's setup,
// simulation, round end and standings on top, and helpers to write a field of entrants.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/TableFixture.h"
#include "tournament/FieldSetup.h"
#include "tournament/RoundEnd.h"
#include "tournament/Simulation.h"
#include "tournament/Standings.h"

namespace zelvaro::tabletest {

// The lines of a list caption, each ended by a line feed.
inline std::vector<std::string> linesOf(const std::string& caption) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = caption.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(caption.substr(start, end - start));
    }
    return lines;
}

class TournamentFixture : public TableFixture {
protected:
    TournamentFixture()
        : standings(surface, db, session, tournament),
          setup(surface, db, random, session, tournament, display, engine, standings),
          roundEnd(surface, db, random, session, tournament, display, engine, setup, standings),
          simulation(surface, db, random, session, tournament, standings, roundEnd) {
        db.execute("DELETE FROM classifica ");
        session.gamemode = "Torneo";
    }

    void useGameType(const std::string& punteggio, const std::string& limite = "Senza Limite") {
        session.options = optionsWith(punteggio);
        session.options.limite = limite;
        storeOptions(db, session.options);
    }

    void addEntrant(const std::string& surname, const std::string& firstName, int table, int points,
                    const std::string& nation = "Italia") {
        db.appendRow("torneo", {{"cognome", surname},
                                {"nome", firstName},
                                {"tavolo", table},
                                {"punti", points},
                                {"nazionalita", nation}});
        // Entrants seated by hand are a new seating of the field, as a new tournament is.
        ++tournament.seatings;
    }

    // `tables` tables of six entrants "E<table>-<seat>" (not in the player table), numbered
    // from `first`, with points(table, seat).
    template <typename PointsOf>
    void addTables(int tables, PointsOf points, int first = 1) {
        Transaction transaction(db);
        for (int t = first; t < first + tables; ++t) {
            for (int s = 0; s < kSeats; ++s) addEntrant(entrantName(t, s), "Nome", t, points(t, s));
        }
        transaction.commit();
    }
    static std::string entrantName(int table, int seat) {
        std::string name = "E";
        name += std::to_string(table);
        name += '-';
        name += std::to_string(seat);
        return name;
    }

    // A table of six players of the test pool, from pool row `firstPlayer` on; or, with the
    // human, the human and the pool's first five.
    void addPoolTable(int table, int firstPlayer, const std::vector<int>& points) {
        int row = firstPlayer;
        for (int p : points) {
            const PoolPlayer& player = kPool[row++];
            addEntrant(player.cognome, player.nome, table, p, player.nazionalita);
        }
    }
    void addHumansTable(int table, const std::vector<int>& points) {
        addEntrant(kHumanSurname, kHumanFirstName, table, points.front());
        addPoolTable(table, 0, std::vector<int>(points.begin() + 1, points.end()));
    }

    int entrantPoints(const std::string& surname, const std::string& firstName,
                      const std::string& table = "torneo") {
        const ResultSet rs =
            db.query("SELECT * FROM " + table + " where cognome='" + Database::fApici(surname) +
                     "' and nome='" + Database::fApici(firstName) + "'");
        if (rs.rows() != 1) throw std::runtime_error("no single row for " + surname);
        return static_cast<int>(rs.at("punti", 0).integer());
    }

    int rowsOf(const std::string& sql) { return db.query(sql).rows(); }

    Standings standings;
    FieldSetup setup;
    RoundEnd roundEnd;
    Simulation simulation;
};

}  // namespace zelvaro::tabletest

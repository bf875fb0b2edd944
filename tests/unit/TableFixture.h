// A table ready for tests: one shared database file with a small pool of computer players,
// an in-memory window, the table state, the generator, the display and the engine; plus
// helpers to arrange hands, tricks and scores directly.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "primitives/Tournament.h"
#include "rules/Card.h"
#include "rules/ComputerPlayer.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "tests/rules/Cards.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro::tabletest {

namespace fs = std::filesystem;

using testsupport::TempFolder;

struct PoolPlayer {
    const char* cognome;
    const char* nome;
    const char* nazionalita;
    int anno;
    int cambiocarte;
    int aggressivita;
    int foto;
};

// Twenty computer players with distinct surnames, two of them with an apostrophe.
inline const std::array<PoolPlayer, 20> kPool{{
    {"Bianchi", "Luca", "Svizzera", 1971, 3, 12, 1},
    {"D'Angelo", "Pia", "Irlanda", 1985, 17, 5, 2},
    {"Dupont", "Jean", "Francia", 1966, 9, 20, 3},
    {"O'Brien", "Sean", "Irlanda", 1979, 1, 1, 4},
    {"Muller", "Hans", "Germania", 1990, 20, 8, 5},
    {"Garcia", "Pablo", "Spagna", 1962, 11, 14, 6},
    {"Silva", "Joao", "Portogallo", 1988, 6, 3, 7},
    {"Novak", "Petr", "Cechia", 1975, 14, 19, 8},
    {"Kowalski", "Jan", "Polonia", 1969, 2, 7, 9},
    {"Jensen", "Lars", "Danimarca", 1993, 18, 11, 10},
    {"Smith", "John", "Inghilterra", 1961, 5, 16, 11},
    {"Tanaka", "Ken", "Giappone", 1983, 8, 2, 12},
    {"Verdi", "Anna", "Francia", 1977, 12, 9, 13},
    {"Neri", "Paolo", "Spagna", 1964, 15, 18, 14},
    {"Galli", "Sara", "Belgio", 1991, 4, 6, 15},
    {"Lindqvist", "Olof", "Svezia", 1980, 19, 13, 16},
    {"Horvath", "Istvan", "Ungheria", 1972, 7, 4, 17},
    {"Petrov", "Ivan", "Russia", 1987, 10, 17, 18},
    {"Yilmaz", "Emre", "Turchia", 1968, 13, 10, 19},
    {"Papadopoulos", "Nikos", "Grecia", 1994, 16, 15, 20},
}};

inline constexpr const char* kHumanSurname = "Rossi";
inline constexpr const char* kHumanFirstName = "Mario";

inline void addPlayers(Database& db) {
    Transaction transaction(db);
    for (const PoolPlayer& p : kPool) {
        db.appendRow("giocatori", {{"cognome", p.cognome},
                                   {"nome", p.nome},
                                   {"nazionalita", p.nazionalita},
                                   {"anno", p.anno},
                                   {"profilo", "0"},
                                   {"cambiocarte", p.cambiocarte},
                                   {"aggressivita", p.aggressivita},
                                   {"foto", p.foto}});
    }
    db.appendRow("giocatori", {{"cognome", kHumanSurname},
                               {"nome", kHumanFirstName},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", 0},
                               {"aggressivita", 0},
                               {"foto", 0}});
    transaction.commit();
}

inline void copyDatabaseFile(const fs::path& from, const fs::path& to) {
    fs::create_directories(to.parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    for (const char* side : {"-wal", "-shm"}) {
        const fs::path extra = from.string() + side;
        if (fs::exists(extra)) {
            fs::copy_file(extra, to.string() + side, fs::copy_options::overwrite_existing);
        }
    }
}

// Opening a database file costs a key derivation, so the test binary builds one template
// file and keeps one open copy that every table test shares; each test resets the rows it
// may have touched.
struct SharedStore {
    TempFolder folder;
    fs::path templateFile;
    Database db;

    SharedStore() {
        templateFile = folder.path() / "template" / Database::kFileName;
        fs::create_directories(templateFile.parent_path());
        {
            Database seed;
            seed.open(templateFile);
            ensureSchema(seed);
            addPlayers(seed);
            seed.close();
        }
        const fs::path shared = folder.path() / "shared" / Database::kFileName;
        copyDatabaseFile(templateFile, shared);
        db.open(shared);
    }

    // A fresh copy of the template in its own folder, for tests that need a second file.
    fs::path copyTemplate(const std::string& name) {
        const fs::path file = folder.path() / name / Database::kFileName;
        copyDatabaseFile(templateFile, file);
        return file;
    }
};

inline SharedStore& sharedStore() {
    static SharedStore store;
    return store;
}

inline void resetStore(Database& db) {
    db.execute("DELETE FROM torneo");
    db.execute(
        "UPDATE opzioni SET tipopartita='Normale', cambiocarte='Si', \"2superaasso\"='No', "
        "punteggio='25 Punti', premio='1 Carta', limite='Senza Limite'");
    db.execute("UPDATE temp SET numero1='0' WHERE descrizione= 'nummag'");
}

inline void storeOptions(Database& db, const MatchOptions& o) {
    db.execute("UPDATE opzioni SET tipopartita='" + o.tipopartita + "', cambiocarte='" +
               o.cambiocarte + "', \"2superaasso\"='" + o.duesuperaasso + "', punteggio='" +
               o.punteggio + "', premio='" + o.premio + "', limite='" + o.limite + "'");
}

// Counts how often the table timer was switched off: once at the end of every hand.
class TableSurface : public MemorySurface {
public:
    void setEnabled(Control c, bool enabled) override {
        if (c == ctl::Timer1 && !enabled) ++timer1Stops;
        MemorySurface::setEnabled(c, enabled);
    }
    int timer1Stops = 0;
};

inline int suitIndex(char suit) {
    switch (suit) {
        case 'c':
            return 0;
        case 'm':
            return 1;
        case 'f':
            return 2;
        case 'p':
            return 3;
        default:
            return -1;
    }
}

using CardCounts = std::array<std::array<int, 4>, 15>;

// How many of each (value, suit) the pile and the hands hold; anything that is not a real
// card and not empty counts under value 0 (and so breaks the "each card twice" check).
inline CardCounts pileAndHandCounts(const GameSession& s) {
    CardCounts counts{};
    auto add = [&counts](Card c) {
        if (c.empty()) return;
        const int suit = suitIndex(c.suit);
        if (!c.isReal() || suit < 0) {
            ++counts[0][0];
            return;
        }
        ++counts[c.value][suit];
    };
    for (const Card& c : s.deck) add(c);
    for (const Hand& h : s.hands) {
        for (const Card& c : h) add(c);
    }
    return counts;
}

inline bool eachCardExactlyTwice(const CardCounts& counts) {
    if (counts[0][0] != 0 || counts[1][0] != 0) return false;
    for (int v = 2; v <= 14; ++v) {
        for (int s = 0; s < 4; ++s) {
            if (counts[v][s] != 2) return false;
        }
    }
    return true;
}

inline int cardsInPile(const GameSession& s) {
    int n = 0;
    for (const Card& c : s.deck) n += c.empty() ? 0 : 1;
    return n;
}

// No card behind an empty place.
inline bool pileIsCompact(const GameSession& s) {
    bool seenEmpty = false;
    for (const Card& c : s.deck) {
        if (c.empty())
            seenEmpty = true;
        else if (seenEmpty)
            return false;
    }
    return true;
}

inline bool handIsSorted(const Hand& h) {
    for (int j = 0; j + 1 < kHandSlots; ++j) {
        if (h[j].value < h[j + 1].value) return false;
    }
    return true;
}

inline Card makeCard(int value, char suit) {
    return Card{value, suit};
}

class TableFixture : public ::testing::Test {
protected:
    TableFixture()
        : db(sharedStore().db),
          display(surface, session, tournament, db),
          engine(session, surface, random, db, display, tournament, unkept) {
        resetStore(db);
        surface.setMessageTitle("Zelvaro");
        session.buildMasterDeck();
        seatPlayers();
    }

    // Rossi (human) at seat 0; Bianchi, D'Angelo, Verdi, Neri, Galli at seats 1 to 5.
    void seatPlayers() {
        session.humanprofile =
            PlayerProfile{kHumanSurname, kHumanFirstName, "Italia", "1980", "1", 0, 0, 0};
        const std::array<int, 5> rows{0, 1, 12, 13, 14};
        for (int j = 0; j < 5; ++j) {
            const PoolPlayer& p = kPool[rows[j]];
            session.opponents[j] =
                PlayerProfile{p.cognome, p.nome,        p.nazionalita,  std::to_string(p.anno),
                              "0",       p.cambiocarte, p.aggressivita, p.foto};
            session.seatstats[j + 1] = SeatStats{p.cognome, 0, 0, p.nome};
        }
        session.seatstats[0] = SeatStats{kHumanSurname, 0, 0, kHumanFirstName};
    }

    const std::string& surname(int seat) const { return session.seatstats[seat].surname; }

    // Values only; each card gets a suit by its place so that cards stay tellable apart.
    static Card cardOf(int value, int place) {
        static constexpr char kSuits[4] = {'c', 'm', 'f', 'p'};
        return Card{value, kSuits[place % 4]};
    }

    void setHand(int seat, std::initializer_list<int> values) {
        session.hands[seat].fill(kEmptyCard);
        int slot = 0;
        for (int v : values) {
            session.hands[seat][slot] = v == 0 ? kEmptyCard : cardOf(v, slot + seat);
            ++slot;
        }
    }

    void emptyAllHands() {
        for (Hand& h : session.hands) h.fill(kEmptyCard);
    }

    // 0 leaves the place empty, 15 is a pass.
    void setTrick(std::initializer_list<int> values) { session.trick = rulestest::trick(values); }

    void setPile(std::initializer_list<Card> cards) {
        session.deck.fill(kEmptyCard);
        int k = 0;
        for (const Card& c : cards) session.deck.set(k++, c);
    }

    void setScores(std::initializer_list<int> scores) {
        int seat = 0;
        for (int s : scores) session.seatstats[seat++].score = s;
    }

    std::array<int, kSeats> scores() const {
        std::array<int, kSeats> out{};
        for (int s = 0; s < kSeats; ++s) out[s] = session.seatstats[s].score;
        return out;
    }

    // A row in the tournament field for every seated player.
    void addTorneoRows(int punti) {
        Transaction transaction(db);
        for (int seat = 0; seat < kSeats; ++seat) {
            db.appendRow("torneo", {{"cognome", session.seatstats[seat].surname},
                                    {"nome", session.seatstats[seat].firstName},
                                    {"tavolo", 1},
                                    {"punti", punti},
                                    {"eliminato", 0},
                                    {"nazionalita", "Italia"}});
        }
        transaction.commit();
    }

    int torneoPoints(int seat) {
        const ResultSet rs =
            db.query("SELECT * FROM torneo where cognome='" +
                     Database::fApici(session.seatstats[seat].surname) + "' and nome='" +
                     Database::fApici(session.seatstats[seat].firstName) + "'");
        if (rs.rows() != 1) throw std::runtime_error("no single torneo row");
        return static_cast<int>(rs.at("punti", 0).integer());
    }

    // Shuffles and deals a hand with the given options; `leader` leads it.
    void startDealtHand(const MatchOptions& options, int leader) {
        session.options = options;
        session.trickleader = static_cast<std::int16_t>(leader);
        session.trickwinner = static_cast<std::int16_t>(leader);
        engine.prepareTable();
    }

    static MatchOptions optionsWith(const std::string& punteggio,
                                    const std::string& cambiocarte = "No",
                                    const std::string& duesuperaasso = "No",
                                    const std::string& tipopartita = "Normale",
                                    const std::string& premio = "1 Carta") {
        MatchOptions o;
        o.tipopartita = tipopartita;
        o.cambiocarte = cambiocarte;
        o.duesuperaasso = duesuperaasso;
        o.punteggio = punteggio;
        o.premio = premio;
        o.limite = "Senza Limite";
        return o;
    }

    // Advances the generator until the next computer draw satisfies `wanted`; returns it.
    template <typename Pred>
    int steerNextDraw(Pred wanted) {
        for (int tries = 0; tries < 100000; ++tries) {
            Random probe = random;
            const int draw = computerDraw(probe.next());
            if (wanted(draw)) return draw;
            random.next();
        }
        throw std::runtime_error("no such draw");
    }

    void tick(int times = 1) {
        for (int i = 0; i < times; ++i) engine.tableTick();
    }

    Database& db;
    TableSurface surface;
    GameSession session;
    Random random;
    Tournament tournament;
    TableDisplay display;
    UnkeptMatch unkept;
    TableEngine engine;
};

}  // namespace zelvaro::tabletest

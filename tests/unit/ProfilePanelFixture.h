// The profile panel's tests' database, panel and form helpers, and the messages they expect.
#pragma once

#include <string>

#include "front/ProfilePanel.h"
#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "store/Database.h"
#include "store/PlayerPool.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro::profiletest {

inline constexpr const char* kBadName = "Controlla il nome ed il cognome.";
inline constexpr const char* kExists = "Giocatore gia' esistente.";
inline constexpr const char* kNoNation = "Nazionalita' inesistente.";
inline constexpr const char* kBadYear = "Data di nascita errata.";
inline constexpr const char* kConfirmDelete = "Vuoi davvero eliminare questo profilo? ";

inline std::string dump(const ResultSet& rs) {
    std::string out;
    for (int r = 0; r < rs.rows(); ++r) {
        for (int c = 0; c < rs.columnCount(); ++c) out += rs.at(c, r).text() + "|";
        out += "\n";
    }
    return out;
}

// The database holds the seed rows and a generated pool, made once for the suite; every
// test starts without user profiles and with a fresh panel.
class ProfilePanelTest : public testsupport::SharedDatabaseTest<ProfilePanelTest> {
protected:
    static void SetUpTestSuite() {
        SharedDatabaseTest::SetUpTestSuite();
        Random random;
        MemorySurface surface;
        ensurePlayerPool(db(), random, surface);
    }
    void SetUp() override {
        db().execute("DELETE FROM giocatori where profilo='1'");
        panel.populate();
        panel.prepareForOpening();
    }

    // Everything in the database except the user's own profiles.
    std::string everythingElse() {
        std::string out;
        out += dump(db().query("SELECT name FROM sqlite_master order by name"));
        out += dump(db().query("SELECT * FROM giocatori where profilo='0' order by rowid"));
        for (const char* table : {"nazioni", "opzioni", "temp", "torneo", "classifica"}) {
            out += dump(db().query(std::string("SELECT * FROM ") + table + " order by rowid"));
        }
        return out;
    }
    ResultSet userProfiles() {
        return db().query("SELECT * FROM giocatori where profilo='1' order by rowid");
    }

    void fill(const std::string& surname, const std::string& firstName,
              const std::string& nation = "Italia", const std::string& year = "1980") {
        surface.setCaption(ctl::Text1, surname);
        surface.setCaption(ctl::Text2, firstName);
        surface.setCaption(ctl::Combo5, nation);
        surface.setCaption(ctl::Combo6, year);
    }
    // Creates a profile and returns the message it gave, empty when none.
    std::string create(const std::string& surname, const std::string& firstName,
                       const std::string& nation = "Italia", const std::string& year = "1980") {
        fill(surname, firstName, nation, year);
        surface.clearMessages();
        panel.createProfile();
        if (surface.messages().empty()) return {};
        EXPECT_EQ(surface.messages().size(), 1U);
        EXPECT_EQ(surface.messages().back().buttons, MessageButtons::Ok);
        return surface.messages().back().text;
    }
    void select(const std::string& displayName) {
        surface.setCaption(ctl::Combo4, displayName);
        panel.showSelectedProfile();
    }
    void deleteShown(MessageAnswer answer) {
        surface.scriptAnswers({answer});
        surface.clearMessages();
        panel.deleteProfile();
    }

    MemorySurface surface;
    ProfilePanel panel{surface, db()};
};

}  // namespace zelvaro::profiletest

// The profile panel: listing, showing, creating and deleting the user's own profiles.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <random>
#include <set>
#include <filesystem>
#include <string>
#include <vector>

#include "primitives/MemorySurface.h"
#include "primitives/Random.h"
#include "front/ProfilePanel.h"
#include "store/Database.h"
#include "store/PlayerPool.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;

constexpr const char* kBadName = "Controlla il nome ed il cognome.";
constexpr const char* kExists = "Giocatore gia' esistente.";
constexpr const char* kNoNation = "Nazionalita' inesistente.";
constexpr const char* kBadYear = "Data di nascita errata.";
constexpr const char* kConfirmDelete = "Vuoi davvero eliminare questo profilo? ";

using testsupport::TempFolder;

std::string dump(const ResultSet& rs) {
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

// ---------------------------------------------------------------------------------------
// Opening the panel

TEST_F(ProfilePanelTest, WithoutUserProfilesTheListIsEmptyAndTheFlagHidden) {
    surface.setVisible(ctl::Image2, true);
    panel.refreshProfileList();
    EXPECT_TRUE(surface.items(ctl::Combo4).empty());
    EXPECT_EQ(surface.caption(ctl::Combo4), "");
    EXPECT_EQ(surface.caption(ctl::Label22), "");
    EXPECT_EQ(surface.caption(ctl::Label24), "Anno di nascita");
    EXPECT_FALSE(surface.visible(ctl::Image2));
}

TEST_F(ProfilePanelTest, OpeningEmptiesTheFormAndProposesItaliaAnd1980) {
    fill("Rossi", "Marco", "Francia", "1970");
    panel.prepareForOpening();
    EXPECT_EQ(surface.caption(ctl::Text1), "");
    EXPECT_EQ(surface.caption(ctl::Text2), "");
    EXPECT_EQ(surface.caption(ctl::Combo5), "Italia");
    EXPECT_EQ(surface.caption(ctl::Combo6), "1980");
}

TEST_F(ProfilePanelTest, NationListHoldsEachNationOnceInAlphabeticalOrder) {
    panel.prepareForOpening();
    panel.prepareForOpening();  // a second opening must not add the nations again
    const std::vector<std::string> nations = surface.items(ctl::Combo5);
    ASSERT_FALSE(nations.empty());
    EXPECT_TRUE(std::is_sorted(nations.begin(), nations.end()));
    EXPECT_EQ(std::adjacent_find(nations.begin(), nations.end()), nations.end());
    EXPECT_NE(std::find(nations.begin(), nations.end(), "Italia"), nations.end());
    const ResultSet distinct = db().query("SELECT DISTINCT nazione FROM nazioni");
    EXPECT_EQ(static_cast<int>(nations.size()), distinct.rows());
}

TEST_F(ProfilePanelTest, NationSpelledInAnotherCaseIsListedOnce) {
    std::vector<std::pair<std::string, Value>> row{{"nazione", "ITALIA"}, {"nomecognome", "nome"}};
    for (int i = 1; i <= 20; ++i) row.emplace_back(nameColumn(i), "Nome");
    db().appendRow("nazioni", row);
    panel.prepareForOpening();
    db().execute("DELETE FROM nazioni WHERE rowid=(SELECT max(rowid) FROM nazioni)");

    const std::vector<std::string> nations = surface.items(ctl::Combo5);
    const auto italy = std::count_if(nations.begin(), nations.end(), [](const std::string& n) {
        return n == "Italia" || n == "ITALIA";
    });
    EXPECT_EQ(italy, 1);
    EXPECT_EQ(static_cast<int>(nations.size()),
              db().query("SELECT DISTINCT nazione FROM nazioni").rows());
}

TEST_F(ProfilePanelTest, YearListRunsFrom1960To2000) {
    const std::vector<std::string> years = surface.items(ctl::Combo6);
    ASSERT_EQ(years.size(), 41U);
    EXPECT_EQ(years.front(), "1960");
    EXPECT_EQ(years[20], "1980");
    EXPECT_EQ(years.back(), "2000");
    panel.populate();
    EXPECT_EQ(surface.items(ctl::Combo6).size(), 41U);
}

// ---------------------------------------------------------------------------------------
// Creating

TEST_F(ProfilePanelTest, CreatedProfileIsStoredAsAUserProfileAndShown) {
    EXPECT_EQ(create("R2D2", "Marco", "Francia", "1980"), "");
    const ResultSet rows = userProfiles();
    ASSERT_EQ(rows.rows(), 1);
    EXPECT_EQ(rows.at("cognome", 0).text(), "R2D2");
    EXPECT_EQ(rows.at("nome", 0).text(), "Marco");
    EXPECT_EQ(rows.at("nazionalita", 0).text(), "Francia");
    EXPECT_EQ(rows.at("anno", 0).number(), 1980);
    EXPECT_EQ(rows.at("cambiocarte", 0).number(), 0);
    EXPECT_EQ(rows.at("aggressivita", 0).number(), 0);
    EXPECT_TRUE(rows.at("foto", 0).isNull());

    EXPECT_EQ(surface.items(ctl::Combo4), std::vector<std::string>{"R2D2 Marco"});
    EXPECT_EQ(surface.caption(ctl::Combo4), "R2D2 Marco");
    EXPECT_EQ(surface.caption(ctl::Label22), "R2D2 Marco");
    // The new profile is the one picked, shown as a pick shows it.
    EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1980");
    EXPECT_TRUE(surface.visible(ctl::Image2));
    EXPECT_EQ(surface.picture(ctl::Image2), "bandiere/Francia.jpg");
}

TEST_F(ProfilePanelTest, ProfilesAreListedBySurnameThenFirstNameAndTheFirstIsShown) {
    ASSERT_EQ(create("Verdi", "Anna", "Italia", "1961"), "");
    ASSERT_EQ(create("Bianchi", "Luca", "Spagna", "1962"), "");
    ASSERT_EQ(create("bianchi", "Aldo", "Grecia", "1963"), "");
    ASSERT_EQ(create("Zeta", "Ugo", "Spagna", "1964"), "");
    EXPECT_EQ(surface.items(ctl::Combo4),
              (std::vector<std::string>{"bianchi Aldo", "Bianchi Luca", "Verdi Anna", "Zeta Ugo"}));
    // The list opens on its first profile; after "Crea" the new one is picked.
    EXPECT_EQ(surface.caption(ctl::Label22), "Zeta Ugo");
    panel.prepareForOpening();
    EXPECT_EQ(surface.caption(ctl::Label22), "bianchi Aldo");
    EXPECT_EQ(surface.caption(ctl::Label24), "Anno di nascita  1963");
    EXPECT_EQ(surface.picture(ctl::Image2), "bandiere/Grecia.jpg");
}

TEST_F(ProfilePanelTest, PickingAProfileShowsItsNationAndBirthYear) {
    ASSERT_EQ(create("Alfa", "Uno", "Italia", "1990"), "");
    ASSERT_EQ(create("Beta", "Due", "Norvegia", "1975"), "");
    select("Beta Due");
    EXPECT_EQ(surface.caption(ctl::Label22), "Beta Due");
    EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1975");
    EXPECT_EQ(surface.picture(ctl::Image2), "bandiere/Norvegia.jpg");
    EXPECT_TRUE(surface.visible(ctl::Image2));
    select("Alfa Uno");
    EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1990");
    EXPECT_EQ(surface.picture(ctl::Image2), "bandiere/Italia.jpg");
}

TEST_F(ProfilePanelTest, NamesThatAreNumbersOrEmptyAreRefused) {
    const std::string before = everythingElse();
    const std::vector<std::pair<std::string, std::string>> refused{
        {"123", "Marco"},  {"Rossi", "1.5"}, {" 12 ", "Marco"}, {"-7", "Marco"},
        {"Rossi", "3,14"}, {"", "Marco"},    {"Rossi", ""},     {"  ", "Marco"},
        {"", ""},          {"1e5", "Marco"}, {"Rossi", "2E-3"},
        // Blanks of every kind: non-breaking, thin, ideographic, tabs and line ends.
        {"\u00a0\u00a0", "Marco"}, {"Rossi", "\u2009\u202f\u3000"}, {"\t\n", "Marco"},
        {"\u00a0 42 \u2002", "Marco"},
        // Longer than a name: 41 characters, and far longer.
        {std::string(41, 'a'), "Marco"}, {"Rossi", std::string(20, 'x') + std::string(21, 'y')},
        {std::string(16384, 'R'), std::string(16384, 'M')},
    };
    for (const auto& [surname, firstName] : refused) {
        EXPECT_EQ(create(surname, firstName), kBadName)
            << "[" << surname << "] [" << firstName << "]";
    }
    EXPECT_TRUE(userProfiles().empty());
    EXPECT_EQ(everythingElse(), before);
}

TEST_F(ProfilePanelTest, NamesMixingLettersAndDigitsAreAccepted) {
    EXPECT_EQ(create("R2D2", "C3PO"), "");
    EXPECT_EQ(create("12b", "Anna"), "");
    EXPECT_EQ(create("1.2.3", "Anna"), "");
    EXPECT_EQ(create("7e", "Anna"), "");
    EXPECT_EQ(userProfiles().rows(), 4);
}

TEST_F(ProfilePanelTest, NameOfAGeneratedPlayerIsRefused) {
    const ResultSet generated = db().query("SELECT * FROM giocatori where profilo='0'");
    ASSERT_FALSE(generated.empty());
    const std::string surname = generated.at(0, 0).text();
    const std::string firstName = generated.at(1, 0).text();
    const std::string before = everythingElse();
    EXPECT_EQ(create(surname, firstName), kExists);
    EXPECT_TRUE(userProfiles().empty());
    EXPECT_EQ(everythingElse(), before);
}

TEST_F(ProfilePanelTest, ExistingProfileIsRefusedWhateverTheLetterCase) {
    ASSERT_EQ(create("O'Hara", "Scarlett"), "");
    EXPECT_EQ(create("O'Hara", "Scarlett", "Francia", "1970"), kExists);
    EXPECT_EQ(create("o'hara", "SCARLETT"), kExists);
    EXPECT_EQ(userProfiles().rows(), 1);
}

TEST_F(ProfilePanelTest, UnknownNationIsRefused) {
    EXPECT_EQ(create("Rossi", "Zeno", "Atlantide"), kNoNation);
    EXPECT_EQ(create("Rossi", "Zeno", ""), kNoNation);
    EXPECT_EQ(create("Rossi", "Zeno", "Italia "), kNoNation);
    EXPECT_TRUE(userProfiles().empty());
}

TEST_F(ProfilePanelTest, BirthYearMustBeAWholeYearFrom1960To2000) {
    for (const char* year : {"1959", "2001", "abc", "", "1980.5", "19 80", "1980a", "-1980"}) {
        EXPECT_EQ(create("Rossi", "Zeno", "Italia", year), kBadYear) << year;
    }
    EXPECT_TRUE(userProfiles().empty());
    EXPECT_EQ(create("Primo", "Anno", "Italia", "1960"), "");
    EXPECT_EQ(create("Ultimo", "Anno", "Italia", "2000"), "");
    EXPECT_EQ(create("Decimale", "Anno", "Italia", "1980.0"), "");
    select("Decimale Anno");
    EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1980");
}

TEST_F(ProfilePanelTest, OnlyTheFirstFailingCheckIsReported) {
    EXPECT_EQ(create("123", "Zeno", "Atlantide", "abc"), kBadName);
    ASSERT_EQ(create("Primo", "Zeno"), "");
    EXPECT_EQ(create("Primo", "Zeno", "Atlantide", "abc"), kExists);
    EXPECT_EQ(create("Secondo", "Zeno", "Atlantide", "abc"), kNoNation);
    EXPECT_EQ(userProfiles().rows(), 1);
}

// ---------------------------------------------------------------------------------------
// Deleting

TEST_F(ProfilePanelTest, ApostropheSurnameCanBeSelectedAndDeletedAgain) {
    ASSERT_EQ(create("O'Brien", "Sean", "Irlanda", "1977"), "");
    ASSERT_EQ(create("Zanetti", "Paolo"), "");
    select("O'Brien Sean");
    EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1977");
    deleteShown(MessageAnswer::Yes);
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.messages()[0].text, kConfirmDelete);
    EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(surface.items(ctl::Combo4), std::vector<std::string>{"Zanetti Paolo"});
    EXPECT_EQ(surface.caption(ctl::Label22), "Zanetti Paolo");
    ASSERT_EQ(userProfiles().rows(), 1);
    EXPECT_EQ(userProfiles().at(0, 0).text(), "Zanetti");
}

TEST_F(ProfilePanelTest, TwoProfilesThatReadAlikeArePickedShownAndDeletedByTheirRow) {
    // "Uno Due" + "Tre" and "Uno" + "Due Tre" both read "Uno Due Tre"; the list lists "Uno"
    // first. Whichever is made second, picked or deleted, the row acted on is the one shown.
    for (const bool plainSurnameFirst : {true, false}) {
        SCOPED_TRACE(plainSurnameFirst ? "Uno made first" : "Uno Due made first");
        db().execute("DELETE FROM giocatori where profilo='1'");
        const std::pair<const char*, const char*> uno{"Uno", "Due Tre"}, unoDue{"Uno Due", "Tre"};
        const auto [first, second] = plainSurnameFirst ? std::pair{uno, unoDue} : std::pair{unoDue, uno};
        ASSERT_EQ(create(first.first, first.second, "Italia", "1990"), "");
        ASSERT_EQ(create(second.first, second.second, "Francia", "1970"), "");
        EXPECT_EQ(surface.items(ctl::Combo4), (std::vector<std::string>{"Uno Due Tre", "Uno Due Tre"}));
        EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1970");  // the one just made
        PlayerProfile player;
        ASSERT_TRUE(panel.loadShownProfile(player));
        EXPECT_EQ(player.cognome + "|" + player.anno, std::string(second.first) + "|1970");

        const int otherItem = 1 - surface.selectedItem(ctl::Combo4);
        surface.selectItem(ctl::Combo4, otherItem);
        panel.showSelectedProfile();
        EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1990");
        EXPECT_EQ(surface.picture(ctl::Image2), "bandiere/Italia.jpg");
        ASSERT_TRUE(panel.loadShownProfile(player));
        EXPECT_EQ(player.cognome, first.first);

        deleteShown(MessageAnswer::Yes);
        ASSERT_EQ(userProfiles().rows(), 1);
        EXPECT_EQ(userProfiles().at(0, 0).text(), second.first);
        EXPECT_EQ(userProfiles().at(3, 0).integer(), 1970);
    }
}

TEST_F(ProfilePanelTest, AnsweringNoKeepsTheProfile) {
    ASSERT_EQ(create("Rossi", "Zeno"), "");
    deleteShown(MessageAnswer::No);
    EXPECT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(userProfiles().rows(), 1);
    EXPECT_EQ(surface.caption(ctl::Label22), "Rossi Zeno");
}

TEST_F(ProfilePanelTest, DeletingRemovesOnlyTheShownProfileAndNoGeneratedPlayer) {
    const std::string before = everythingElse();
    ASSERT_EQ(create("Alfa", "Uno"), "");
    ASSERT_EQ(create("Beta", "Due"), "");
    select("Beta Due");
    deleteShown(MessageAnswer::Yes);
    ASSERT_EQ(userProfiles().rows(), 1);
    EXPECT_EQ(userProfiles().at(0, 0).text(), "Alfa");
    deleteShown(MessageAnswer::Yes);
    EXPECT_TRUE(userProfiles().empty());
    EXPECT_EQ(surface.caption(ctl::Label22), "");
    EXPECT_FALSE(surface.visible(ctl::Image2));
    EXPECT_EQ(everythingElse(), before);
}

TEST_F(ProfilePanelTest, ElminaDeletesExactlyTheProfileShownWhateverCameBefore) {
    // Random creates (some refused), picks of listed and unlisted texts, and deletes: what
    // goes is always the profile shown, and only when one is shown.
    std::mt19937 draw(11);
    const std::vector<std::string> surnames{"Rossi", "O'Neil", "Bianchi", "D'Amico", "Neri", "  "};
    const std::vector<std::string> firstNames{"Anna", "Luca", "Pia", std::string(41, 'x')};
    std::set<std::string> stored;
    for (int step = 0; step < 400; ++step) {
        const auto pickOf = [&](const auto& list) { return list[draw() % list.size()]; };
        switch (draw() % 4) {
            case 0: {
                const std::string surname = pickOf(surnames), firstName = pickOf(firstNames);
                if (create(surname, firstName).empty()) stored.insert(surname + " " + firstName);
                break;
            }
            case 1:
                if (!stored.empty()) {
                    select(pickOf(std::vector<std::string>(stored.begin(), stored.end())));
                    ASSERT_EQ(surface.caption(ctl::Label22), surface.caption(ctl::Combo4));
                }
                break;
            case 2:
                select("Nessuno Qui");
                ASSERT_EQ(surface.caption(ctl::Label22), "");
                break;
            default: {
                const std::string shown = surface.caption(ctl::Label22);
                deleteShown(MessageAnswer::Yes);
                ASSERT_EQ(surface.messages().size(), stored.count(shown)) << shown;
                stored.erase(shown);
            }
        }
        std::set<std::string> inFile;
        const ResultSet rows = userProfiles();
        for (int r = 0; r < rows.rows(); ++r) inFile.insert(rows.at(0, r).text() + " " + rows.at(1, r).text());
        ASSERT_EQ(inFile, stored) << "step " << step;
    }
}

TEST_F(ProfilePanelTest, DeleteWithoutUserProfilesAsksNothingAndChangesNothing) {
    const std::string before = everythingElse();
    deleteShown(MessageAnswer::Yes);
    EXPECT_TRUE(surface.messages().empty());
    EXPECT_EQ(everythingElse(), before);
}

// ---------------------------------------------------------------------------------------
// Hostile and unusual text

TEST_F(ProfilePanelTest, UnusualNamesAreStoredAndShownExactlyAsTyped) {
    const std::vector<std::pair<std::string, std::string>> names{
        {"O'Neil'S", "D'Artagnan'"},
        {"'", "''"},
        {"\"Quoted\"", "Mc\"Coy"},
        {"x'; DROP TABLE giocatori; --", "x'; DROP TABLE giocatori; --"},
        {"Robert'); DELETE FROM giocatori; --", "Bobby"},
        {"Łukasz", "Ørsted"},
        {"山田", "太郎"},
        {"back\\slash", "%_*"},
        {"Abcdefghijklmnopqrstuvwxyz'Abcdefghijklm", "Quarantà caratteri àèìòù fino alla fine"},
    };
    const std::string before = everythingElse();
    for (const auto& [surname, firstName] : names) {
        const std::string shown = surname + " " + firstName;
        ASSERT_EQ(create(surname, firstName, "Italia", "1985"), "") << shown.substr(0, 60);
        const ResultSet rows = userProfiles();
        ASSERT_EQ(rows.rows(), 1);
        EXPECT_EQ(rows.at(0, 0).text(), surname);
        EXPECT_EQ(rows.at(1, 0).text(), firstName);
        EXPECT_EQ(surface.items(ctl::Combo4), std::vector<std::string>{shown});
        select(shown);
        EXPECT_EQ(surface.caption(ctl::Label22), shown);
        EXPECT_EQ(surface.caption(ctl::Label24), "Data di nascita   1985");
        // The same text again is found by the duplicate check.
        EXPECT_EQ(create(surname, firstName), kExists) << shown.substr(0, 60);
        deleteShown(MessageAnswer::Yes);
        EXPECT_TRUE(userProfiles().empty()) << shown.substr(0, 60);
        EXPECT_EQ(everythingElse(), before) << shown.substr(0, 60);
    }
}

TEST_F(ProfilePanelTest, HostileNationAndYearAreRefusedWithTheirMessages) {
    const std::string before = everythingElse();
    EXPECT_EQ(create("Rossi", "Zeno", "x'; DROP TABLE giocatori; --"), kNoNation);
    EXPECT_EQ(create("Rossi", "Zeno", "Italia' OR '1'='1"), kNoNation);
    EXPECT_EQ(create("Rossi", "Zeno", "\"Italia\""), kNoNation);
    EXPECT_EQ(create("Rossi", "Zeno", "Italia", "1980'; DROP TABLE giocatori; --"), kBadYear);
    EXPECT_EQ(create("Rossi' OR '1'='1", "x' OR '1'='1", "Italia"), "");
    EXPECT_EQ(userProfiles().rows(), 1);
    EXPECT_EQ(everythingElse(), before);
}

TEST_F(ProfilePanelTest, NationWithAnApostropheCanBeChosen) {
    std::vector<std::pair<std::string, Value>> row{{"nazione", "Costa d'Avorio"},
                                                   {"nomecognome", "cognome"}};
    for (int i = 1; i <= 20; ++i) row.emplace_back(nameColumn(i), "Kone");
    db().appendRow("nazioni", row);
    const std::string created = create("Drogba", "Didier", "Costa d'Avorio", "1978");
    const std::string flag = surface.picture(ctl::Image2);
    panel.prepareForOpening();
    const std::vector<std::string> nations = surface.items(ctl::Combo5);
    db().execute("DELETE FROM nazioni where nazione='Costa d''Avorio'");

    EXPECT_EQ(created, "");
    EXPECT_EQ(flag, "bandiere/Costa d'Avorio.jpg");
    EXPECT_NE(std::find(nations.begin(), nations.end(), "Costa d'Avorio"), nations.end());
}

}  // namespace
}  // namespace zelvaro

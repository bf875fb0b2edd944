// The profile panel: listing, showing and creating the user's own profiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/unit/ProfilePanelFixture.h"

namespace zelvaro::profiletest {
namespace {

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
        {"123", "Marco"},
        {"Rossi", "1.5"},
        {" 12 ", "Marco"},
        {"-7", "Marco"},
        {"Rossi", "3,14"},
        {"", "Marco"},
        {"Rossi", ""},
        {"  ", "Marco"},
        {"", ""},
        {"1e5", "Marco"},
        {"Rossi", "2E-3"},
        // Blanks of every kind: non-breaking, thin, ideographic, tabs and line ends.
        {"\u00a0\u00a0", "Marco"},
        {"Rossi", "\u2009\u202f\u3000"},
        {"\t\n", "Marco"},
        {"\u00a0 42 \u2002", "Marco"},
        // Longer than a name: 41 characters, and far longer.
        {std::string(41, 'a'), "Marco"},
        {"Rossi", std::string(20, 'x') + std::string(21, 'y')},
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

}  // namespace
}  // namespace zelvaro::profiletest

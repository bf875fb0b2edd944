// The profile panel's deleting, and unusual or hostile text in its form kept exactly as typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/unit/ProfilePanelFixture.h"

namespace zelvaro::profiletest {
namespace {

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
        const auto [first, second] =
            plainSurnameFirst ? std::pair{uno, unoDue} : std::pair{unoDue, uno};
        ASSERT_EQ(create(first.first, first.second, "Italia", "1990"), "");
        ASSERT_EQ(create(second.first, second.second, "Francia", "1970"), "");
        EXPECT_EQ(surface.items(ctl::Combo4),
                  (std::vector<std::string>{"Uno Due Tre", "Uno Due Tre"}));
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
        for (int r = 0; r < rows.rows(); ++r)
            inFile.insert(rows.at(0, r).text() + " " + rows.at(1, r).text());
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
}  // namespace zelvaro::profiletest

// The main menu's highlighting and the options panel.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "front/MainMenu.h"
#include "front/OptionsPanel.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "tests/unit/FrontPanelsFixture.h"

namespace zelvaro::paneltest {
namespace {

std::vector<std::string> highlighted(const Surface& surface, const std::vector<Control>& group) {
    std::vector<std::string> lit;
    for (const Control c : group) {
        if (surface.foreColor(c) == kHighlightColor) lit.push_back(objectName(c));
    }
    return lit;
}

// ---------------------------------------------------------------------------------------
// Hover highlighting and the menu group

class MainMenuTest : public ::testing::Test {
protected:
    MemorySurface surface;
    MainMenu menu{surface};
    const std::vector<Control> menuGroup{kMenu.begin(), kMenu.end()};
};

TEST_F(MainMenuTest, DisableAndEnableCoverAllSixEntries) {
    menu.disableMenu();
    EXPECT_TRUE(menuIs(surface, false));
    menu.enableMenu();
    EXPECT_TRUE(menuIs(surface, true));
}

TEST_F(MainMenuTest, MovingFromOneEntryToAnotherLeavesOnlyTheNewOneLit) {
    menu.mouseMoved(ctl::Label2);
    EXPECT_EQ(highlighted(surface, menuGroup), std::vector<std::string>{"Label2"});
    menu.mouseMoved(ctl::Label10);
    EXPECT_EQ(highlighted(surface, menuGroup), std::vector<std::string>{"Label10"});
    for (const Control c : kMenu) {
        menu.mouseMoved(c);
        EXPECT_EQ(highlighted(surface, menuGroup), std::vector<std::string>{objectName(c)});
    }
}

TEST_F(MainMenuTest, WindowBackgroundResetsEveryEntry) {
    menu.mouseMoved(ctl::Label35);
    menu.mouseMoved(ctl::Form1);
    EXPECT_TRUE(highlighted(surface, menuGroup).empty());
    for (const Control c : kMenu) EXPECT_EQ(surface.foreColor(c), kButtonTextColor);
}

TEST_F(MainMenuTest, CreateStaysLitOverTheProfileBackgroundUntilTheCreateFrame) {
    menu.mouseMoved(ctl::Label26);
    menu.mouseMoved(ctl::Frame3);
    EXPECT_EQ(surface.foreColor(ctl::Label26), kHighlightColor);
    menu.mouseMoved(ctl::Frame4);
    EXPECT_EQ(surface.foreColor(ctl::Label26), kButtonTextColor);
}

TEST_F(MainMenuTest, ProfileButtonsTakeTheLightFromEachOther) {
    const std::vector<Control> group{ctl::Label21, ctl::Label9, ctl::Label27};
    menu.mouseMoved(ctl::Label21);
    menu.mouseMoved(ctl::Label9);
    EXPECT_EQ(highlighted(surface, group), std::vector<std::string>{"Label9"});
    menu.mouseMoved(ctl::Label27);
    menu.mouseMoved(ctl::Frame3);
    EXPECT_TRUE(highlighted(surface, group).empty());
}

TEST_F(MainMenuTest, EachPanelBackgroundResetsItsOwnButtons) {
    const std::vector<std::pair<Control, std::vector<Control>>> panels{
        {ctl::Frame1, {ctl::Label12, ctl::Label13}},
        {ctl::Frame2, {ctl::Label17}},
        {ctl::Frame5, {ctl::Label36, ctl::Label37}},
        {ctl::Picture1, {ctl::Label33, ctl::Label18, ctl::Label52}},
    };
    for (const auto& [panel, buttons] : panels) {
        for (const Control button : buttons) {
            menu.mouseMoved(button);
            EXPECT_EQ(highlighted(surface, buttons), std::vector<std::string>{objectName(button)});
            menu.mouseMoved(panel);
            EXPECT_TRUE(highlighted(surface, buttons).empty()) << objectName(panel);
        }
    }
}

TEST_F(MainMenuTest, TableBackgroundHidesTheOptionCaption) {
    surface.setVisible(ctl::Label19, true);
    menu.mouseMoved(ctl::Picture1);
    EXPECT_FALSE(surface.visible(ctl::Label19));
}

TEST_F(MainMenuTest, StandingsBackLightsOnPressNotOnMove) {
    menu.mouseMoved(ctl::Label53);
    EXPECT_EQ(surface.foreColor(ctl::Label53), kButtonTextColor);
    menu.mousePressed(ctl::Label53);
    EXPECT_EQ(surface.foreColor(ctl::Label53), kHighlightColor);
    menu.mouseMoved(ctl::Picture27);
    EXPECT_EQ(surface.foreColor(ctl::Label53), kButtonTextColor);
}

TEST_F(MainMenuTest, PressingOtherLabelsLightsNothing) {
    menu.mousePressed(ctl::Label2);
    menu.mousePressed(ctl::Label17);
    EXPECT_EQ(surface.foreColor(ctl::Label2), kButtonTextColor);
    EXPECT_EQ(surface.foreColor(ctl::Label17), kButtonTextColor);
}

// ---------------------------------------------------------------------------------------
// Options

class OptionsPanelTest : public StoredDatabase {
protected:
    void SetUp() override {
        StoredDatabase::SetUp();
        options.populate();
    }
    void choose(const std::string& speed, const std::string& gameType, const std::string& prize,
                const std::string& limit) {
        surface.setCaption(ctl::Combo1, speed);
        surface.setCaption(ctl::Combo2, gameType);
        surface.setCaption(ctl::Combo3, prize);
        surface.setCaption(ctl::Combo8, limit);
    }
    OptionsPanel options{surface, db(), random, menu};
};

TEST_F(OptionsPanelTest, ListsHoldTheirItemsInOrder) {
    EXPECT_EQ(surface.items(ctl::Combo1), (std::vector<std::string>{"Lenta", "Normale", "Turbo"}));
    EXPECT_EQ(
        surface.items(ctl::Combo2),
        (std::vector<std::string>{"Partita Singola", "25 Punti", "50 Punti", "100 Punti", "3 Vinte",
                                  "5 Vinte", "Chips", "Eliminazione 25", "Eliminazione 50",
                                  "Eliminazione 100", "Piatto 500", "Piatto 1000", "Piatto 2000"}));
    EXPECT_EQ(surface.items(ctl::Combo3),
              (std::vector<std::string>{"Nascosto", "1 Carta", "2 Carte"}));
    EXPECT_EQ(surface.items(ctl::Combo8),
              (std::vector<std::string>{"Senza Limite", "Limite 10 Mani", "Limite 20 Mani"}));
    options.populate();
    EXPECT_EQ(surface.items(ctl::Combo1).size(), 3U);
}

TEST_F(OptionsPanelTest, OpeningShowsTheStoredRowAndLocksTheMenu) {
    storeOption("tipopartita", "Turbo");
    storeOption("cambiocarte", "Si");
    storeOption("2superaasso", "Si");
    storeOption("punteggio", "Eliminazione 50");
    storeOption("premio", "2 Carte");
    storeOption("limite", "Limite 20 Mani");
    options.openOptions();
    EXPECT_EQ(surface.caption(ctl::Combo1), "Turbo");
    EXPECT_EQ(surface.caption(ctl::Combo2), "Eliminazione 50");
    EXPECT_EQ(surface.caption(ctl::Combo3), "2 Carte");
    EXPECT_EQ(surface.caption(ctl::Combo8), "Limite 20 Mani");
    EXPECT_TRUE(surface.checked(ctl::Check1));
    EXPECT_TRUE(surface.enabled(ctl::Check1));
    EXPECT_TRUE(surface.checked(ctl::Check2));
    EXPECT_TRUE(surface.visible(ctl::Frame1));
    EXPECT_TRUE(menuIs(surface, false));
}

TEST_F(OptionsPanelTest, OnlyAnExactSiTicksABox) {
    storeOption("cambiocarte", "si");
    storeOption("2superaasso", "SI ");
    surface.setChecked(ctl::Check1, true);
    surface.setChecked(ctl::Check2, true);
    options.openOptions();
    EXPECT_FALSE(surface.checked(ctl::Check1));
    EXPECT_FALSE(surface.checked(ctl::Check2));
}

TEST_F(OptionsPanelTest, PotGameOpensWithCardChangeOffUntilAnotherTypeIsChosen) {
    storeOption("punteggio", "Piatto 1000");
    storeOption("cambiocarte", "Si");
    options.openOptions();
    EXPECT_FALSE(surface.checked(ctl::Check1));
    EXPECT_FALSE(surface.enabled(ctl::Check1));

    surface.setCaption(ctl::Combo2, "Chips");
    options.applyPotRule();
    EXPECT_TRUE(surface.enabled(ctl::Check1));
    EXPECT_FALSE(surface.checked(ctl::Check1));
}

TEST_F(OptionsPanelTest, EveryPotTypeSwitchesCardChangeOff) {
    for (const char* pot : {"Piatto 500", "Piatto 1000", "Piatto 2000"}) {
        surface.setEnabled(ctl::Check1, true);
        surface.setChecked(ctl::Check1, true);
        surface.setCaption(ctl::Combo2, pot);
        options.applyPotRule();
        EXPECT_FALSE(surface.checked(ctl::Check1)) << pot;
        EXPECT_FALSE(surface.enabled(ctl::Check1)) << pot;
    }
}

TEST_F(OptionsPanelTest, AcceptStoresEveryControlAndUnlocksTheMenu) {
    options.openOptions();
    choose("Lenta", "100 Punti", "Nascosto", "Limite 10 Mani");
    surface.setChecked(ctl::Check1, false);
    surface.setChecked(ctl::Check2, true);
    options.acceptOptions();
    EXPECT_TRUE(surface.messages().empty());
    EXPECT_EQ(optionsRow(), (std::vector<std::string>{"Lenta", "No", "Si", "100 Punti", "Nascosto",
                                                      "Limite 10 Mani"}));
    EXPECT_FALSE(surface.visible(ctl::Frame1));
    EXPECT_TRUE(menuIs(surface, true));
}

TEST_F(OptionsPanelTest, EachWrongListGivesItsMessageAndWritesNothing) {
    struct Case {
        std::string speed, gameType, prize, message;
    };
    const std::vector<Case> cases{
        {"Veloce", "25 Punti", "1 Carta", "Controlla il tipo di partita."},
        {"lenta", "25 Punti", "1 Carta", "Controlla il tipo di partita."},
        {"Turbo", "30 Punti", "1 Carta", "Controlla il punteggio."},
        {"Turbo", "", "1 Carta", "Controlla il punteggio."},
        {"Turbo", "Chips", "3 Carte", "Controlla il premio."},
        // The first failing check is the one reported.
        {"x", "y", "z", "Controlla il tipo di partita."},
        {"Turbo", "y", "z", "Controlla il punteggio."},
    };
    const std::vector<std::string> before = optionsRow();
    for (const Case& c : cases) {
        options.openOptions();
        surface.clearMessages();
        choose(c.speed, c.gameType, c.prize, "Limite 20 Mani");
        options.acceptOptions();
        ASSERT_EQ(surface.messages().size(), 1U) << c.speed << "/" << c.gameType << "/" << c.prize;
        EXPECT_EQ(surface.messages()[0].text, c.message);
        EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(optionsRow(), before);
        EXPECT_TRUE(surface.visible(ctl::Frame1));
        EXPECT_TRUE(menuIs(surface, false));
    }
}

TEST_F(OptionsPanelTest, TypedHandLimitIsStoredExactlyAsTyped) {
    for (const std::string limit :
         {"Limite 15 Mani", "l'ultima mano", "x'; DROP TABLE giocatori; --", "\"quoted\" ''"}) {
        options.openOptions();
        surface.setCaption(ctl::Combo8, limit);
        options.acceptOptions();
        EXPECT_TRUE(surface.messages().empty());
        EXPECT_EQ(optionsRow().at(5), limit);
        options.openOptions();
        EXPECT_EQ(surface.caption(ctl::Combo8), limit);
    }
    EXPECT_EQ(optionsRow().size(), 6U);
    EXPECT_NO_THROW(db().query("SELECT * FROM giocatori  "));
}

TEST_F(OptionsPanelTest, HostileListTextIsRefused) {
    const std::vector<std::string> before = optionsRow();
    options.openOptions();
    choose("Normale'; DROP TABLE opzioni; --", "25 Punti", "1 Carta", "Senza Limite");
    options.acceptOptions();
    choose("Normale", "25 Punti' , premio='x", "1 Carta", "Senza Limite");
    options.acceptOptions();
    ASSERT_EQ(surface.messages().size(), 2U);
    EXPECT_EQ(surface.messages()[0].text, "Controlla il tipo di partita.");
    EXPECT_EQ(surface.messages()[1].text, "Controlla il punteggio.");
    EXPECT_EQ(optionsRow(), before);
}

TEST_F(OptionsPanelTest, RejectLeavesTheStoredRowUnchanged) {
    const std::vector<std::string> before = optionsRow();
    options.openOptions();
    choose("Turbo", "Piatto 2000", "2 Carte", "Limite 20 Mani");
    surface.setChecked(ctl::Check1, false);
    surface.setChecked(ctl::Check2, true);
    options.rejectOptions();
    EXPECT_EQ(optionsRow(), before);
    EXPECT_FALSE(surface.visible(ctl::Frame1));
    EXPECT_TRUE(menuIs(surface, true));
    // The next opening reloads what is stored.
    options.openOptions();
    EXPECT_EQ(surface.caption(ctl::Combo1), "Normale");
    EXPECT_TRUE(surface.checked(ctl::Check1));
    EXPECT_FALSE(surface.checked(ctl::Check2));
}

// ---------------------------------------------------------------------------------------
// Panels opened from the menu keep it locked until they close

TEST_F(OptionsPanelTest, MenuStaysLockedWhileOptionsAreOpenAndReopensOnEitherButton) {
    options.openOptions();
    EXPECT_FALSE(surface.enabled(ctl::Label35));
    EXPECT_TRUE(menuIs(surface, false));
    options.acceptOptions();
    EXPECT_TRUE(menuIs(surface, true));

    options.openOptions();
    EXPECT_TRUE(menuIs(surface, false));
    options.rejectOptions();
    EXPECT_TRUE(menuIs(surface, true));
}

}  // namespace
}  // namespace zelvaro::paneltest

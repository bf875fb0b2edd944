// What the table panel shows: ranking, name panels, hands, prize cards, option pictures and
// their captions, the tournament header, the speed switch and leaving the match.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "tests/unit/TableFixture.h"

namespace zelvaro::tabletest {
namespace {

// Seats 0..5 keep their hands in these picture arrays.
const std::array<ControlId, 6> kHandArrays{ControlId::Picture2, ControlId::Picture4,
                                           ControlId::Picture3, ControlId::Picture8,
                                           ControlId::Picture7, ControlId::Picture5};

class TableDisplayTest : public TableFixture {};

// ----- table ranking -----

TEST_F(TableDisplayTest, RankingListsNamesAndScoresTiesToTheHigherSeat) {
    setScores({5, 7, 5, 9, 0, 7});
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31), "Verdi\nGalli\nBianchi\nD'Angelo\nRossi\nNeri\n");
    EXPECT_EQ(surface.caption(ctl::Label32), "9\n7\n7\n5\n5\n0\n");
    EXPECT_EQ(surface.picture(ctl::Image4[0]), "bandiere/Francia.jpg");
    EXPECT_EQ(surface.picture(ctl::Image4[1]), "bandiere/Belgio.jpg");
    EXPECT_EQ(surface.picture(ctl::Image4[2]), "bandiere/Svizzera.jpg");
    EXPECT_EQ(surface.picture(ctl::Image4[3]), "bandiere/Irlanda.jpg");
    EXPECT_EQ(surface.picture(ctl::Image4[4]), "bandiere/Italia.jpg");
    EXPECT_EQ(surface.picture(ctl::Image4[5]), "bandiere/Spagna.jpg");
}

TEST_F(TableDisplayTest, AllEqualScoresListTheSeatsFromFiveDown) {
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31), "Galli\nNeri\nVerdi\nD'Angelo\nBianchi\nRossi\n");
    EXPECT_EQ(surface.caption(ctl::Label32), "0\n0\n0\n0\n0\n0\n");
}

TEST_F(TableDisplayTest, RankingShowsNegativeChips) {
    setScores({-3, 5, -1, 0, 0, -10});
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31), "Bianchi\nNeri\nVerdi\nD'Angelo\nRossi\nGalli\n");
    EXPECT_EQ(surface.caption(ctl::Label32), "5\n0\n0\n-1\n-3\n-10\n");
}

TEST_F(TableDisplayTest, RankingFollowsChangingScores) {
    display.showTableStandings();
    setScores({0, 0, 12, 0, 0, 0});
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31).substr(0, 9), "D'Angelo\n");
    EXPECT_EQ(surface.caption(ctl::Label32), "12\n0\n0\n0\n0\n0\n");
    EXPECT_EQ(surface.picture(ctl::Image4[0]), "bandiere/Irlanda.jpg");
    setScores({0, 0, 12, 13, 0, 0});
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31).substr(0, 15), "Verdi\nD'Angelo\n");
}

TEST_F(TableDisplayTest, NewOpponentsWithEqualScoresAreListedByTheirOwnNames) {
    display.showTableStandings();
    // A new table: other people, the same scores.
    session.opponents[4] = PlayerProfile{"Tanaka", "Ken", "Giappone", "1983", "0", 8, 2, 12};
    session.seatstats[5] = SeatStats{"Tanaka", 0, 0, "Ken"};
    display.showOpponentPanels();
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31).substr(0, 7), "Tanaka\n");
    EXPECT_EQ(surface.picture(ctl::Image4[0]), "bandiere/Giappone.jpg");
}

TEST_F(TableDisplayTest, HumanSharingAnOpponentsSurnameShowsTheOpponentsFlag) {
    session.humanprofile.cognome = "Bianchi";
    session.seatstats[0].surname = "Bianchi";
    setScores({2, 1, 0, 0, 0, 0});
    display.showTableStandings();
    EXPECT_EQ(surface.caption(ctl::Label31).substr(0, 16), "Bianchi\nBianchi\n");
    EXPECT_EQ(surface.picture(ctl::Image4[0]), "bandiere/Svizzera.jpg");
    EXPECT_EQ(surface.picture(ctl::Image4[1]), "bandiere/Svizzera.jpg");
}

TEST_F(TableDisplayTest, OfTwoOpponentsWithTheSameSurnameTheLaterFlagWins) {
    session.opponents[3].cognome = "Bianchi";  // seat 4, from Spagna
    session.seatstats[4].surname = "Bianchi";
    setScores({0, 3, 0, 0, 0, 0});
    display.showTableStandings();
    EXPECT_EQ(surface.picture(ctl::Image4[0]), "bandiere/Spagna.jpg");
}

// ----- name panels -----

TEST_F(TableDisplayTest, HumanPanelShowsNameFlagAndYear) {
    display.showHumanPanel();
    EXPECT_EQ(surface.caption(ctl::Label4), "Rossi Mario");
    EXPECT_EQ(surface.picture(ctl::Image3), "bandiere/Italia.jpg");
    EXPECT_EQ(surface.caption(ctl::Label28), "1980");
}

TEST_F(TableDisplayTest, OpponentPanelsShowNameFlagYearFaceAndStrengthBar) {
    session.opponents[0].aggressivita = 20;
    session.opponents[0].cambiocarte = 20;
    session.opponents[0].foto = 7;
    session.opponents[1].aggressivita = 1;
    session.opponents[1].cambiocarte = 1;
    session.opponents[2].aggressivita = 10;
    session.opponents[2].cambiocarte = 3;
    display.showOpponentPanels();
    EXPECT_EQ(surface.width(ctl::Label8[0]), 1425);
    EXPECT_EQ(surface.width(ctl::Label8[1]), 76);
    EXPECT_EQ(surface.width(ctl::Label8[2]), 568);
    EXPECT_EQ(surface.caption(ctl::Label6[0]), "Bianchi Luca");
    EXPECT_EQ(surface.caption(ctl::Label6[1]), "D'Angelo Pia");
    EXPECT_EQ(surface.caption(ctl::Label5[0]), "1971");
    EXPECT_EQ(surface.picture(ctl::Image1[0]), "bandiere/Svizzera.jpg");
    EXPECT_EQ(surface.picture(ctl::Image1[4]), "bandiere/Belgio.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture22), "immagini/facce/7.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture23), "immagini/facce/2.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture26), "immagini/facce/15.jpg");
}

// ----- hands and prize cards -----

TEST_F(TableDisplayTest, HandsShowFacesForTheHumanAndBacksForTheOthers) {
    emptyAllHands();
    for (int seat = 0; seat < kSeats; ++seat) {
        for (int i = 0; i <= seat; ++i) session.hands[seat][i] = cardOf(14 - i, i);
    }
    session.hands[0][0] = makeCard(14, 'c');
    display.showHands();
    EXPECT_EQ(surface.picture(ctl::Picture2[0]), "carte/14 c.jpg");
    EXPECT_TRUE(surface.visible(ctl::Picture2[0]));
    for (int seat = 0; seat < kSeats; ++seat) {
        for (int i = 0; i < kHandSlots; ++i) {
            const Control picture{kHandArrays[seat], i};
            EXPECT_EQ(surface.visible(picture), i <= seat) << objectName(picture);
            if (i <= seat && seat > 0) {
                EXPECT_EQ(surface.picture(picture), "carte/retro.jpg") << objectName(picture);
            }
        }
    }
}

TEST_F(TableDisplayTest, HandsFollowEveryChange) {
    emptyAllHands();
    session.hands[0][0] = makeCard(12, 'm');
    session.hands[0][1] = makeCard(3, 'p');
    session.hands[2][0] = makeCard(9, 'f');
    display.showHands();
    EXPECT_EQ(surface.picture(ctl::Picture2[1]), "carte/3 p.jpg");
    session.hands[0][1] = kEmptyCard;
    session.hands[2][0] = kEmptyCard;
    display.showHands();
    EXPECT_FALSE(surface.visible(ctl::Picture2[1]));
    EXPECT_FALSE(surface.visible(ctl::Picture3[0]));
    EXPECT_TRUE(surface.visible(ctl::Picture2[0]));
    session.hands[0][1] = makeCard(10, 'c');
    session.hands[2][0] = makeCard(5, 'c');
    display.showHands();
    EXPECT_TRUE(surface.visible(ctl::Picture2[1]));
    EXPECT_EQ(surface.picture(ctl::Picture2[1]), "carte/10 c.jpg");
    EXPECT_TRUE(surface.visible(ctl::Picture3[0]));
    EXPECT_EQ(surface.picture(ctl::Picture3[0]), "carte/retro.jpg");
}

TEST_F(TableDisplayTest, PrizeCardsByPremio) {
    setPile({makeCard(13, 'p'), makeCard(4, 'c'), makeCard(8, 'm')});
    session.options.premio = "Nascosto";
    display.showPrizeCards();
    EXPECT_EQ(surface.picture(ctl::Picture16), "carte/retro.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture17), "carte/retro.jpg");
    session.options.premio = "1 Carta";
    display.showPrizeCards();
    EXPECT_EQ(surface.picture(ctl::Picture16), "carte/retro.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture17), "carte/13 p.jpg");
    session.options.premio = "2 Carte";
    display.showPrizeCards();
    EXPECT_EQ(surface.picture(ctl::Picture16), "carte/13 p.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture17), "carte/4 c.jpg");
    session.options.premio = "Tutte";
    session.deck.set(0, makeCard(2, 'f'));
    display.showPrizeCards();
    EXPECT_EQ(surface.picture(ctl::Picture16), "carte/13 p.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture17), "carte/4 c.jpg");
}

// ----- option pictures and captions -----

TEST_F(TableDisplayTest, OptionBadgesLoadThePictureOfEachOption) {
    session.options = optionsWith("50 Punti", "Si", "Si", "Lenta", "2 Carte");
    display.showOptionBadges();
    EXPECT_EQ(surface.picture(ctl::Picture15), "immagini/Lenta.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture18), "immagini/50 Punti.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture20), "immagini/Duesuperaasso.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture21), "immagini/2 Carte.jpg");
    session.options = optionsWith("Eliminazione 100", "No", "No", "Turbo", "Nascosto");
    display.showOptionBadges();
    EXPECT_EQ(surface.picture(ctl::Picture15), "immagini/Turbo.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture18), "immagini/Eliminazione 100.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture20), "immagini/Duenonsuperaasso.jpg");
    EXPECT_EQ(surface.picture(ctl::Picture21), "immagini/Nascosto.jpg");
}

TEST_F(TableDisplayTest, HoverCaptionsNameTheOptions) {
    session.options = optionsWith("Piatto 1000", "Si", "No", "Normale", "1 Carta");
    surface.setLeft(ctl::Picture20, 5000);
    surface.setTop(ctl::Label19, 0);
    display.showHoverText(ctl::Picture20);
    EXPECT_EQ(surface.caption(ctl::Label19), "2 non supera asso");
    EXPECT_TRUE(surface.visible(ctl::Label19));
    EXPECT_EQ(surface.top(ctl::Label19), 840);
    EXPECT_EQ(surface.left(ctl::Label19), 5000);

    surface.setLeft(ctl::Picture19, 4000);
    display.showHoverText(ctl::Picture19);
    EXPECT_EQ(surface.caption(ctl::Label19), "Cambio Carte");
    EXPECT_EQ(surface.left(ctl::Label19), 4000);

    surface.setLeft(ctl::Picture15, 1000);
    display.showHoverText(ctl::Picture15);
    EXPECT_EQ(surface.caption(ctl::Label19), "Normale");
    EXPECT_EQ(surface.left(ctl::Label19), 1000);

    surface.setLeft(ctl::Picture18, 2500);
    display.showHoverText(ctl::Picture18);
    EXPECT_EQ(surface.caption(ctl::Label19), "Piatto 1000");
    EXPECT_EQ(surface.left(ctl::Label19), 2500);

    session.options.cambiocarte = "No";
    session.options.duesuperaasso = "Si";
    display.showHoverText(ctl::Picture19);
    EXPECT_EQ(surface.caption(ctl::Label19), "No Cambio Carte");
    display.showHoverText(ctl::Picture20);
    EXPECT_EQ(surface.caption(ctl::Label19), "2 supera Asso");
}

TEST_F(TableDisplayTest, PrizeHoverCaptionIsRightAligned) {
    session.options.premio = "2 Carte";
    surface.setLeft(ctl::Picture21, 9000);
    surface.setWidth(ctl::Picture15, 900);
    surface.setWidth(ctl::Label19, 1500);
    display.showHoverText(ctl::Picture21);
    EXPECT_EQ(surface.caption(ctl::Label19), "2 Carte");
    EXPECT_EQ(surface.top(ctl::Label19), 840);
    EXPECT_EQ(surface.left(ctl::Label19), 8400);
}

// ----- speed switch and leaving -----

TEST_F(TableDisplayTest, SpeedSwitchTogglesTheTableTimer) {
    surface.setInterval(ctl::Timer1, 100);
    surface.setInterval(ctl::Timer2, 500);
    display.toggleSpeed();
    EXPECT_EQ(surface.interval(ctl::Timer1), 1000);
    EXPECT_EQ(surface.caption(ctl::Label33), "Velocizza");
    display.toggleSpeed();
    EXPECT_EQ(surface.interval(ctl::Timer1), 100);
    EXPECT_EQ(surface.caption(ctl::Label33), "Rallenta");
    EXPECT_EQ(surface.interval(ctl::Timer2), 500);  // a single game has no tournament tick
}

TEST_F(TableDisplayTest, SpeedSwitchSetsTheTournamentTickForTheField) {
    session.gamemode = "Torneo";
    tournament.fieldsize = 1536;
    surface.setInterval(ctl::Timer1, 100);
    display.toggleSpeed();
    EXPECT_EQ(surface.interval(ctl::Timer2), 468);
    display.toggleSpeed();
    EXPECT_EQ(surface.interval(ctl::Timer2), 98);
    EXPECT_EQ(surface.interval(ctl::Timer1), 100);
}

TEST_F(TableDisplayTest, LeavingTheMatchOnYesStopsEverything) {
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) surface.setEnabled(timer, true);
    surface.setVisible(ctl::Picture1, true);
    surface.scriptAnswers({MessageAnswer::Yes});
    display.confirmQuit();
    ASSERT_EQ(surface.messages().size(), 1u);
    EXPECT_EQ(surface.messages()[0].text, "Vuoi abbandonare la partita? ");
    EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(surface.messages()[0].title, "Zelvaro");
    EXPECT_FALSE(surface.enabled(ctl::Timer1));
    EXPECT_FALSE(surface.enabled(ctl::Timer2));
    EXPECT_FALSE(surface.enabled(ctl::Timer3));
    EXPECT_FALSE(surface.visible(ctl::Picture1));
    EXPECT_TRUE(surface.visible(ctl::Label52));
}

TEST_F(TableDisplayTest, LeavingTheMatchOnNoChangesNothing) {
    for (Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) surface.setEnabled(timer, true);
    surface.setVisible(ctl::Picture1, true);
    surface.scriptAnswers({MessageAnswer::No});
    display.confirmQuit();
    EXPECT_EQ(surface.messages().size(), 1u);
    EXPECT_TRUE(surface.enabled(ctl::Timer1));
    EXPECT_TRUE(surface.enabled(ctl::Timer2));
    EXPECT_TRUE(surface.enabled(ctl::Timer3));
    EXPECT_TRUE(surface.visible(ctl::Picture1));
    EXPECT_FALSE(surface.visible(ctl::Label52));
}

// ----- how long the table is held -----

// A whole hand at each pace: every full trick holds the table for its pace's time, longer on a
// table slowed down to follow it, and the hand's line for its own.
TEST_F(TableDisplayTest, EveryHoldOfAHandLastsWhatItsPaceAsks) {
    for (const auto& [slow, trickMs] : {std::pair{false, 1000}, std::pair{true, 2000}}) {
        SCOPED_TRACE(slow ? "slow" : "fast");
        startDealtHand(optionsWith("25 Punti"), 1);
        if (slow) display.toggleSpeed();
        int holds = surface.tableHolds(), trickHolds = 0;
        bool handOver = false;
        const auto checkHold = [&] {
            if (surface.tableHolds() == holds) return;
            EXPECT_EQ(surface.tableHolds(), holds + 1);
            holds = surface.tableHolds();
            handOver = surface.visible(ctl::HandResultLine);
            EXPECT_EQ(surface.lastHoldMs(), handOver ? 2500 : trickMs);
            trickHolds += handOver ? 0 : 1;
        };
        for (int step = 0; step < 3000 && !handOver; ++step) {
            for (int slot = kHandSlots - 1; slot >= 0 && session.turnseat == kHumanSeat; --slot) {
                if (!session.hands[kHumanSeat][slot].empty()) engine.cardClicked(slot);
                checkHold();
            }
            tick();
            checkHold();
        }
        EXPECT_TRUE(handOver);
        EXPECT_GT(trickHolds, 2);
    }
}

// ----- tournament header -----

void addField(Database& db, int entrants) {
    Transaction transaction(db);
    for (int i = 0; i < entrants; ++i) {
        db.appendRow("torneo", {{"cognome", "Giocatore" + std::to_string(i)},
                                {"nome", i % 2 == 0 ? "Uno" : "Due"},
                                {"tavolo", i / 6 + 1},
                                {"punti", i % 37},
                                {"eliminato", 0},
                                {"nazionalita", "Italia"}});
    }
    transaction.commit();
}

TEST_F(TableDisplayTest, RoundHeaderCountsTheField) {
    addField(db, 1536);
    tournament.roundnumber = 1;
    display.showRoundHeader();
    EXPECT_EQ(surface.caption(ctl::Label47), "1* Turno - 1536 Giocatori - 256 Tavoli");
}

TEST_F(TableDisplayTest, RoundHeaderOfALaterRound) {
    addField(db, 768);
    tournament.roundnumber = 2;
    display.showRoundHeader();
    EXPECT_EQ(surface.caption(ctl::Label47), "2* Turno - 768 Giocatori - 128 Tavoli");
}

}  // namespace
}  // namespace zelvaro::tabletest

namespace zelvaro {
namespace {

TEST(ControlSlotsTest, EveryControlHasItsOwnSlotAndNoOtherNameFindsOne) {
    std::vector<bool> taken(static_cast<std::size_t>(controlSlotCount()), false);
    for (int id = 0; id < kControlIdCount; ++id) {
        const auto cid = static_cast<ControlId>(id);
        const int elements = controlInfo(cid).elements;
        for (int i = elements == 0 ? -1 : 0; i < std::max(elements, 0); ++i) {
            const int slot = controlSlot(Control{cid, i});
            ASSERT_GE(slot, 0) << objectName(Control{cid, i});
            ASSERT_LT(slot, controlSlotCount());
            ASSERT_FALSE(taken[static_cast<std::size_t>(slot)]) << objectName(Control{cid, i});
            taken[static_cast<std::size_t>(slot)] = true;
        }
        // Past either end of an array, or an index on a single control: no slot.
        EXPECT_EQ(controlSlot(Control{cid, elements == 0 ? 0 : -1}), -1);
        EXPECT_EQ(controlSlot(Control{cid, std::max(elements, 1)}), -1);
    }
    EXPECT_TRUE(std::all_of(taken.begin(), taken.end(), [](bool t) { return t; }));
    // forEachControl hands over the same controls, each once, with its own description.
    std::vector<int> visits(static_cast<std::size_t>(controlSlotCount()), 0);
    forEachControl([&visits](Control c, const ControlInfo& info) {
        ++visits[static_cast<std::size_t>(controlSlot(c))];
        EXPECT_EQ(&info, &controlInfo(c.id));
    });
    EXPECT_TRUE(std::all_of(visits.begin(), visits.end(), [](int n) { return n == 1; }));

    MemorySurface surface;
    EXPECT_THROW(surface.setVisible(ctl::Picture2[12], true), std::out_of_range);
    EXPECT_THROW(surface.setVisible(Control{ControlId::Label48, 0}, true), std::out_of_range);
}

}  // namespace
}  // namespace zelvaro

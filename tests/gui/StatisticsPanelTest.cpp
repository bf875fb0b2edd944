// The statistics panel through the real widgets, from the menu and the profile panel, and the
// place line under the final standings.
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "front/PlayerStatistics.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"
#include "tests/gui/GuiTestSupport.h"
#include "tournament/Standings.h"
#include "ui/StatisticsTable.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;

namespace {

QString textOf(QWidget& window, Control c) {
    return find<QLabel>(window, c)->text();
}

// Each of the controls inside the window, and every two of them apart.
void expectApart(QWidget& window, const std::vector<Control>& controls) {
    const auto box = [&window](Control c) {
        QWidget* w = find(window, c);
        return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QVERIFY2(window.rect().contains(box(controls[i])),
                 qPrintable(guitest::nameOf(controls[i])));
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(!box(controls[i]).intersects(box(controls[j])),
                     qPrintable(guitest::nameOf(controls[i]) + QStringLiteral(" over ") +
                                guitest::nameOf(controls[j])));
        }
    }
}

}  // namespace

class StatisticsPanelTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    // Ferri Giulia: 7 games (3 won), 8 tournaments (the best 5th, in her one final).
    void initTestCase() {
        QVERIFY(openGameWindow());
        Database& db = app_->database();
        guitest::addUserProfile(*app_, "Bruni", "Carla");
        const int places[] = {412, 97, 1536, 37, 12, 230, 5, 64};
        const int rounds[] = {2, 5, 1, 6, 8, 3, 9, 5};
        for (int i = 0; i < 8; ++i) {
            recordTournament(db, {"Ferri", "Giulia", i % 3 == 0 ? "Piatto 500" : "Eliminazione 100",
                                  i % 2 == 0 ? "Limite 10 Mani" : "Senza Limite", places[i], 1536,
                                  rounds[i], rounds[i] == 9, 60 + 40 * rounds[i]});
        }
        const struct {
            const char* type;
            int place, score;
        } games[] = {{"50 Punti", 1, 52},       {"50 Punti", 3, 31}, {"3 Vinte", 1, 3},
                     {"3 Vinte", 1, 3},         {"3 Vinte", 5, 1},   {"Partita Singola", 6, 0},
                     {"Eliminazione 25", 2, 18}};
        for (const auto& g : games)
            recordGame(db, {"Ferri", "Giulia", g.type, g.place, g.score, g.place == 1});
    }
    void cleanupTestCase() { closeGameWindow(); }

    void panelFromTheMenuShowsTheRecord() {
        QCOMPARE(textOf(*window_, ctl::MenuStatistics), QStringLiteral("Statistiche"));
        expectApart(*window_, {ctl::Label1, ctl::Label2, ctl::Label35, ctl::Label10, ctl::Label15,
                               ctl::MenuStatistics, ctl::Label20, ctl::Label3});
        clickOn(*window_, ctl::MenuStatistics);
        QVERIFY(!find(*window_, ctl::Label2)->isEnabled());
        QCOMPARE(textOf(*window_, ctl::StatisticsProfile), QStringLiteral("Bruni Carla"));
        clickOn(*window_, ctl::NextProfile);
        QCOMPARE(textOf(*window_, ctl::StatisticsProfile), QStringLiteral("Ferri Giulia"));
        QCOMPARE(textOf(*window_, ctl::StatisticsSummary),
                 QStringLiteral(
                     "Partite singole: 7 giocate, 3 vinte (43%)  \u00b7  Tornei: 8 disputati, "
                     "miglior piazzamento 5\u00b0, 1 finale, 0 vinti"));
        // The most played game type first; a tournament row with her final.
        using Row = std::vector<std::string>;
        const Surface::Rows games =
            find<ui::StatisticsTable>(*window_, ctl::GameTypesTable)->rows();
        QVERIFY(games.size() > 1);
        QCOMPARE(games[1], (Row{"3 Vinte", "3", "2", "2 0 0 0 1 0", "2,3", "3", "2,3", "0", "2"}));
        const Surface::Rows tournaments =
            find<ui::StatisticsTable>(*window_, ctl::TournamentsTable)->rows();
        const Row final{"Piatto 500", "Limite 10 Mani", "2", "9", "5\u00b0",
                        "5\u00b0",    "208,5",          "1", "0"};
        QVERIFY(std::find(tournaments.begin(), tournaments.end(), final) != tournaments.end());
        QCOMPARE(textOf(*window_, ctl::PlaceChart), QStringLiteral("412 97 1536 37 12 230 5 64"));
        QVERIFY(textOf(*window_, ctl::BestPlaces)
                    .startsWith(QStringLiteral("Migliori piazzamenti: 5\u00b0")));
        expectApart(*window_, {ctl::PreviousProfile, ctl::StatisticsProfile, ctl::NextProfile,
                               ctl::StatisticsSummary, ctl::GameTypesTable, ctl::TournamentsTable,
                               ctl::PlaceChartTitle, ctl::PlaceChart, ctl::BestPlaces,
                               ctl::ResetStatistics, ctl::CloseStatistics});
        for (Control table : {ctl::GameTypesTable, ctl::TournamentsTable}) {
            const QStringList cut = find<ui::StatisticsTable>(*window_, table)->cutCells();
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        }
        guitest::saveShot(*window_, QStringLiteral("statistics-panel"));

        // "Azzera" asks, Enter answers No, and No keeps everything.
        const auto asked = guitest::answerNextMessage(QMessageBox::No);
        clickOn(*window_, ctl::ResetStatistics);
        QTRY_VERIFY(asked->seen);
        QCOMPARE(asked->text,
                 QStringLiteral("Vuoi davvero azzerare le statistiche di questo profilo?"));
        QCOMPARE(asked->enterCaption, QStringLiteral("No"));
        QCOMPARE(readStatistics(app_->database(), "Ferri", "Giulia").tournamentsEntered(), 8);
        clickOn(*window_, ctl::CloseStatistics);
        QVERIFY(!guitest::shown(*window_, ctl::StatisticsFrame));
        QVERIFY(find(*window_, ctl::Label2)->isEnabled());
    }

    void panelFromTheProfilePanelShowsTheProfilePicked() {
        clickOn(*window_, ctl::Label2);
        expectApart(*window_, {ctl::Combo4, ctl::Label27, ctl::ProfileStatisticsButton,
                               ctl::Label23, ctl::Image2, ctl::Label22, ctl::Frame4, ctl::Label24});
        const QString picked = textOf(*window_, ctl::Label22);
        clickOn(*window_, ctl::ProfileStatisticsButton);
        QCOMPARE(textOf(*window_, ctl::StatisticsProfile), picked);
        clickOn(*window_, ctl::CloseStatistics);
        QVERIFY(!guitest::shown(*window_, ctl::StatisticsFrame) &&
                guitest::shown(*window_, ctl::Frame3));
        clickOn(*window_, ctl::Label9);
    }

    // Her sixth place in a final, under its standings, against her best.
    void finalStandingsTellThePlaceAgainstTheBest() {
        recordTournament(app_->database(),
                         {"Ferri", "Giulia", "50 Punti", "Senza Limite", 6, 1536, 9, true, 420});
        app_->session().humanprofile.cognome = "Ferri";
        app_->session().humanprofile.nome = "Giulia";
        app_->standings().openFinalStandings();
        showBestPlaceLine(game_->surface, app_->database(), app_->session());
        QVERIFY(guitest::shown(*window_, ctl::BestPlaceLine));
        QCOMPARE(textOf(*window_, ctl::BestPlaceLine),
                 QStringLiteral("6\u00b0 \u00b7 il tuo migliore: 5\u00b0"));
        expectApart(*window_,
                    {ctl::BestPlaceLine, ctl::FirstStandingsPage, ctl::Command3, ctl::Label53});
        guitest::saveShot(*window_, QStringLiteral("final-standings-line"));
        clickOn(*window_, ctl::Label53);
        QVERIFY(!guitest::shown(*window_, ctl::Picture27));
    }
};

QTEST_MAIN(StatisticsPanelTest)
#include "StatisticsPanelTest.moc"

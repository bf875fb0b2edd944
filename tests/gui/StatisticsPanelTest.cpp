// The statistics panel through the real widgets, from the menu and the profile panel, and the
// place line under the final standings.
#include <QLabel>
#include <QTest>

#include "engine/GameSession.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"
#include "tests/gui/GuiTestSupport.h"
#include "primitives/Tournament.h"
#include "tournament/Standings.h"
#include "tournament/TournamentRecord.h"
#include "ui/StatisticsView.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;

namespace {

QString textOf(QWidget& window, Control c) { return find<QLabel>(window, c)->text(); }

// Every two of the shown controls keep apart.
void expectApart(QWidget& window, const std::vector<Control>& controls) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            QWidget* a = find(window, controls[i]);
            QWidget* b = find(window, controls[j]);
            const QRect ra(a->mapTo(&window, QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(&window, QPoint(0, 0)), b->size());
            QVERIFY2(!ra.intersects(rb), qPrintable(guitest::nameOf(controls[i]) + QStringLiteral(" over ") +
                                                    guitest::nameOf(controls[j])));
            QVERIFY2(window.rect().contains(ra), qPrintable(guitest::nameOf(controls[i])));
        }
    }
}

}  // namespace

class StatisticsPanelTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindow());
        Database& db = app_->database();
        guitest::addUserProfile(*app_, "Bruni", "Carla");
        const int places[] = {412, 97, 1536, 37, 12, 230, 5, 64};
        const int rounds[] = {2, 5, 1, 6, 8, 3, 9, 5};
        for (int i = 0; i < 8; ++i) {
            recordTournament(db, {"Ferri", "Giulia", i % 3 == 0 ? "Piatto 500" : "Eliminazione 100",
                                  i % 2 == 0 ? "Limite 10 Mani" : "Senza Limite",
                                  places[i], 1536, rounds[i], rounds[i] == 9, 60 + 40 * rounds[i]});
        }
        const struct {
            const char* type;
            int place, score;
        } games[] = {{"50 Punti", 1, 52}, {"50 Punti", 3, 31}, {"3 Vinte", 1, 3},
                     {"3 Vinte", 1, 3},   {"3 Vinte", 5, 1},   {"Partita Singola", 6, 0},
                     {"Eliminazione 25", 2, 18}};
        for (const auto& g : games) recordGame(db, {"Ferri", "Giulia", g.type, g.place, g.score, g.place == 1});
    }
    void cleanupTestCase() { closeGameWindow(); }

    void menuEntriesStandApart() {
        guitest::saveShot(*window_, QStringLiteral("menu"));
        expectApart(*window_, {ctl::Label1, ctl::Label2, ctl::Label35, ctl::Label10, ctl::Label15,
                               ctl::Label65, ctl::Label20, ctl::Label3});
        QCOMPARE(textOf(*window_, ctl::Label65), QStringLiteral("Statistiche"));
    }

    void panelFromTheMenuShowsTheRecord() {
        clickOn(*window_, ctl::Label65);
        QVERIFY(guitest::shown(*window_, ctl::Frame7));
        QVERIFY(!find(*window_, ctl::Label2)->isEnabled());
        QCOMPARE(textOf(*window_, ctl::Label68), QStringLiteral("Bruni Carla"));
        clickOn(*window_, ctl::Command10);
        QCOMPARE(textOf(*window_, ctl::Label68), QStringLiteral("Ferri Giulia"));
        QVERIFY(textOf(*window_, ctl::Label69).contains(QStringLiteral("7 giocate")));
        QVERIFY(textOf(*window_, ctl::Label70).contains(QStringLiteral("3 Vinte")));
        QVERIFY(textOf(*window_, ctl::Label71).contains(QStringLiteral("Piatto 500")));
        QCOMPARE(textOf(*window_, ctl::Picture29), QStringLiteral("412 97 1536 37 12 230 5 64"));
        QVERIFY(textOf(*window_, ctl::Label72).startsWith(QStringLiteral("Migliori piazzamenti: 5\u00b0")));
        expectApart(*window_, {ctl::Command9, ctl::Label68, ctl::Command10});
        expectApart(*window_, {ctl::Label68, ctl::Label69, ctl::Label70, ctl::Label71, ctl::Label72,
                               ctl::Label74, ctl::Label75});
        expectApart(*window_, {ctl::Label71, ctl::Label73, ctl::Picture29, ctl::Label72});
        for (Control table : {ctl::Label70, ctl::Label71}) {
            const QStringList cut = find<ui::StatisticsTable>(*window_, table)->cutCells();
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
        }
        guitest::saveShot(*window_, QStringLiteral("statistics-panel"));

        // "Azzera" asks, Enter answers No, and No keeps everything.
        const auto asked = guitest::answerNextMessage(QMessageBox::No);
        clickOn(*window_, ctl::Label74);
        QTRY_VERIFY(asked->seen);
        QCOMPARE(asked->text, QStringLiteral("Vuoi davvero azzerare le statistiche di questo profilo?"));
        QCOMPARE(asked->enterCaption, QStringLiteral("No"));
        QCOMPARE(readStatistics(app_->database(), "Ferri", "Giulia").tournamentsEntered(), 8);

        clickOn(*window_, ctl::Label75);
        QVERIFY(!guitest::shown(*window_, ctl::Frame7));
        QVERIFY(find(*window_, ctl::Label2)->isEnabled());
    }

    void panelFromTheProfilePanelShowsTheProfilePicked() {
        clickOn(*window_, ctl::Label2);
        QVERIFY(guitest::shown(*window_, ctl::Frame3));
        expectApart(*window_, {ctl::Combo4, ctl::Label27, ctl::Label66, ctl::Label23, ctl::Image2});
        expectApart(*window_, {ctl::Label22, ctl::Label66, ctl::Frame4});
        expectApart(*window_, {ctl::Label24, ctl::Label66});
        guitest::saveShot(*window_, QStringLiteral("profile-panel"));
        const QString picked = textOf(*window_, ctl::Label22);
        clickOn(*window_, ctl::Label66);
        QVERIFY(guitest::shown(*window_, ctl::Frame7));
        QCOMPARE(textOf(*window_, ctl::Label68), picked);
        clickOn(*window_, ctl::Label75);
        QVERIFY(guitest::shown(*window_, ctl::Frame3));
        clickOn(*window_, ctl::Label9);
    }

    void finalStandingsTellThePlaceAgainstTheBest() {
        Database& db = app_->database();
        {
            // A final with the player sixth, the rest already out.
            Transaction transaction(db);
            db.execute("DELETE FROM torneo");
            db.execute("DELETE FROM classifica ");
            for (int i = 0; i < 6; ++i) {
                const bool player = i == 5;
                db.appendRow("torneo", {{"cognome", player ? "Ferri" : "Finalista" + std::to_string(i)},
                                        {"nome", player ? "Giulia" : "Nome"}, {"tavolo", 1},
                                        {"punti", 90 - 10 * i}, {"nazionalita", "Italia"}});
            }
            for (int i = 0; i < 1530; ++i) {
                db.appendRow("classifica", {{"cognome", "Eliminato" + std::to_string(i)}, {"nome", "Nome"},
                                            {"tavolo", "-"}, {"punti", 300 - i / 6}, {"eliminato", "1"},
                                            {"nazionalita", "Francia"}});
            }
            transaction.commit();
        }
        app_->session().humanprofile.cognome = "Ferri";
        app_->session().humanprofile.nome = "Giulia";
        app_->session().options.punteggio = "50 Punti";
        app_->tournament().roundnumber = 9;
        recordTournamentEnd(db, app_->session(), app_->tournament(), app_->standings(), 9);
        app_->standings().openFinalStandings();
        showBestPlaceLine(game_->surface, db, app_->session());
        QVERIFY(guitest::shown(*window_, ctl::Picture27));
        QVERIFY(guitest::shown(*window_, ctl::Label67));
        QCOMPARE(textOf(*window_, ctl::Label67), QStringLiteral("6\u00b0 \u00b7 il tuo migliore: 5\u00b0"));
        expectApart(*window_, {ctl::Label67, ctl::Command7, ctl::Command3, ctl::Label53});
        guitest::saveShot(*window_, QStringLiteral("final-standings-line"));
        clickOn(*window_, ctl::Label53);
        QVERIFY(!guitest::shown(*window_, ctl::Picture27));
    }
};

QTEST_MAIN(StatisticsPanelTest)
#include "StatisticsPanelTest.moc"

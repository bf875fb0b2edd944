// A tournament's final, its leaving by "Indietro" and its continuing, through the window.
//
// With ZELVARO_SHOTS set to a folder, the test saves pictures of each of these screens.
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "engine/display/TableLayout.h"
#include "front/ZelvaroApp.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/TournamentWindowFixture.h"
#include "tools/sim/TournamentDriver.h"
#include "ui/MainWindow.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::shown;

class TournamentEndTest : public guitest::TournamentWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindow());
        app_->database().execute("UPDATE opzioni SET punteggio='50 Punti'");
    }

    void cleanupTestCase() { closeGameWindow(); }

    void theFinalEndsWithPartitaTerminata() {
        // Nine rounds, the human leading his table at the end of each of his matches.
        enterTournament();
        for (int round = 1; round < 9; ++round) {
            playHumansMatch();
            leadHumansTable(*app_);
            waitForTheRound(round + 1);
        }
        QCOMPARE(find<QLabel>(*window_, ctl::Label47)->text(),
                 QStringLiteral("9* Turno - 6 Giocatori - 1 Tavoli"));
        QCOMPARE(find<QComboBox>(*window_, ctl::Combo7)->count(), 1);
        playTicks(200);
        guitest::saveShot(*window_, QStringLiteral("final-table"));
        playHumansMatch();
        auto message = answerFinalMessage(QStringLiteral("final-message"));
        waitForTheEnd();
        QVERIFY(message->seen);
        QCOMPARE(message->text, QStringLiteral("Partita terminata"));
        QCOMPARE(app_->database().query("SELECT * FROM torneo ").rows(), 6);
        closeFinalStandings(QStringLiteral("final-standings"));
        QCOMPARE(app_->database().query("SELECT * FROM classifica").rows(), 1530);
        expectBackAtTheMenu();
    }

    void indietroOnATournamentTableStopsAllThreeTimers() {
        enterTournament();
        playTicks(50);
        auto go = guitest::answerNextMessage(QMessageBox::Yes);
        clickOn(*window_, ctl::Label18);
        QVERIFY(go->seen);
        QCOMPARE(go->text, QStringLiteral("Vuoi abbandonare la partita? "));
        for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(!timerRuns(timer));
        expectBackAtTheMenu();
    }

    void aTournamentLeftMidRoundContinuesFromTheMenu() {
        // Left with "Indietro" in the last test: the menu offers to go on with it.
        QVERIFY(shown(*window_, ctl::ContinueEntry));
        const QString saved = find<QLabel>(*window_, ctl::ContinueDescription)->text();
        QVERIFY2(
            saved.startsWith(QStringLiteral("Torneo 50 Punti \u00b7 Turno 1 di 9 \u00b7 Tavolo ")),
            qPrintable(saved));
        QVERIFY(saved.endsWith(playersTable()));
        guitest::saveShot(*window_, QStringLiteral("menu-continua"));
        QStringList seatsBefore;
        for (int seat = 0; seat < 5; ++seat)
            seatsBefore << find<QLabel>(*window_, ctl::Label6[seat])->text();

        clickOn(*window_, ctl::ContinueEntry);
        QVERIFY(shown(*window_, ctl::Picture1));
        QCOMPARE(find(*window_, ctl::Picture1)->geometry(),
                 QRect(0, 0, layout::kWindowWidth, layout::kWindowHeight));
        QVERIFY(!shown(*window_, ctl::ContinueEntry));
        QCOMPARE(find<QLabel>(*window_, ctl::Label47)->text(),
                 QStringLiteral("1* Turno - 1536 Giocatori - 256 Tavoli"));
        QStringList seatsAfter;
        for (int seat = 0; seat < 5; ++seat)
            seatsAfter << find<QLabel>(*window_, ctl::Label6[seat])->text();
        QCOMPARE(seatsAfter, seatsBefore);
        // The scores shown are the field's, and the table plays on by itself.
        const ResultSet self = app_->database().query(
            "SELECT punti FROM torneo where cognome='Ferri' and nome='Giulia'");
        QCOMPARE(app_->session().seatstats[0].score, static_cast<int>(self.at(0, 0).integer()));
        for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(timerRuns(timer));
        playTicks(20);
        guitest::saveShot(*window_, QStringLiteral("tournament-continued"));
        auto go = guitest::answerNextMessage(QMessageBox::Yes);
        clickOn(*window_, ctl::Label18);
        QVERIFY(go->seen);
    }
};

QTEST_MAIN(TournamentEndTest)
#include "TournamentEndTest.moc"

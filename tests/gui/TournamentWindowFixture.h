// The base of the tournament window tests: the way into a tournament from the menu, the
// table's ticks with the human playing, his matches played out, and the screens a
// tournament ends on.
#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "engine/GameSession.h"
#include "front/ZelvaroApp.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "tools/sim/HumanPolicy.h"
#include "ui/MainWindow.h"

namespace zelvaro::guitest {

inline constexpr long kTickLimit = 2'000'000;

// The lines of a label's text, without the line end after the last.
inline QStringList linesOf(QWidget& window, Control c) {
    QString text = find<QLabel>(window, c)->text();
    if (text.endsWith('\n')) text.chop(1);
    return text.split('\n');
}

class TournamentWindowFixture : public StartedGameTest {
protected:
    void enterTournament() {
        clickOn(*window_, ctl::Label35);
        QVERIFY(shown(*window_, ctl::Frame3));
        QCOMPARE(find<QLabel>(*window_, ctl::Label22)->text(), QStringLiteral("Ferri Giulia"));
        clickOn(*window_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::Frame5));
        clickOn(*window_, ctl::Label36);
        QVERIFY(shown(*window_, ctl::Picture1));
        QVERIFY(!shown(*window_, ctl::Frame5));
        QVERIFY(!shown(*window_, ctl::Frame3));
    }

    bool timerRuns(const char* name) {
        return window_->findChild<QTimer*>(QString::fromLatin1(name))->isActive();
    }

    // Table, tournament and standings ticks in about the window's proportions, the human
    // playing his turns.
    void playTicks(long ticks) {
        for (long tick = 1; tick <= ticks; ++tick) {
            playHumanTurn(*app_, game_->surface);
            window_->forwardTimerTick(ctl::Timer1);
            window_->forwardTimerTick(ctl::Timer2);
            if (tick % 20 == 0) window_->forwardTimerTick(ctl::Timer3);
        }
    }

    // Every seat one hand from the goal, so the human's match ends with this hand.
    void playHumansMatch() {
        for (SeatStats& seat : app_->session().seatstats) seat.score = 49;
        long ticks = 0;
        while (!shown(*window_, ctl::Frame6) && ticks++ < kTickLimit) {
            playHumanTurn(*app_, game_->surface);
            window_->forwardTimerTick(ctl::Timer1);
        }
        QVERIFY(shown(*window_, ctl::Frame6));
    }

    void waitForTheRound(int round) {
        long ticks = 0;
        while (app_->tournament().roundnumber < round && ticks++ < kTickLimit) {
            window_->forwardTimerTick(ctl::Timer2);
        }
        QCOMPARE(app_->tournament().roundnumber, round);
    }

    void waitForTheEnd() {
        long ticks = 0;
        while (timerRuns("Timer2") && ticks++ < kTickLimit) window_->forwardTimerTick(ctl::Timer2);
        QVERIFY(!timerRuns("Timer2"));
    }

    // Answers the tournament's last message with OK after a picture of the screen.
    std::shared_ptr<guitest::AnsweredMessage> answerFinalMessage(const QString& shot) {
        return guitest::answerNextMessage(
            QMessageBox::Ok, [this, shot] { guitest::saveShot(*window_, shot); }, -1);
    }

    // After the last message: the standings on the player's page, his row lit; "Indietro"
    // leads back to the menu.
    void closeFinalStandings(const QString& shot) {
        QVERIFY(shown(*window_, ctl::Picture27));
        expectPlayersRowLit();
        guitest::saveShot(*window_, shot);
        clickOn(*window_, ctl::Label53);
        QVERIFY(!shown(*window_, ctl::Picture27));
    }

    // The page shown holds the player, his row lit.
    void expectPlayersRowLit() {
        QVERIFY(shown(*window_, ctl::PlayersStandingsRow));
        const QWidget* band = find(*window_, ctl::PlayersStandingsRow);
        const int row = (band->y() - find(*window_, ctl::Label51[1])->y()) / 26;
        QCOMPARE(linesOf(*window_, ctl::Label51[1]).at(row), QStringLiteral("Ferri Giulia"));
    }

    QString playersTable() {
        const ResultSet self =
            app_->database().query("SELECT * FROM torneo where cognome='Ferri' and nome='Giulia'");
        return QString::fromStdString(self.at("tavolo", 0).text());
    }

    void expectBackAtTheMenu() {
        QVERIFY(!shown(*window_, ctl::Picture1));
        QVERIFY(!shown(*window_, ctl::Frame6));
        QVERIFY(find(*window_, ctl::Form1)->isEnabled());
        for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(!timerRuns(timer));
        for (Control c : kMenuLabels) {
            QVERIFY2(shown(*window_, c) && find(*window_, c)->isEnabled(),
                     qPrintable(guitest::nameOf(c)));
        }
    }
};

}  // namespace zelvaro::guitest

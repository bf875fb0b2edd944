// Whole single games through the real window: the table's timer ticks as the window delivers
// them, the human's cards and the change buttons clicked with the mouse, the winner message
// answered, the way back to the menu; and leaving a match with "Indietro".
//
// With ZELVARO_SHOTS set to a folder, the test also saves pictures of the table at the
// moments a player sees most (run under Xvfb with QT_QPA_PLATFORM=xcb to include the
// message boxes).
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::shown;

namespace {

// A hand can run to many thousands of ticks in a long two-seat endgame; this bound only
// catches a table that stopped moving.
constexpr long kTickLimit = 3'000'000;

}  // namespace

class GamePlayTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(openGameWindow()); }

    void cleanupTestCase() { closeGameWindow(); }

    void aSingleHandGameIsPlayedToItsWinner() {
        setOptions("Partita Singola", "Si", "1 Carta");
        const QString message = playWholeGame();
        QVERIFY2(message.startsWith(QStringLiteral("Partita terminata\nIl vincitore e' ")),
                 qPrintable(message));
        const QString winner = message.mid(message.indexOf(QStringLiteral("e' ")) + 3);
        QVERIFY(seatNames().contains(winner));
        QCOMPARE(app_->engine().handsPlayed() - handsBefore_, 1L);
        QVERIFY(changesMade_ >= 1);
        backAtTheMenu();
    }

    void aThreeWinsGameRunsHandAfterHand() {
        setOptions("3 Vinte", "Si", "2 Carte");
        const QString message = playWholeGame();
        QVERIFY2(message.startsWith(QStringLiteral("Partita terminata\nIl vincitore e' ")),
                 qPrintable(message));
        const long hands = app_->engine().handsPlayed() - handsBefore_;
        QVERIFY2(hands >= 3 && hands <= 13, qPrintable(QString::number(hands)));
        // The question was answered both ways over the hands.
        QVERIFY(changesMade_ >= 1);
        QVERIFY(keepsMade_ >= 1);
        // The named winner has three wins in the table ranking.
        const QString winner = message.mid(message.indexOf(QStringLiteral("e' ")) + 3);
        const QStringList names = find<QLabel>(*window_, ctl::Label31)->text().split('\n');
        const QStringList scores = find<QLabel>(*window_, ctl::Label32)->text().split('\n');
        QCOMPARE(names.first(), winner);
        QCOMPARE(scores.first(), QStringLiteral("3"));
        backAtTheMenu();
    }

    void aPotGameShowsThePot() {
        setOptions("Piatto 500", "No", "Nascosto");
        startGame();
        QVERIFY(!shown(*window_, ctl::Picture16));
        QVERIFY(!shown(*window_, ctl::Picture17));
        QCOMPARE(find<QLabel>(*window_, ctl::Label34)->text(), QStringLiteral("Piatto"));
        bool potShown = false;
        for (long tick = 0; tick < 2000 && !potShown; ++tick) {
            playHumanTurn();
            window_->forwardTimerTick(ctl::Timer1);
            const QString pot = find<QLabel>(*window_, ctl::Label34)->text();
            potShown = pot.startsWith(QStringLiteral("Piatto: ")) && pot.contains('(');
        }
        QVERIFY(potShown);
        saveShot(QStringLiteral("piatto"));
        leave();
    }

    void indietroAsksBeforeLeaving() {
        setOptions("Chips", "No", "Nascosto");
        startGame();
        for (int tick = 0; tick < 40; ++tick) {
            playHumanTurn();
            window_->forwardTimerTick(ctl::Timer1);
        }
        saveShot(QStringLiteral("prize-Nascosto"));
        auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer != nullptr);

        auto stay = guitest::answerNextMessage(QMessageBox::No);
        clickOn(*window_, ctl::Label18);
        QVERIFY(stay->seen);
        QCOMPARE(stay->text, QStringLiteral("Vuoi abbandonare la partita? "));
        QCOMPARE(stay->title, QStringLiteral("Zelvaro"));
        QVERIFY(stay->hadYes && stay->hadNo);
        QVERIFY(shown(*window_, ctl::Picture1));
        QVERIFY(timer->isActive());

        auto go = guitest::answerNextMessage(QMessageBox::Yes);
        clickOn(*window_, ctl::Label18);
        QVERIFY(go->seen);
        QVERIFY(!shown(*window_, ctl::Picture1));
        QVERIFY(!timer->isActive());
        backAtTheMenu();
    }

    // Left in the middle of a trick with Indietro and continued from the menu: the same table
    // to the last card, mark and caption.
    void leavingMidTrickAndContinuingShowsTheSameTable() {
        setOptions("Chips", "Si", "2 Carte");
        startGame();
        for (long ticks = 0; tableCardsShown() != 3 && ticks < kTickLimit; ++ticks) {
            playHumanTurn();
            window_->forwardTimerTick(ctl::Timer1);
        }
        QCOMPARE(tableCardsShown(), 3);
        const QStringList before = tableLook();
        leave();
        QVERIFY(shown(*window_, ctl::ContinueEntry));
        clickOn(*window_, ctl::ContinueEntry);
        QVERIFY(shown(*window_, ctl::Picture1));
        const QStringList after = tableLook();
        for (qsizetype i = 0; i < before.size() && i < after.size(); ++i)
            QCOMPARE(after[i], before[i]);
        QCOMPARE(after.size(), before.size());
        leave();
    }

private:
    // Every control on the table: shown or not, its picture, caption and place.
    QStringList tableLook() {
        const QWidget* table = find(*window_, ctl::Picture1);
        QStringList look;
        forEachControl([&](Control c, const ControlInfo&) {
            const QWidget* widget = find(*window_, c);
            if (c.id == ControlId::Timer1 || widget == nullptr || !table->isAncestorOf(widget))
                return;
            const ui::QtSurface& surface = game_->surface;
            look << QStringLiteral("%1 %2 %3 %4 %5,%6")
                        .arg(guitest::nameOf(c))
                        .arg(surface.visible(c))
                        .arg(QString::fromStdString(surface.picture(c)),
                             QString::fromStdString(surface.caption(c)))
                        .arg(surface.left(c))
                        .arg(surface.top(c));
        });
        return look;
    }

    void setOptions(const char* type, const char* change, const char* prize) {
        Database& db = app_->database();
        db.execute(std::string("UPDATE opzioni SET punteggio='") + type + "'");
        db.execute(std::string("UPDATE opzioni SET cambiocarte='") + change + "'");
        db.execute(std::string("UPDATE opzioni SET premio='") + prize + "'");
        db.execute("UPDATE opzioni SET tipopartita='Turbo'");
    }

    void startGame() {
        clickOn(*window_, ctl::Label2);
        QVERIFY(shown(*window_, ctl::Frame3));
        QCOMPARE(find<QLabel>(*window_, ctl::Label22)->text(), QStringLiteral("Ferri Giulia"));
        handsBefore_ = app_->engine().handsPlayed();
        changesMade_ = keepsMade_ = 0;
        guitest::clickToStartNew(*window_, *app_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::Picture1));
        QVERIFY(!shown(*window_, ctl::Frame3));
        QCOMPARE(find<QLabel>(*window_, ctl::Label4)->text(), QStringLiteral("Ferri Giulia"));
        // The tournament lists stay hidden in a single game.
        for (Control c : {ctl::Label40, ctl::Label43, ctl::Combo7, ctl::Label52}) {
            QVERIFY(!shown(*window_, c));
        }
    }

    // Plays until the winner message comes; returns its text.
    QString playWholeGame() {
        startGame();
        auto message = answerWinnerMessage();
        long ticks = 0;
        bool trickShot = false, prizeShot = false;
        while (shown(*window_, ctl::Picture1) && ticks < kTickLimit) {
            playHumanTurn();
            window_->forwardTimerTick(ctl::Timer1);
            ++ticks;
            if (!trickShot && tableCardsShown() == 3 && shown(*window_, ctl::Shape6)) {
                saveShot(QStringLiteral("trick-half-played"));
                trickShot = true;
            }
            if (!prizeShot && tableCardsShown() == 0 && app_->session().realCardsInTrick() == 0 &&
                app_->session().changedecisions == 6 && ticks > 100) {
                saveShot(QStringLiteral("prize-") + app_->session().options.premio.c_str());
                prizeShot = true;
            }
        }
        if (ticks >= kTickLimit) return QStringLiteral("the table stopped moving");
        if (!QTest::qWaitFor([&] { return message->seen; }, 5000))
            return QStringLiteral("no message");
        return message->text;
    }

    // The winner message, answered after a picture of the screen; it comes at the game's end.
    std::shared_ptr<guitest::AnsweredMessage> answerWinnerMessage() {
        return guitest::answerNextMessage(
            QMessageBox::Ok, [this] { saveShot(QStringLiteral("winner-message")); }, -1);
    }

    int tableCardsShown() {
        int count = 0;
        for (Control c : {ctl::Picture14, ctl::Picture13, ctl::Picture12, ctl::Picture11,
                          ctl::Picture10, ctl::Picture9}) {
            count += shown(*window_, c) ? 1 : 0;
        }
        return count;
    }

    // Seat 0's moves, clicked as a player clicks: the change question is answered by
    // changing two cards and keeping the hand in turn; a card is laid from the lowest up
    // until the rules accept one.
    void playHumanTurn() {
        GameSession& session = app_->session();
        if (session.turnseat != kHumanSeat) return;
        if (shown(*window_, ctl::Command1)) {
            if ((changesMade_ + keepsMade_) % 2 == 0) {
                const int held = session.cardsHeld(kHumanSeat);
                clickOn(*window_, ctl::Picture2[held - 1]);
                clickOn(*window_, ctl::Picture2[held - 2]);
                QVERIFY(shown(*window_, ctl::Shape3) && shown(*window_, ctl::Shape4));
                saveShot(QStringLiteral("change-question"));
                clickOn(*window_, ctl::Command1);
                QCOMPARE(session.cardsHeld(kHumanSeat), held - 1);
                ++changesMade_;
            } else {
                clickOn(*window_, ctl::Command2);
                ++keepsMade_;
            }
            QVERIFY(!shown(*window_, ctl::Command1));
            return;
        }
        if (shown(*window_, ctl::Picture14) || session.changedecisions != 6) return;
        for (int slot = kHandSlots - 1; slot >= 0; --slot) {
            if (session.hands[kHumanSeat][slot].empty()) continue;
            clickOn(*window_, ctl::Picture2[slot]);
            if (shown(*window_, ctl::Picture14)) return;
        }
    }

    QStringList seatNames() {
        QStringList names;
        for (const SeatStats& seat : app_->session().seatstats) {
            names << QString::fromStdString(seat.surname);
        }
        return names;
    }

    void leave() {
        auto go = guitest::answerNextMessage(QMessageBox::Yes);
        clickOn(*window_, ctl::Label18);
        QVERIFY(go->seen);
        backAtTheMenu();
    }

    void backAtTheMenu() {
        QVERIFY(!shown(*window_, ctl::Picture1));
        for (Control c : kMenuLabels) {
            QVERIFY2(shown(*window_, c) && find(*window_, c)->isEnabled(),
                     qPrintable(guitest::nameOf(c)));
        }
    }

    void saveShot(const QString& name) { guitest::saveShot(*window_, name); }

    long handsBefore_ = 0;
    int changesMade_ = 0;
    int keepsMade_ = 0;
};

QTEST_MAIN(GamePlayTest)
#include "GamePlayTest.moc"

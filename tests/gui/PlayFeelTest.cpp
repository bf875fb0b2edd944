// The player's aids through the real window: the last trick and its large view, "Avanti
// veloce", the hints that say why a click did nothing, the seat on turn lit, Enter answering
// "No" to both questions, the lists opening on their value, and nothing overlapping.
//
// With ZELVARO_SHOTS set to a folder, the test saves pictures of these moments.
#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableLayout.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "tools/sim/HumanPolicy.h"
#include "ui/ClickableLabel.h"
#include "ui/LastTrickView.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"
#include "ui/TablePause.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::shown;

namespace {

constexpr long kTickLimit = 200'000;

QRect seatPanel(int seat) {
    const layout::Point p = layout::kSeatPanel[seat];
    return {p.x, p.y, layout::kSeatPanelWidth, layout::kSeatPanelHeight};
}

// Answers the next question by pressing Enter, as a hurried player would.
std::shared_ptr<bool> pressEnterOnNextQuestion() {
    auto seen = std::make_shared<bool>(false);
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        poll->stop();
        poll->deleteLater();
        *seen = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    poll->start();
    return seen;
}

}  // namespace

class PlayFeelTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindowWithFreshSettings());
        Database& db = app_->database();
        db.execute("UPDATE opzioni SET punteggio='Chips'");
        db.execute("UPDATE opzioni SET cambiocarte='No'");
        db.execute("UPDATE opzioni SET premio='2 Carte'");
    }
    void cleanupTestCase() { closeGameWindow(); }

    void avantiWithoutAProfileSaysWhy() {
        clickOn(*window_, ctl::Label2);
        game_->surface.setCaption(ctl::Label22, "");
        guitest::clickToStartNew(*window_, *app_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::ProfileHint));
        QCOMPARE(find<QLabel>(*window_, ctl::ProfileHint)->text(),
                 QStringLiteral("Scegli o crea un profilo per andare avanti."));
        guitest::saveShot(*window_, QStringLiteral("hint-profile"));
        // It fades away by itself.
        QTRY_VERIFY_WITH_TIMEOUT(!shown(*window_, ctl::ProfileHint), 6000);
        clickOn(*window_, ctl::Label9);
    }

    void theListsOpenOnTheirValue() {
        clickOn(*window_, ctl::Label2);
        for (const Control list : {ctl::Combo4, ctl::Combo5, ctl::Combo6}) {
            auto* box = find<QComboBox>(*window_, list);
            box->showPopup();
            QCOMPARE(box->view()->currentIndex().data().toString(), box->currentText());
            box->hidePopup();
        }
        QCOMPARE(find<QComboBox>(*window_, ctl::Combo6)->currentText(), QStringLiteral("1980"));
        clickOn(*window_, ctl::Label9);
        clickOn(*window_, ctl::Label10);
        auto* types = find<QComboBox>(*window_, ctl::Combo2);
        types->showPopup();
        QCOMPARE(types->view()->currentIndex().data().toString(), QStringLiteral("Chips"));
        types->hidePopup();
        clickOn(*window_, ctl::Label13);
    }

    void thePauseAfterATrickIsKeptByAccettaOnly() {
        auto* pause = window_->findChild<QComboBox*>(QStringLiteral("pausaDopoPresa"));
        QVERIFY(pause != nullptr);
        QCOMPARE(ui::kTablePause.current(), QStringLiteral("Normale"));
        const struct {
            const char* pick;
            Control button;
            const char* kept;
        } steps[] = {{"Lunga", ctl::Label12, "Lunga"},
                     {"Breve", ctl::Label13, "Lunga"},
                     {"Normale", ctl::Label12, "Normale"}};
        for (const auto& step : steps) {
            clickOn(*window_, ctl::Label10);
            QCOMPARE(pause->currentText(), ui::kTablePause.current());  // it opens on what is kept
            pause->setCurrentText(QString::fromLatin1(step.pick));
            if (step.button == ctl::Label12)
                guitest::saveShot(*window_, QStringLiteral("options-pause"));
            clickOn(*window_, step.button);
            QCOMPARE(ui::kTablePause.current(), QString::fromLatin1(step.kept));
        }
        QCOMPARE(ui::kTablePause.factor(), 1.0);
    }

    void theLastTrickStaysAndGrowsWhenClicked() {
        startGame();
        auto* view = find<ui::LastTrickView>(*window_, ctl::LastTrickTitle);
        QVERIFY(!view->isVisible());
        long ticks = 0;
        while (!view->isVisible() && ticks++ < kTickLimit) tick();
        QVERIFY(view->isVisible());
        QCOMPARE(find<QLabel>(*window_, ctl::LastTrickTitle)->text(),
                 QStringLiteral("Ultima presa"));
        const QSize small = view->size();
        clickOn(*window_, ctl::LastTrickTitle);
        QVERIFY(view->large());
        QVERIFY(view->width() > 3 * small.width() / 2);
        // It covers nothing the player needs: his hand of ten, "Classifica", the seats.
        const QRect handOfTen(layout::kHumanHand.x, layout::kHumanHand.y,
                              9 * layout::kHumanHandStep + layout::kCardWidth, layout::kCardHeight);
        QVERIFY(!view->geometry().intersects(handOfTen));
        QVERIFY(!view->geometry().intersects(find(*window_, ctl::Label52)->geometry()));
        for (int seat = 1; seat < kSeats; ++seat)
            QVERIFY(!view->geometry().intersects(seatPanel(seat)));
        QVERIFY(
            QRect(0, 0, layout::kWindowWidth, layout::kWindowHeight).contains(view->geometry()));
        guitest::saveShot(*window_, QStringLiteral("last-trick-large"));
        clickOn(*window_, ctl::LastTrickTitle);
        QCOMPARE(view->size(), small);
        guitest::saveShot(*window_, QStringLiteral("last-trick"));
    }

    void aFullTrickStaysOnTheTableAndTheViewFramesEachWinner() {
        auto* view = find<ui::LastTrickView>(*window_, ctl::LastTrickTitle);
        QTimer* table = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
        const GameSession& session = app_->session();
        int tricks = 0;
        for (long ticks = 0; tricks < 24 && ticks < kTickLimit; ++ticks) {
            tick();
            if (session.trick[kSeats - 1].empty()) continue;
            // The sixth card is down: the whole trick stays, its winner lit, for a moment.
            QVERIFY2(table->remainingTime() > 800,
                     qPrintable(QString::number(table->remainingTime())));
            for (int slot = 0; slot < kSeats; ++slot) {
                const Control place = layout::kTablePlaceControl[session.seatOfTrickSlot(slot)];
                QCOMPARE(shown(*window_, place), session.trick[slot].isReal());
            }
            QVERIFY(shown(*window_, ctl::Shape6));
            if (tricks == 0) guitest::saveShot(*window_, QStringLiteral("full-trick-held"));
            if (tricks < 2) {
                // The clock itself takes it after the pause, and runs at its pace again.
                QTRY_VERIFY_WITH_TIMEOUT(!shown(*window_, ctl::Picture14), 4000);
                QTRY_VERIFY_WITH_TIMEOUT(table->remainingTime() <= table->interval(), 4000);
            } else {
                window_->forwardTimerTick(ctl::Timer1);
            }
            // Then it is taken, and the view frames the card of the seat that won it.
            QVERIFY(!shown(*window_, ctl::Picture14));
            QCOMPARE(view->framedSlot(), session.trickleader);
            ++tricks;
        }
        QCOMPARE(tricks, 24);
    }

    void aClickOutOfTurnSaysWhyAndTheSeatOnTurnIsLit() {
        long ticks = 0;
        while (app_->session().turnseat == kHumanSeat && ticks++ < kTickLimit) tick();
        const int seat = app_->session().turnseat;
        QVERIFY(seat != kHumanSeat);
        QCOMPARE(find(*window_, ctl::TurnLight)->geometry(),
                 seatPanel(seat).adjusted(-layout::kSeatLightMargin, -layout::kSeatLightMargin,
                                          layout::kSeatLightMargin, layout::kSeatLightMargin));
        clickOn(*window_, ctl::Picture2[0]);
        QVERIFY(shown(*window_, ctl::TableHint));
        QCOMPARE(find<QLabel>(*window_, ctl::TableHint)->text(),
                 QStringLiteral("Non è il tuo turno."));
        guitest::saveShot(*window_, QStringLiteral("hint-table"));
        // The player's own turn: his plate lit and his prompt.
        while (app_->session().turnseat != kHumanSeat && ticks++ < kTickLimit)
            window_->forwardTimerTick(ctl::Timer1);
        window_->forwardTimerTick(ctl::Timer1);
        QVERIFY(shown(*window_, ctl::TurnPrompt));
        QVERIFY(!shown(*window_, ctl::TableHint));
        QCOMPARE(find(*window_, ctl::TurnLight)->y(),
                 layout::kHumanPlate.y - layout::kSeatLightMargin);
        guitest::saveShot(*window_, QStringLiteral("turn-player"));
    }

    void fastForwardRunsTheRestOfTheHandAtOnce() {
        long ticks = 0;
        while (!shown(*window_, ctl::TableFastForward) && ticks++ < kTickLimit) tick();
        QVERIFY(shown(*window_, ctl::TableFastForward));
        QVERIFY(!app_->session().holdsCards(kHumanSeat));
        guitest::saveShot(*window_, QStringLiteral("fast-forward-offered"));
        const long hands = app_->engine().handsPlayed();
        QElapsedTimer clock;
        clock.start();
        clickOn(*window_, ctl::TableFastForward);
        QVERIFY(window_->fastForwarding());
        QTRY_VERIFY_WITH_TIMEOUT(app_->engine().handsPlayed() > hands, 5000);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        // It stopped where the player has cards again.
        QTRY_VERIFY(!window_->fastForwarding());
        QVERIFY(app_->session().holdsCards(kHumanSeat));
        QVERIFY(!shown(*window_, ctl::TableFastForward));
    }

    void enterNeverLeavesAGameNorDeletesAProfile() {
        auto seen = pressEnterOnNextQuestion();
        clickOn(*window_, ctl::Label18);
        QVERIFY(*seen);
        QVERIFY(shown(*window_, ctl::Picture1));
        QVERIFY(window_->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        leave();

        clickOn(*window_, ctl::Label2);
        seen = pressEnterOnNextQuestion();
        clickOn(*window_, ctl::Label27);
        QVERIFY(*seen);
        QCOMPARE(app_->database()
                     .query("SELECT * FROM giocatori where cognome='Ferri' and nome='Giulia'")
                     .rows(),
                 1);
        clickOn(*window_, ctl::Label9);
    }

    void theRulesScrollBarShowsOnTheDarkPanel() {
        clickOn(*window_, ctl::Label15);
        QVERIFY(shown(*window_, ctl::Frame2));
        guitest::saveShot(*window_, QStringLiteral("rules-panel"));
        clickOn(*window_, ctl::Label17);
    }

    void aNameTooLongEvenSetSmallerIsWholeInItsTooltip() {
        startGame();
        const std::string longName = "Athanasopoulou-Papadimitriou Konstantina";
        game_->surface.setCaption(ctl::Label6[0], longName);
        auto* cut = find<ui::ClickableLabel>(*window_, ctl::Label6[0]);
        for (int seat = 1; seat < 5; ++seat) {
            auto* other = find<ui::ClickableLabel>(*window_, ctl::Label6[seat]);
            QCOMPARE(other->font().pixelSize(), cut->font().pixelSize());
            QCOMPARE(other->cutTextAt(other->rect().center()), QString());  // whole: no tooltip
        }
        QCOMPARE(cut->cutTextAt(cut->rect().center()), QString::fromStdString(longName));
        guitest::saveShot(*window_, QStringLiteral("long-name"));
        leave();
    }

    void decisionsAndCaptionsStayClearOfPlacesAndPanels() {
        for (int seat = 1; seat < 6; ++seat) {
            const layout::Point at = layout::kDecisionLabel[seat];
            const QRect plate(at.x, at.y, layout::kDecisionLabelWidth,
                              layout::kDecisionLabelHeight);
            for (int other = 0; other < 6; ++other) {
                const layout::Point place = layout::kTablePlace[other];
                QVERIFY(!plate.intersects(
                    QRect(place.x, place.y, layout::kCardWidth, layout::kCardHeight)));
                if (other > 0) QVERIFY(!plate.intersects(seatPanel(other)));
            }
        }
        startGame();
        for (const Control picture :
             {ctl::Picture15, ctl::Picture18, ctl::Picture19, ctl::Picture20, ctl::Picture21}) {
            window_->forwardMouseMove(picture);
            const QWidget* caption = find(*window_, ctl::Label19);
            QVERIFY(caption->isVisible());
            QVERIFY2(!caption->geometry().intersects(seatPanel(3)),
                     qPrintable(guitest::nameOf(picture)));
        }
        leave();
    }

private:
    void startGame() {
        clickOn(*window_, ctl::Label2);
        guitest::clickToStartNew(*window_, *app_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::Picture1));
    }
    void tick() {
        playHumanTurn(*app_, game_->surface);
        window_->forwardTimerTick(ctl::Timer1);
    }
    void leave() {
        auto go = guitest::answerNextMessage(QMessageBox::Yes);
        clickOn(*window_, ctl::Label18);
        QVERIFY(go->seen);
        QVERIFY(!shown(*window_, ctl::Picture1));
    }
};

QTEST_MAIN(PlayFeelTest)
#include "PlayFeelTest.moc"

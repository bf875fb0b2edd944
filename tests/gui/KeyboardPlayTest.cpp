// The table played from the keyboard through the real window: each key is the click of the
// control it stands for, the gold outline stays on a held card, and a whole hand goes by with
// keys alone.
//
// With ZELVARO_SHOTS set to a folder, the test saves a picture of the outline on a card.
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/PictureBox.h"
#include "ui/TableSeats.h"
#include "ui/WindowEvents.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::shown;

namespace {

constexpr long kTickLimit = 200'000;

// Notes the clicks the window reports instead of playing them.
class ClickRecorder : public ui::WindowEvents {
public:
    void click(Control c) override { clicks.push_back(c); }
    void mouseMove(Control) override {}
    void mouseDown(Control) override {}
    void comboSelected(Control) override {}
    void timerTick(Control) override {}
    std::vector<Control> clicks;
};

}  // namespace

class KeyboardPlayTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindowWithFreshSettings());
        Database& db = app_->database();
        db.execute("UPDATE opzioni SET punteggio='Chips'");
        db.execute("UPDATE opzioni SET cambiocarte='Si'");
        startGame();
    }
    void cleanupTestCase() { closeGameWindow(); }

    void cardNamesComeFromThePictureFileName() {
        const struct {
            const char* picture;
            const char* name;
        } rows[] = {{"carte/14 c.jpg", "Asso di cuori"}, {"carte/10 p.jpg", "Dieci di picche"},
                    {"carte/13 m.jpg", "Re di quadri"},  {"carte/2 f.jpg", "Due di fiori"},
                    {"carte/11 c.jpg", "Fante di cuori"}, {"carte/12 p.jpg", "Donna di picche"},
                    {"carte/0 o.jpg", ""},                {"carte/15 c.jpg", ""},
                    {"retro.jpg", ""}};
        for (const auto& row : rows) {
            QCOMPARE(ui::TableSeats::cardName(row.picture), QString::fromUtf8(row.name));
        }
    }

    void eachKeyIsTheClickOfItsControl() {
        waitForHeldCards();
        const std::vector<int> held = heldPlaces();
        QVERIFY(held.size() >= 3);
        const struct {
            const char* name;
            Qt::Key key;
            Control shownFirst;  // Form1: nothing to show
            Control clicked;
        } rows[] = {
            {"C", Qt::Key_C, ctl::Command1, ctl::Command1},
            {"N", Qt::Key_N, ctl::Command2, ctl::Command2},
            {"F", Qt::Key_F, ctl::Command5, ctl::Command5},
            {"Esc", Qt::Key_Escape, ctl::Form1, ctl::Label18},
            {"1", Qt::Key_1, ctl::Form1, ctl::Picture2[held[0]]},
            {"3", Qt::Key_3, ctl::Form1, ctl::Picture2[held[2]]},
            {"Space", Qt::Key_Space, ctl::Form1, ctl::Picture2[held[2]]},
            {"Right Enter", Qt::Key_Return, ctl::Form1, ctl::Picture2[held.size() > 3 ? held[3] : held[0]]},
        };
        ClickRecorder recorder;
        window_->attach(&recorder);
        // The game gets its window back however the checks end.
        const std::unique_ptr<void, std::function<void(void*)>> giveBack(this, [this](void*) { window_->attach(*app_); });
        for (const auto& row : rows) {
            const bool wasShown = row.shownFirst == ctl::Form1 || game_->surface.visible(row.shownFirst);
            if (!wasShown) game_->surface.setVisible(row.shownFirst, true);
            recorder.clicks.clear();
            if (row.key == Qt::Key_Return) QTest::keyClick(window_, Qt::Key_Right);
            QTest::keyClick(window_, row.key);
            if (!wasShown) game_->surface.setVisible(row.shownFirst, false);
            QVERIFY2(recorder.clicks.size() == 1, row.name);
            QVERIFY2(recorder.clicks[0] == row.clicked, row.name);
        }
        // Keys of hidden buttons, and F1 away from the menu, click nothing.
        const struct {
            Qt::Key key;
            Control control;
        } hidden[] = {{Qt::Key_C, ctl::Command1}, {Qt::Key_N, ctl::Command2}, {Qt::Key_F, ctl::Command5},
                      {Qt::Key_F1, ctl::Label15}};
        for (const auto& row : hidden) {
            const bool wasShown = game_->surface.visible(row.control);
            if (wasShown && row.control != ctl::Label15) game_->surface.setVisible(row.control, false);
            recorder.clicks.clear();
            QTest::keyClick(window_, row.key);
            if (wasShown && row.control != ctl::Label15) game_->surface.setVisible(row.control, true);
            QVERIFY2(recorder.clicks.empty(), qPrintable(guitest::nameOf(row.control)));
        }
    }

    void escapeAsksAsIndietroDoes() {
        auto asked = guitest::answerNextMessage(QMessageBox::No);
        QTest::keyClick(window_, Qt::Key_Escape);
        QVERIFY(asked->seen);
        QCOMPARE(asked->text, QStringLiteral("Vuoi abbandonare la partita? "));
        QVERIFY(shown(*window_, ctl::Picture1));
    }

    void aCardKeyOutOfTurnSaysWhy() {
        long ticks = 0;
        while ((app_->session().turnseat == kHumanSeat || heldPlaces().empty()) && ticks++ < kTickLimit) {
            window_->forwardTimerTick(ctl::Timer1);
            if (app_->session().turnseat == kHumanSeat && shown(*window_, ctl::Command2)) QTest::keyClick(window_, Qt::Key_N);
            else if (app_->session().turnseat == kHumanSeat) QTest::keyClick(window_, Qt::Key_1);
        }
        QVERIFY(app_->session().turnseat != kHumanSeat);
        QTest::keyClick(window_, Qt::Key_1);
        QVERIFY(shown(*window_, ctl::Label59));
        QCOMPARE(find<QLabel>(*window_, ctl::Label59)->text(), QStringLiteral("Non è il tuo turno."));
    }

    void aWholeHandIsPlayedWithKeysOnly() {
        // Play on to the start of a fresh hand, then the whole of it.
        KeyLog warmUp;
        const long first = app_->engine().handsPlayed();
        long ticks = 0;
        while (app_->engine().handsPlayed() == first && ticks++ < kTickLimit) playStep(warmUp);
        QVERIFY(app_->engine().handsPlayed() > first);
        const long hand = app_->engine().handsPlayed();
        KeyLog log;
        ticks = 0;
        while (app_->engine().handsPlayed() == hand && ticks++ < kTickLimit) playStep(log);
        QVERIFY(app_->engine().handsPlayed() > hand);
        QVERIFY(log.changed);
        QVERIFY(log.laidByDigit);
        QVERIFY(log.laidByArrows);
        QVERIFY(log.fastForwarded);
    }

    void f1OpensTheRulesFromTheMenuOnly() {
        auto leave = guitest::answerNextMessage(QMessageBox::Yes);
        QTest::keyClick(window_, Qt::Key_Escape);
        QVERIFY(leave->seen);
        QVERIFY(!shown(*window_, ctl::Picture1));
        QTest::keyClick(window_, Qt::Key_F1);
        QVERIFY(shown(*window_, ctl::Frame2));
        clickOn(*window_, ctl::Label17);
        QVERIFY(!shown(*window_, ctl::Frame2));
    }

private:
    struct KeyLog {
        bool changed = false;
        bool laidByDigit = false;
        bool laidByArrows = false;
        bool fastForwarded = false;
    };

    // One move of the player with keys, when there is one to make, then a tick of the table.
    void playStep(KeyLog& log) {
        const GameSession& session = app_->session();
        const bool mine = session.turnseat == kHumanSeat;
        if (mine && shown(*window_, ctl::Command1) && !log.changed) {
            // Mark the second and third card with the arrows and Space, then change them.
            QTest::keyClick(window_, Qt::Key_1);
            QTest::keyClick(window_, Qt::Key_1);  // the first again: its mark comes off
            QTest::keyClick(window_, Qt::Key_Right);
            QTest::keyClick(window_, Qt::Key_Space);
            QTest::keyClick(window_, Qt::Key_Right);
            QTest::keyClick(window_, Qt::Key_Space);
            QVERIFY(shown(*window_, ctl::Shape3) && shown(*window_, ctl::Shape4));
            checkFocusFrame();
            guitest::saveShot(*window_, QStringLiteral("keyboard-focus"));
            QTest::keyClick(window_, Qt::Key_C);
            QVERIFY(!shown(*window_, ctl::Command1));
            log.changed = true;
        } else if (mine && shown(*window_, ctl::Command1)) {
            QTest::keyClick(window_, Qt::Key_N);
            QVERIFY(!shown(*window_, ctl::Command1));
        } else if (mine && session.changedecisions == 6 && !shown(*window_, ctl::Picture14) &&
                   !heldPlaces().empty()) {
            const int before = session.cardsHeld(kHumanSeat);
            // By digit first, by arrows and Enter the next time; an ace that may not open is
            // passed over with Right.
            if (!log.laidByDigit) QTest::keyClick(window_, Qt::Key_1);
            for (int tries = 0; session.cardsHeld(kHumanSeat) == before && tries < 13; ++tries) {
                QTest::keyClick(window_, Qt::Key_Right);
                QTest::keyClick(window_, Qt::Key_Return);
            }
            QVERIFY(session.cardsHeld(kHumanSeat) < before);
            (log.laidByDigit ? log.laidByArrows : log.laidByDigit) = true;
        } else if (shown(*window_, ctl::Command5) && find(*window_, ctl::Command5)->isEnabled()) {
            QTest::keyClick(window_, Qt::Key_F);
            QVERIFY(window_->fastForwarding());
            log.fastForwarded = true;
            QTRY_VERIFY_WITH_TIMEOUT(!window_->fastForwarding(), 10000);
            return;
        }
        checkFocusFrame();
        window_->forwardTimerTick(ctl::Timer1);
    }

    void startGame() {
        guitest::clickToStartNew(*window_, *app_, ctl::Label2);
        clickOn(*window_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::Picture1));
    }
    std::vector<int> heldPlaces() {
        std::vector<int> held;
        for (int i = 0; i < ctl::Picture2.size(); ++i) {
            auto* card = find<ui::PictureBox>(*window_, ctl::Picture2[i]);
            if (card->isVisible() && card->hasPicture()) held.push_back(i);
        }
        return held;
    }
    void waitForHeldCards() {
        long ticks = 0;
        while (heldPlaces().size() < 4 && ticks++ < kTickLimit) window_->forwardTimerTick(ctl::Timer1);
    }
    // A shown outline frames a card the player holds, and that card is named for him.
    void checkFocusFrame() {
        auto* frame = window_->findChild<QWidget*>(QStringLiteral("focoMano"));
        if (frame == nullptr || !frame->isVisible()) return;
        bool onAHeldCard = false;
        for (const int place : heldPlaces()) {
            auto* card = find<ui::PictureBox>(*window_, ctl::Picture2[place]);
            if (frame->geometry().center() != card->geometry().center()) continue;
            onAHeldCard = true;
            QVERIFY(card->accessibleName().contains(QStringLiteral(" di ")));
        }
        QVERIFY(onAHeldCard);
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"

// The keyboard through the real window: each key of the game reaches the game as its own key
// (what a key does is the game's, tested headless in tests/unit/KeyboardPlayTest.cpp), the
// gold outline is drawn on the card the game names, that card is named for a screen reader,
// and Esc on the table asks as "Indietro" does.
//
// With ZELVARO_SHOTS set to a folder, the test saves a picture of the outline on a card.
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "engine/GameSession.h"
#include "front/ZelvaroApp.h"
#include "rules/Card.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/GameKeys.h"
#include "ui/PictureBox.h"
#include "ui/WindowEvents.h"

using namespace zelvaro;
using guitest::find;
using guitest::shown;

namespace {

constexpr long kTickLimit = 200'000;

// Notes the keys the window reports instead of playing them.
class KeyRecorder : public ui::WindowEvents {
public:
    void click(Control) override {}
    void mouseMove(Control) override {}
    void mouseDown(Control) override {}
    void comboSelected(Control) override {}
    void timerTick(Control) override {}
    void failed(std::exception_ptr, std::optional<Control>) override {}
    bool keyPressed(GameKey key) override {
        keys.push_back(key);
        return true;
    }
    std::vector<GameKey> keys;
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
        guitest::clickToStartNew(*window_, *app_, ctl::Label2);
        guitest::clickOn(*window_, ctl::Label21);
        QVERIFY(shown(*window_, ctl::Picture1));
    }
    void cleanupTestCase() { closeGameWindow(); }

    void eachKeyReachesTheGameAsItsOwnKey() {
        const struct {
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            std::optional<GameKey> reached;
        } rows[] = {
            {"Left", Qt::Key_Left, Qt::NoModifier, GameKey::Left},
            {"Right", Qt::Key_Right, Qt::NoModifier, GameKey::Right},
            {"Space", Qt::Key_Space, Qt::NoModifier, GameKey::Lay},
            {"Return", Qt::Key_Return, Qt::NoModifier, GameKey::Lay},
            {"Enter", Qt::Key_Enter, Qt::KeypadModifier, GameKey::Lay},
            {"C", Qt::Key_C, Qt::NoModifier, GameKey::Change},
            {"N", Qt::Key_N, Qt::NoModifier, GameKey::Keep},
            {"F", Qt::Key_F, Qt::NoModifier, GameKey::FastForward},
            {"Esc", Qt::Key_Escape, Qt::NoModifier, GameKey::Back},
            {"F1", Qt::Key_F1, Qt::NoModifier, GameKey::Rules},
            {"1", Qt::Key_1, Qt::NoModifier, GameKey::Card1},
            {"keypad 5", Qt::Key_5, Qt::KeypadModifier, GameKey::Card5},
            {"9", Qt::Key_9, Qt::NoModifier, GameKey::Card9},
            {"0", Qt::Key_0, Qt::NoModifier, GameKey::Card10},
            {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, std::nullopt},
            {"Shift+1", Qt::Key_1, Qt::ShiftModifier, std::nullopt},
            {"X", Qt::Key_X, Qt::NoModifier, std::nullopt},
        };
        KeyRecorder recorder;
        window_->attach(&recorder);
        // The game gets its window back however the checks end.
        const std::unique_ptr<void, std::function<void(void*)>> giveBack(
            this, [this](void*) { window_->attach(*app_); });
        for (const auto& row : rows) {
            recorder.keys.clear();
            QTest::keyClick(window_, row.key, row.modifiers);
            const std::vector<GameKey> want =
                row.reached ? std::vector<GameKey>{*row.reached} : std::vector<GameKey>{};
            QVERIFY2(recorder.keys == want, row.name);
        }
    }

    void theOutlineIsDrawnOnTheCardTheGameNames() {
        long ticks = 0;
        while (app_->outlinedPlace() < 0 && ticks++ < kTickLimit) {
            QTest::keyClick(window_, Qt::Key_Right);
            if (app_->outlinedPlace() < 0) window_->forwardTimerTick(ctl::Timer1);
        }
        QVERIFY(app_->outlinedPlace() >= 0);
        for (int moves = 0; moves < 3; ++moves) {
            checkFocusFrame();
            QTest::keyClick(window_, Qt::Key_Right);
        }
        checkFocusFrame();
        guitest::saveShot(*window_, QStringLiteral("keyboard-focus"));
    }

    void escapeAsksAsIndietroDoes() {
        auto asked = guitest::answerNextMessage(QMessageBox::No);
        QTest::keyClick(window_, Qt::Key_Escape);
        QVERIFY(asked->seen);
        QCOMPARE(asked->text, QStringLiteral("Vuoi abbandonare la partita? "));
        QVERIFY(shown(*window_, ctl::Picture1));
    }

    void theOutlineGoesWithTheTable() {
        auto leave = guitest::answerNextMessage(QMessageBox::Yes);
        QTest::keyClick(window_, Qt::Key_Escape);
        QVERIFY(leave->seen);
        QVERIFY(!shown(*window_, ctl::Picture1));
        auto* frame = window_->findChild<QWidget*>(QStringLiteral("focoMano"));
        QVERIFY(frame != nullptr && !frame->isVisible());
    }

private:
    // The outline frames the card the game names, lifted, and that card is named for the player.
    void checkFocusFrame() {
        const int place = app_->outlinedPlace();
        QVERIFY(place >= 0);
        auto* frame = window_->findChild<QWidget*>(QStringLiteral("focoMano"));
        QVERIFY(frame != nullptr && frame->isVisible());
        auto* card = find<ui::PictureBox>(*window_, ctl::Picture2[place]);
        // On the card, raised with it: the card the keys are on lifts a little.
        const QPoint raised = card->geometry().center() - frame->geometry().center();
        QCOMPARE(raised.x(), 0);
        QVERIFY2(raised.y() > 0 && raised.y() <= card->height() / 6,
                 qPrintable(QStringLiteral("raised by %1").arg(raised.y())));
        const Card held = app_->session().hands[kHumanSeat][place];
        QCOMPARE(card->accessibleName(), QString::fromStdString(cardName(held)));
        QVERIFY(card->accessibleName().contains(QStringLiteral(" di ")));
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"

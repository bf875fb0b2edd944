// The expert level and "Suggerimento" through the real window: "Avversari" on the options
// panel clear of its other controls and kept by "Accetta"; on the table H and the button mark
// the expert's choice at the change question and at a trick, the marks go when the player
// acts, and the button overlaps nothing.
//
// With ZELVARO_SHOTS set to a folder, the test saves pictures of these moments.
#include <QComboBox>
#include <QTest>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/Suggestion.h"
#include "engine/display/TableLayout.h"
#include "front/ZelvaroApp.h"
#include "store/Database.h"
#include "store/OpponentLevel.h"
#include "tests/gui/GuiTestSupport.h"
#include "tools/sim/HumanPolicy.h"
#include "ui/MainWindow.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::shown;

namespace {

constexpr long kTickLimit = 200'000;

}  // namespace

class SuggestionWindowTest : public guitest::StartedGameTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindowWithFreshSettings());
        app_->database().execute("UPDATE opzioni SET punteggio='Eliminazione 25'");
        app_->database().execute("UPDATE opzioni SET cambiocarte='Si'");
    }
    void cleanupTestCase() { closeGameWindow(); }

    void theOptionsPanelOffersTheLevelAndKeepsIt() {
        clickOn(*window_, ctl::Label10);
        auto* list = find<QComboBox>(*window_, ctl::OpponentsList);
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentText(), QStringLiteral("Classici"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(1), QStringLiteral("Esperti"));
        checkClear(list);
        // Inside the panel's card, above its buttons.
        QVERIFY(list->geometry().bottom() < find(*window_, ctl::Label12)->geometry().top());
        list->setCurrentIndex(1);
        shot(QStringLiteral("options-avversari"));
        clickOn(*window_, ctl::Label12);
        QVERIFY(!shown(*window_, ctl::Frame1));
        QCOMPARE(readOpponentLevel(app_->database()), std::string(kExpertOpponents));
    }

    void hMarksTheTwoCardsToGiveAtTheChange() {
        clickOn(*window_, ctl::Label2);
        guitest::clickToStartNew(*window_, *app_, ctl::Label21);
        QCOMPARE(app_->session().avversari, std::string(kExpertOpponents));
        // Hands until the expert would change: it keeps a good hand.
        // A few hands at most: the match's end would wait on its message.
        for (long ticks = 0; ticks < kTickLimit && app_->engine().handsPlayed() < 4; ++ticks) {
            if (!shown(*window_, ctl::Command1)) {
                playHumanTurn(*app_, game_->surface);
                window_->forwardTimerTick(ctl::Timer1);
                continue;
            }
            QVERIFY(shown(*window_, ctl::SuggestionButton));
            QTest::keyClick(window_, Qt::Key_H);
            const auto expected = Suggestion::expertChoice(app_->session(), true);
            if (expected[0] < 0) {
                QVERIFY(shown(*window_, ctl::TableHint));
                clickOn(*window_, ctl::Command2);
                continue;
            }
            checkMarks(expected);
            shot(QStringLiteral("suggestion-change"));
            clickOn(*window_, ctl::Command2);
            QVERIFY(!shown(*window_, ctl::SuggestionMarks[0]));
            QVERIFY(!shown(*window_, ctl::SuggestionMarks[1]));
            return;
        }
        QFAIL("the expert never changed");
    }

    void theButtonMarksTheCardToLayAndTheMarkGoesWithIt() {
        long ticks = 0;
        while (!shown(*window_, ctl::SuggestionButton) && ticks++ < kTickLimit)
            window_->forwardTimerTick(ctl::Timer1);
        QVERIFY(!shown(*window_, ctl::Command1));
        QWidget* button = find(*window_, ctl::SuggestionButton);
        checkClear(button);
        clickOn(*window_, ctl::SuggestionButton);
        const auto expected = Suggestion::expertChoice(app_->session(), false);
        checkMarks(expected);
        shot(QStringLiteral("suggestion-trick"));
        // Scaled to other sizes, the button still overlaps nothing and the mark frames its card.
        const QSize designed = window_->size();
        for (const QSize size : {QSize(1440, 1000), QSize(800, 640), QSize(640, 480)}) {
            window_->resize(size);
            QTest::qWait(20);
            checkClear(button);
            checkMarks(expected);
            shot(QStringLiteral("suggestion-trick-%1").arg(size.width()));
        }
        window_->resize(designed);
        clickOn(*window_, ctl::Picture2[expected[0]]);
        QVERIFY(!shown(*window_, ctl::SuggestionMarks[0]));
        QVERIFY(!shown(*window_, ctl::SuggestionButton));
    }

private:
    // No other shown control of its parent lies over `widget`.
    static void checkClear(const QWidget* widget) {
        const QStringList over = guitest::shownOver(widget->geometry(), {widget});
        QVERIFY2(over.isEmpty(), qPrintable(over.join(QLatin1Char(' '))));
    }
    // A picture of the window once it has painted what it shows.
    void shot(const QString& name) {
        QTest::qWait(30);
        guitest::saveShot(*window_, name);
    }
    // The marks frame the hand places `places` (-1: no mark), each card inside its frame.
    void checkMarks(const std::array<int, 2>& places) {
        for (int i = 0; i < 2; ++i) {
            QWidget* mark = find(*window_, ctl::SuggestionMarks[i]);
            QCOMPARE(mark->isVisible(), places[i] >= 0);
            if (places[i] < 0) continue;
            QVERIFY(
                mark->geometry().contains(find(*window_, ctl::Picture2[places[i]])->geometry()));
        }
    }
};

QTEST_MAIN(SuggestionWindowTest)
#include "SuggestionWindowTest.moc"

// A tournament through the real window: the way in from the menu, the table with both lists,
// a pick in the table list and its open list, the standings screen opened on the player's
// page and turned by its buttons and keys, the wait panel, the next round and the
// elimination. The timers' ticks are delivered as the window delivers them.
//
// With ZELVARO_SHOTS set to a folder, the test saves pictures of each of these screens.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/TournamentWindowFixture.h"
#include "tools/sim/TournamentDriver.h"
#include "ui/MainWindow.h"
#include "ui/TableListBox.h"

using namespace zelvaro;
using guitest::clickOn;
using guitest::find;
using guitest::linesOf;
using guitest::shown;

class TournamentWindowTest : public guitest::TournamentWindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(openGameWindow());
        app_->database().execute("UPDATE opzioni SET punteggio='50 Punti'");
    }

    void cleanupTestCase() { closeGameWindow(); }

    void theTournamentOpensFromTheMenuWithBothLists() {
        enterTournament();
        QCOMPARE(find<QLabel>(*window_, ctl::Label47)->text(),
                 QStringLiteral("1* Turno - 1536 Giocatori - 256 Tavoli"));
        QCOMPARE(find<QLabel>(*window_, ctl::Label48)->text(),
                 QStringLiteral("Nessun Limite di Mani"));
        auto* tables = find<QComboBox>(*window_, ctl::Combo7);
        QCOMPARE(tables->count(), 256);
        QCOMPARE(tables->currentText(), playersTable());
        QVERIFY(linesOf(*window_, ctl::Label42).contains(QStringLiteral("Ferri")));
        QCOMPARE(linesOf(*window_, ctl::Label42).size(), 6);
        QCOMPARE(linesOf(*window_, ctl::Label41), QStringList(6, QStringLiteral("0")));
        // The window's own timers play the tournament: the other tables move on and the
        // overall top six appears after two seconds.
        const int cursor = app_->tournament().tablecursor;
        QTRY_VERIFY_WITH_TIMEOUT(app_->tournament().tablecursor > cursor + 10, 5000);
        QCOMPARE(linesOf(*window_, ctl::Label45).size(), 6);
        QVERIFY(find<QLabel>(*window_, ctl::TournamentPlace)
                    ->text()
                    .startsWith(QStringLiteral("Turno 1 di 9 \u00b7 Tavolo ")));
        QVERIFY(find<QLabel>(*window_, ctl::TournamentPlace)
                    ->text()
                    .endsWith(QStringLiteral(" di 1536")));
        QVERIFY(linesOf(*window_, ctl::Label45)[0].contains(QStringLiteral("  (Tav.")));
        for (Control c : {ctl::Label40, ctl::Label43, ctl::Combo7, ctl::Label52}) {
            QVERIFY2(shown(*window_, c), qPrintable(guitest::nameOf(c)));
        }
        for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(timerRuns(timer));
        playTicks(300);
        guitest::saveShot(*window_, QStringLiteral("tournament-round1"));
    }

    void aPickInTheTableListShowsThatTable() {
        // The table of the entrant with the longest surname, who also leads the field.
        Database& db = app_->database();
        const ResultSet longest =
            db.query("SELECT * FROM torneo order by length(cognome) desc, cognome asc, nome asc");
        const std::string surname = longest.at(0, 0).text();
        const std::string table = longest.at(2, 0).text();
        db.execute("UPDATE torneo SET punti='44' WHERE cognome='" + Database::fApici(surname) +
                   "' and nome='" + Database::fApici(longest.at(1, 0).text()) + "'");
        auto* tables = find<QComboBox>(*window_, ctl::Combo7);
        const int index = tables->findText(QString::fromStdString(table));
        tables->setCurrentIndex(index);
        emit tables->activated(index);
        window_->forwardTimerTick(ctl::Timer3);

        const ResultSet rows = db.query("SELECT * FROM torneo where tavolo='" + table +
                                        "' order by punti desc,cognome asc,nome asc ");
        QStringList surnames;
        for (int r = 0; r < rows.rows(); ++r)
            surnames << QString::fromStdString(rows.at(0, r).text());
        QCOMPARE(linesOf(*window_, ctl::Label42), surnames);
        QCOMPARE(surnames.first(), QString::fromStdString(surname));
        QCOMPARE(linesOf(*window_, ctl::Label45).first(),
                 QString::fromStdString(surname + "  (Tav." + table + ")"));
        QCOMPARE(linesOf(*window_, ctl::Label44).first(), QStringLiteral("44"));
        guitest::saveShot(*window_, QStringLiteral("tournament-long-names"));
    }

    void theTableListOpensInsideItsOwnColumn() {
        auto* tables = find<QComboBox>(*window_, ctl::Combo7);
        tables->showPopup();
        QWidget* list = tables->view()->window();
        QTRY_VERIFY(list->isVisible());
        guitest::saveShot(*window_, QStringLiteral("table-list-open"));
        const auto onScreen = [](const QWidget* widget) {
            return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        };
        const QRect open = list->geometry();
        // In the window, in the ranking column (not over the table), clear of "Classifica".
        QVERIFY(onScreen(window_).contains(open));
        QVERIFY(open.left() >= onScreen(find(*window_, ctl::Label40)).left());
        QVERIFY(!open.intersects(onScreen(find(*window_, ctl::Label52))));
        // Several tables at once, the shown one among them.
        QAbstractItemView* view = tables->view();
        QVERIFY(view->viewport()->height() >= 8 * view->sizeHintForRow(0));
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
        tables->hidePopup();
        QTRY_VERIFY(!list->isVisible());

        // Wherever a box stands, its list stays in the window, beside the box and clear of it.
        struct Case {
            const char* name;
            QRect box;
            QSize list;
            bool below;
        };
        const QRect window(0, 0, 1030, 750);
        for (const Case& c :
             {Case{"room below", QRect(966, 227, 50, 25), {50, 230}, true},
              Case{"room only above", QRect(966, 600, 50, 25), {50, 230}, false},
              Case{"neither, more below", QRect(966, 200, 50, 25), {50, 900}, true},
              Case{"neither, more above", QRect(966, 500, 50, 25), {50, 900}, false},
              Case{"wider than the left side", QRect(4, 227, 50, 25), {120, 230}, true},
              Case{"at the right edge", QRect(990, 227, 40, 25), {50, 230}, true}}) {
            const QRect place = ui::TableListBox::popupPlace(c.box, window, c.list);
            QVERIFY2(window.contains(place), c.name);
            QVERIFY2(!place.intersects(c.box), c.name);
            QVERIFY2(
                c.below ? place.top() == c.box.bottom() + 1 : place.bottom() == c.box.top() - 1,
                c.name);
            QVERIFY2(place.width() == c.list.width(), c.name);
        }
    }

    void classificaOpensOnThePlayersPageAndTurnsByButtonsAndKeys() {
        clickOn(*window_, ctl::Label52);
        QVERIFY(shown(*window_, ctl::Picture27));
        QVERIFY(!shown(*window_, ctl::Picture1));
        for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(!timerRuns(timer));
        QCOMPARE(find<QLabel>(*window_, ctl::Label54)->text(), QStringLiteral("77"));
        expectPlayersRowLit();
        guitest::saveShot(*window_, QStringLiteral("standings-players-page"));

        // The keys reach the screen without a click on it first.
        QWidget* screen = window_->focusWidget();
        QCOMPARE(screen, find(*window_, ctl::Picture27));
        struct Step {
            Control button;  // pressed with the mouse, or none for a key
            Qt::Key key;
            const char* page;
        };
        const Control byKey = ctl::Label53;
        for (const Step& step :
             {Step{byKey, Qt::Key_End, "77"}, Step{ctl::Command4, {}, "77"},
              Step{byKey, Qt::Key_Home, "1"}, Step{ctl::Command3, {}, "1"},
              Step{ctl::LastStandingsPage, {}, "77"}, Step{byKey, Qt::Key_PageUp, "76"},
              Step{byKey, Qt::Key_Left, "75"}, Step{ctl::FirstStandingsPage, {}, "1"},
              Step{byKey, Qt::Key_PageDown, "2"}, Step{byKey, Qt::Key_Right, "3"}}) {
            if (step.button == byKey) {
                QTest::keyClick(screen, step.key);
            } else {
                clickOn(*window_, step.button);
            }
            QCOMPARE(find<QLabel>(*window_, ctl::Label56)->text(), QString::fromLatin1(step.page));
        }
        QCOMPARE(linesOf(*window_, ctl::Label51[0]).first(), QStringLiteral("41"));
        for (int page = 4; page <= 39; ++page) clickOn(*window_, ctl::Command4);
        QCOMPARE(find<QLabel>(*window_, ctl::Label56)->text(), QStringLiteral("39"));
        QCOMPARE(linesOf(*window_, ctl::Label51[0]).first(), QStringLiteral("761"));
        guitest::saveShot(*window_, QStringLiteral("standings-page39"));
        clickOn(*window_, ctl::Command3);
        QCOMPARE(find<QLabel>(*window_, ctl::Label56)->text(), QStringLiteral("38"));

        clickOn(*window_, ctl::Label53);
        QVERIFY(!shown(*window_, ctl::Picture27));
        QVERIFY(shown(*window_, ctl::Picture1));
        for (const char* timer : {"Timer1", "Timer2", "Timer3"}) QVERIFY(timerRuns(timer));
        QCOMPARE(app_->database().query("SELECT * FROM classifica").rows(), 0);
    }

    void theWaitPanelShowsUntilTheNextRoundSeatsTheHumansNewTable() {
        playHumansMatch();
        QVERIFY(shown(*window_, ctl::Frame6));
        QVERIFY(!find(*window_, ctl::Form1)->isEnabled());
        // Nobody is on turn behind it.
        for (const Control aid : {ctl::TurnLight, ctl::TurnPrompt, ctl::HandResultLine})
            QVERIFY(!shown(*window_, aid));
        guitest::saveShot(*window_, QStringLiteral("wait-panel"));
        leadHumansTable(*app_);
        // "Avanti veloce" is the one thing the waiting player can press: it plays the other
        // tables to the round's end at once.
        QVERIFY(shown(*window_, ctl::WaitFastForward));
        QVERIFY(find(*window_, ctl::WaitFastForward)->isEnabled());
        clickOn(*window_, ctl::WaitFastForward);
        QVERIFY(window_->fastForwarding());
        QTRY_COMPARE_WITH_TIMEOUT(app_->tournament().roundnumber, 2, 20000);
        QTRY_VERIFY(!window_->fastForwarding());
        QVERIFY(!shown(*window_, ctl::Frame6));
        QVERIFY(find(*window_, ctl::Form1)->isEnabled());
        QCOMPARE(find<QLabel>(*window_, ctl::Label47)->text(),
                 QStringLiteral("2* Turno - 768 Giocatori - 128 Tavoli"));
        // He is told how he went on, with the points he carries.
        QVERIFY(shown(*window_, ctl::RoundLine));
        QVERIFY(find<QLabel>(*window_, ctl::RoundLine)
                    ->text()
                    .startsWith(QStringLiteral("Sei passato al turno 2 con ")));
        guitest::saveShot(*window_, QStringLiteral("round2-line"));
        QCOMPARE(find<QComboBox>(*window_, ctl::Combo7)->count(), 128);
        QCOMPARE(find<QComboBox>(*window_, ctl::Combo7)->currentText(), playersTable());
        // The seats are the human's new table.
        const ResultSet self =
            app_->database().query("SELECT * FROM torneo where cognome='Ferri' and nome='Giulia'");
        const ResultSet mates = app_->database().query("SELECT * FROM torneo where tavolo='" +
                                                       self.at("tavolo", 0).text() + "' ");
        QStringList atTable, seated;
        for (int r = 0; r < mates.rows(); ++r)
            atTable << QString::fromStdString(mates.at(0, r).text());
        for (const SeatStats& seat : app_->session().seatstats)
            seated << QString::fromStdString(seat.surname);
        atTable.sort();
        seated.sort();
        QCOMPARE(seated, atTable);
        playTicks(300);
        guitest::saveShot(*window_, QStringLiteral("tournament-round2"));
    }

    void anEliminatedHumanIsToldAndReturnsToTheMenu() {
        playHumansMatch();
        // Last at his table, whoever won the hand: the others stand at the goal.
        Database& db = app_->database();
        const ResultSet self =
            db.query("SELECT * FROM torneo where cognome='Ferri' and nome='Giulia'");
        db.execute("UPDATE torneo SET punti='50' WHERE tavolo='" + self.at("tavolo", 0).text() +
                   "' and punti<50");
        db.execute("UPDATE torneo SET punti='-100' WHERE cognome='Ferri'");
        auto message = answerFinalMessage(QStringLiteral("eliminated-message"));
        waitForTheEnd();
        QVERIFY(message->seen);
        QCOMPARE(message->text,
                 QStringLiteral("Partita terminata\nSei stato eliminato dal torneo"));
        closeFinalStandings(QStringLiteral("eliminated-standings"));
        expectBackAtTheMenu();
    }
};

QTEST_MAIN(TournamentWindowTest)
#include "TournamentWindowTest.moc"

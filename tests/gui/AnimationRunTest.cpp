// The cards' motion over whole games played through the real window, at every pace: after
// every tick each card control stands exactly where the game put it, each card on its way
// lands on a control the game shows, before the game's next move, and once its time is over
// nothing is left between two places. With "Nessuna", in a "Turbo" game and during "Avanti
// veloce" nothing moves at all; a window without animations and one with them, played in
// step, look the same whenever the cards are at rest.
//
// With ZELVARO_SHOTS set to a folder, the test saves pictures of cards on their way there.
#include <QTest>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableLayout.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/Animations.h"
#include "ui/CardMotion.h"
#include "ui/CardSprite.h"
#include "ui/Stage.h"

using namespace zelvaro;
using guitest::GameWindow;

namespace {

constexpr long kTickLimit = 400'000;

constexpr std::array<ControlArray<12>, 6> kHands{ctl::Picture2, ctl::Picture4, ctl::Picture3,
                                                 ctl::Picture8, ctl::Picture7, ctl::Picture5};

std::vector<Control> cardControls() {
    std::vector<Control> cards;
    for (const auto& hand : kHands) {
        for (int i = 0; i < 12; ++i) cards.push_back(hand[i]);
    }
    cards.insert(cards.end(), layout::kTablePlaceControl.begin(), layout::kTablePlaceControl.end());
    cards.push_back(ctl::Picture16);
    cards.push_back(ctl::Picture17);
    return cards;
}

// Where the game put a control, in design pixels.
QRectF placeOf(const ui::QtSurface& surface, Control c) {
    constexpr double k = kTwipsPerPixel;
    return {surface.left(c) / k, surface.top(c) / k, surface.width(c) / k, surface.height(c) / k};
}

int visibleSprites(QWidget& window) {
    int count = 0;
    for (const auto* sprite : window.findChildren<ui::CardSprite*>())
        count += sprite->isVisible() ? 1 : 0;
    return count;
}

// One game window played by the test: seat 0 through clicks, the table through the window's
// own timer ticks.
class PlayedTable {
public:
    PlayedTable(const QString& folder, const char* animations) {
        ui::setAnimations(QString::fromLatin1(animations));
        game_ = std::make_unique<GameWindow>(folder);
        ok_ = guitest::showAndStart(*game_);
        guitest::addUserProfile(game_->app, "Ferri", "Giulia");
        window().cardMotion().useManualClock();
        // The game's questions and its winner message are answered as they come.
        answerer_.setInterval(5);
        QObject::connect(&answerer_, &QTimer::timeout, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            QAbstractButton* button = box->button(QMessageBox::Ok);
            if (button == nullptr) button = box->button(QMessageBox::Yes);
            if (button != nullptr) button->click();
        });
        answerer_.start();
    }
    bool ok() const { return ok_; }
    ui::MainWindow& window() { return game_->window; }
    ui::QtSurface& surface() { return game_->surface; }
    ZelvaroApp& app() { return game_->app; }
    ui::CardMotion& motion() { return window().cardMotion(); }

    void setOptions(const char* speed, const char* scoring) {
        Database& db = app().database();
        db.execute(std::string("UPDATE opzioni SET tipopartita='") + speed + "'");
        db.execute(std::string("UPDATE opzioni SET punteggio='") + scoring + "'");
        db.execute("UPDATE opzioni SET cambiocarte='Si'");
        db.execute("UPDATE opzioni SET premio='2 Carte'");
    }

    // Starts a game when the table is not shown: the winner message of the last one is
    // answered first.
    void startIfAtMenu() {
        if (surface().visible(ctl::Picture1)) return;
        window().forwardClick(ctl::Label2);
        surface().setCaption(ctl::Combo4, "Ferri Giulia");
        window().forwardComboSelected(ctl::Combo4);
        window().forwardClick(ctl::Label21);
    }

    // Seat 0's moves: every other change question changes two cards, a card is laid from the
    // lowest up until the rules accept one, and an empty hand skips ahead when `skip`.
    void playHumanTurn(bool skip) {
        GameSession& session = app().session();
        if (skip && surface().visible(ctl::TableFastForward)) {
            window().forwardClick(ctl::TableFastForward);
            return;
        }
        if (session.turnseat != kHumanSeat) return;
        if (surface().visible(ctl::Command1)) {
            const int held = session.cardsHeld(kHumanSeat);
            if (++questions_ % 2 == 0 && held >= 2) {
                window().forwardClick(ctl::Picture2[held - 1]);
                window().forwardClick(ctl::Picture2[held - 2]);
                window().forwardClick(ctl::Command1);
            } else {
                window().forwardClick(ctl::Command2);
            }
            return;
        }
        if (surface().visible(ctl::Picture14) || session.changedecisions != 6) return;
        for (int slot = kHandSlots - 1; slot >= 0; --slot) {
            if (session.hands[kHumanSeat][slot].empty()) continue;
            window().forwardClick(ctl::Picture2[slot]);
            if (surface().visible(ctl::Picture14)) return;
        }
    }

    // One step of the game: the player's move and the table's tick, or a stretch of "Avanti
    // veloce", which the window runs by itself.
    void step(bool skip, bool slow) {
        startIfAtMenu();
        if (slow && surface().interval(ctl::Timer1) == 100) window().forwardClick(ctl::Label33);
        playHumanTurn(skip);
        if (window().fastForwarding()) {
            QTest::qWait(1);
        } else {
            window().forwardTimerTick(ctl::Timer1);
        }
    }

private:
    std::unique_ptr<GameWindow> game_;
    QTimer answerer_;
    bool ok_ = false;
    int questions_ = 0;
};

}  // namespace

class AnimationRunTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }
    void cleanupTestCase() { QSettings().clear(); }

    void cardsRestWhereTheGamePutThem_data() {
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("scoring");
        QTest::addColumn<QString>("animations");
        QTest::addColumn<bool>("slow");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("hands");
        // The deal at ten cards, every pace of the table, the pot's shares, "Avanti veloce",
        // a window of another size, and the two paces that move nothing.
        QTest::newRow("Lenta, Normali") << "Lenta"
                                        << "100 Punti"
                                        << "Normali" << false << false << QSize(1030, 750) << 70;
        QTest::newRow("Normale, Rapide, Velocizza")
            << "Normale"
            << "100 Punti"
            << "Rapide" << true << false << QSize(1030, 750) << 12;
        QTest::newRow("Lenta, Piatto, Avanti veloce, larger")
            << "Lenta"
            << "Piatto 1000"
            << "Normali" << false << true << QSize(1500, 860) << 70;
        QTest::newRow("Normale, Nessuna") << "Normale"
                                          << "Chips"
                                          << "Nessuna" << false << true << QSize(1030, 750) << 60;
        QTest::newRow("Turbo, Normali") << "Turbo"
                                        << "Chips"
                                        << "Normali" << false << false << QSize(1030, 750) << 60;
    }

    void cardsRestWhereTheGamePutThem() {
        QFETCH(QString, speed);
        QFETCH(QString, scoring);
        QFETCH(QString, animations);
        QFETCH(bool, slow);
        QFETCH(bool, skip);
        QFETCH(QSize, size);
        QFETCH(int, hands);
        QTemporaryDir folder;
        PlayedTable table(folder.path(), qPrintable(animations));
        QVERIFY(table.ok());
        table.window().resize(size);
        table.setOptions(qPrintable(speed), qPrintable(scoring));
        const bool moves = animations != QLatin1String("Nessuna") && speed != "Turbo";
        const std::vector<Control> cards = cardControls();
        long flown = 0;
        long dealt = 0;
        long ticks = 0;
        QStringList shot;
        while (table.app().engine().handsPlayed() < hands && ticks++ < kTickLimit) {
            table.step(skip, slow);
            ui::CardMotion& motion = table.motion();
            const auto& flights = motion.plannedFlights();
            if (motion.flightsInAir() > 0) flown += motion.flightsInAir();
            QVERIFY(moves || motion.flightsInAir() == 0);
            QVERIFY(!table.window().fastForwarding() || motion.flightsInAir() == 0);
            checkRest(table, cards);
            checkFlights(table, flights);
            dealtNow(table, dealt);
            if (!QTest::currentTestFailed()) shootMoves(table, shot);
            // Its time over, every card has landed.
            motion.advance(motion.msToRest() + 1);
            QCOMPARE(motion.flightsInAir(), 0);
            QCOMPARE(visibleSprites(table.window()), 0);
            QCOMPARE(motion.veil().count(), 0);
            if (QTest::currentTestFailed()) return;
        }
        QVERIFY2(ticks < kTickLimit, "the table stopped moving");
        if (moves) {
            QVERIFY(flown > 0);
            QVERIFY(dealt > 0);
        } else {
            // Nothing of the motion touched the window.
            QCOMPARE(flown, 0L);
            QVERIFY(table.window().findChildren<ui::CardSprite*>().isEmpty());
        }
    }

    // Two windows played in step, one without animations: whenever the cards of the other
    // have landed, the two look alike to the pixel.
    void atRestTheWindowLooksAsWithoutAnimations() {
        QTemporaryDir plainFolder;
        QTemporaryDir movingFolder;
        PlayedTable plain(plainFolder.path(), "Nessuna");
        PlayedTable moving(movingFolder.path(), "Normali");
        QVERIFY(plain.ok() && moving.ok());
        for (PlayedTable* t : {&plain, &moving}) t->setOptions("Lenta", "100 Punti");
        int compared = 0;
        for (long tick = 0; tick < 1500; ++tick) {
            plain.step(false, false);
            moving.step(false, false);
            QCOMPARE(moving.app().session().turnseat, plain.app().session().turnseat);
            if (tick % 25 != 0 && moving.motion().flightsInAir() == 0) continue;
            moving.motion().advance(moving.motion().msToRest() + 1);
            const QImage a = plain.window().grab().toImage();
            const QImage b = moving.window().grab().toImage();
            QVERIFY2(a == b, qPrintable(QStringLiteral("tick %1").arg(tick)));
            ++compared;
        }
        QVERIFY(compared > 50);
    }

private:
    // Every card control stands where the game put it; the ones a card flies to are shown
    // by the game and wait, unpainted, for it.
    static void checkRest(PlayedTable& table, const std::vector<Control>& cards) {
        for (const Control c : cards) {
            QWidget* card = table.surface().widget(c);
            const QRect expected =
                ui::Stage::shown(card->parentWidget(), placeOf(table.surface(), c));
            QVERIFY2(card->geometry() == expected, zelvaro::objectName(c).c_str());
            QVERIFY2(card->isHidden() != table.surface().visible(c),
                     zelvaro::objectName(c).c_str());
        }
    }

    static void checkFlights(PlayedTable& table, const std::vector<ui::Flight>& flights) {
        ui::CardMotion& motion = table.motion();
        if (motion.flightsInAir() == 0) return;
        // Each move's cards land before the next move: a computer seat moves every third tick.
        QVERIFY2(motion.msToRest() <= 3 * table.surface().interval(ctl::Timer1),
                 qPrintable(QString::number(motion.msToRest())));
        int landing = 0;
        for (const ui::Flight& f : flights) {
            QVERIFY(f.durationMs > 0);
            if (!f.target) continue;
            ++landing;
            QVERIFY(table.surface().visible(*f.target));
            QVERIFY(motion.veil().veiled(table.surface().widget(*f.target)));
            QCOMPARE(f.to, placeOf(table.surface(), *f.target));
            const std::optional<ui::CardSpot> spot = ui::cardSpotOf(*f.target);
            if (spot && spot->role == ui::CardRole::TablePlace) {
                // A card laid comes from its own seat's side of the table.
                const QPointF from = f.from.center();
                const QPointF seat = spot->seat == 0
                                         ? QPointF(400, 690)
                                         : QPointF(layout::kSeatPanel[spot->seat].x + 114,
                                                   layout::kSeatPanel[spot->seat].y + 80);
                QVERIFY2(QLineF(from, seat).length() < 300, zelvaro::objectName(*f.target).c_str());
            }
        }
        QCOMPARE(motion.veil().count(), landing);
    }

    // At a deal every card of the hands comes from the pile, seat by seat in the order dealt.
    static void dealtNow(PlayedTable& table, long& total) {
        const QRectF pile(16, 96, layout::kPrizeWidth, layout::kPrizeHeight);
        long dealt = 0;
        int lastDelay = -1;
        std::pair<int, int> lastSpot{-1, -1};
        bool inOrder = true;
        for (const ui::Flight& f : table.motion().plannedFlights()) {
            const auto spot = f.target ? ui::cardSpotOf(*f.target) : std::nullopt;
            if (!spot || spot->role != ui::CardRole::Hand || f.from != pile) continue;
            ++dealt;
            const std::pair<int, int> here{spot->seat, spot->place};
            inOrder = inOrder && lastSpot < here && lastDelay <= f.delayMs;
            lastSpot = here;
            lastDelay = f.delayMs;
        }
        // Prize and drawn cards come from the pile too, but never more than two at once.
        if (dealt <= 2) return;
        long shown = 0;
        for (const auto& hand : kHands) {
            for (int i = 0; i < 12; ++i) shown += table.surface().visible(hand[i]) ? 1 : 0;
        }
        QVERIFY2(inOrder, "dealt out of order");
        QCOMPARE(dealt, shown);
        total += dealt;
    }

    // With ZELVARO_SHOTS set, the first deal, card laid and trick taken of each table, caught
    // on their way.
    static void shootMoves(PlayedTable& table, QStringList& shot) {
        if (qEnvironmentVariableIsEmpty("ZELVARO_SHOTS")) return;
        const QRectF pile(16, 96, layout::kPrizeWidth, layout::kPrizeHeight);
        int dealt = 0;
        bool laid = false;
        bool taken = false;
        for (const ui::Flight& f : table.motion().plannedFlights()) {
            const auto spot = f.target ? ui::cardSpotOf(*f.target) : std::nullopt;
            dealt += spot && spot->role == ui::CardRole::Hand && f.from == pile ? 1 : 0;
            laid = laid || (spot && spot->role == ui::CardRole::TablePlace);
            taken = taken || (!f.target && f.to != pile);
        }
        const QString kind = dealt > 2 ? QStringLiteral("deal")
                             : laid    ? QStringLiteral("laid")
                             : taken   ? QStringLiteral("taken")
                                       : QString();
        if (kind.isEmpty() || shot.contains(kind)) return;
        shot << kind;
        table.motion().advance(table.motion().msToRest() * 2 / 5);
        const QStringList row = QString::fromLatin1(QTest::currentDataTag()).split(", ");
        const QString density = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                    ? QStringLiteral("-x") + qEnvironmentVariable("QT_SCALE_FACTOR")
                                    : QString();
        guitest::saveShot(table.window(), row.mid(0, 2).join('-') + density + '-' + kind);
    }
};

QTEST_MAIN(AnimationRunTest)
#include "AnimationRunTest.moc"

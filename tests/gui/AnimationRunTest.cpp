// The cards' motion over whole games played through the real window, at every pace: after
// every tick each card control stands exactly where the game put it, each card on its way
// lands on a control the game shows, before the game's next move, and once its time is over
// nothing is left between two places. With "Nessuna", in a "Turbo" game and during "Avanti
// veloce" nothing moves at all; a seat out of the hand is dimmed while the others play on; a
// window without animations and one with them, played in step, look the same whenever the
// cards are at rest. Every trick flies to the seats the game lit as its winners, also after the
// table was left with "Indietro", "Animazioni" chosen anew, and continued or a new game started.
// With ZELVARO_SHOTS set to a folder, the test saves pictures of cards on their way there.
#include <QTest>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableLayout.h"
#include "tests/gui/AnimationTable.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/Animations.h"
#include "ui/CardMotion.h"
#include "ui/CardSprite.h"
#include "ui/SeatShade.h"
#include "ui/Stage.h"

using namespace zelvaro;
using guitest::kHands;
using guitest::placeOf;
using guitest::visibleSprites;

namespace {

constexpr long kTickLimit = 400'000;

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
        QTest::addColumn<int>("leaveEvery");  // tricks between two leavings, 0 for none
        // The deal at ten cards, every pace of the table, the pot's shares, "Avanti veloce",
        // a window of another size, and the two paces that move nothing.
        QTest::newRow("Lenta, Normali")
            << "Lenta"
            << "100 Punti"
            << "Normali" << false << false << QSize(1030, 750) << 80 << 0;
        QTest::newRow("Normale, Rapide, Velocizza")
            << "Normale"
            << "100 Punti"
            << "Rapide" << true << false << QSize(1030, 750) << 12 << 0;
        QTest::newRow("Lenta, Piatto, Avanti veloce, larger")
            << "Lenta"
            << "Piatto 1000"
            << "Normali" << false << true << QSize(1500, 860) << 80 << 0;
        QTest::newRow("Normale, Nessuna")
            << "Normale"
            << "Chips"
            << "Nessuna" << false << true << QSize(1030, 750) << 60 << 0;
        QTest::newRow("Turbo, Normali")
            << "Turbo"
            << "Chips"
            << "Normali" << false << false << QSize(1030, 750) << 60 << 0;
        // Left at a held trick and in the middle of one, then continued or started anew.
        QTest::newRow("Normale, Normali, Indietro")
            << "Normale"
            << "100 Punti"
            << "Normali" << false << false << QSize(1030, 750) << 12 << 3;
        QTest::newRow("Normale, Piatto, Indietro")
            << "Normale"
            << "Piatto 1000"
            << "Normali" << false << false << QSize(1030, 750) << 12 << 2;
    }

    void cardsRestWhereTheGamePutThem() {
        QFETCH(QString, speed);
        QFETCH(QString, scoring);
        QFETCH(QString, animations);
        QFETCH(bool, slow);
        QFETCH(bool, skip);
        QFETCH(QSize, size);
        QFETCH(int, hands);
        QFETCH(int, leaveEvery);
        QTemporaryDir folder;
        guitest::AnimationTable table(folder.path(), qPrintable(animations));
        QVERIFY(table.ok());
        table.window().resize(size);
        table.setOptions(qPrintable(speed), qPrintable(scoring));
        const bool moves = animations != QLatin1String("Nessuna") && speed != "Turbo";
        const std::vector<Control> cards = cardControls();
        long flown = 0;
        long dealt = 0;
        long ticks = 0;
        QStringList shot;
        long skipped = 0;
        long chips = 0;
        long tricks = 0;
        long flownTricks = 0;
        long left = 0;
        bool moving = moves;
        Rest rest;
        while (table.app().engine().handsPlayed() < hands && ticks++ < kTickLimit) {
            ui::CardMotion& motion = table.motion();
            const int movesBefore = motion.moves();
            const int inAir = motion.flightsInAir();
            const int onTable = table.cardsOnTable();
            table.step(skip, slow);
            tricks += onTable > 0 && table.cardsOnTable() == 0 ? 1 : 0;
            const auto& flights = motion.plannedFlights();
            QVERIFY(moving || motion.flightsInAir() == 0);
            // "Avanti veloce" lands the cards and moves none of its own.
            const bool skippedNow = table.skippedAhead() != skipped;
            QVERIFY(!skippedNow || motion.flightsInAir() == 0);
            skipped = table.skippedAhead();
            if (motion.moves() != movesBefore) {
                flown += motion.flightsInAir();
                for (const ui::Flight& f : flights) chips += f.from.size() == QSizeF(28, 28);
                checkFlights(table, flights);
                checkTrickTaken(table, flights, table.litAtTick(), flownTricks);
                dealtNow(table, dealt);
                if (!QTest::currentTestFailed()) shootMoves(table, shot);
            } else if (table.surface().visible(ctl::Picture1) && !skippedNow) {
                // A tick that moves no card lands none before its time.
                QCOMPARE(motion.flightsInAir(), inAir);
            }
            checkRest(table, cards, rest);
            if (motion.moves() != movesBefore) checkSeatShades(table, moving);
            // The game's time runs to the next tick: every card whose time is over has landed.
            motion.advance(table.surface().interval(ctl::Timer1));
            if (motion.flightsInAir() == 0 && inAir > 0) {
                QCOMPARE(visibleSprites(table.window()), 0);
                QCOMPARE(motion.veil().count(), 0);
            }
            if (QTest::currentTestFailed()) return;
            if (leaveEvery > 0 && tricks >= (left + 1) * leaveEvery && leaveNow(table, left)) {
                // Some stretches are played without animations, chosen at the menu. A new game
                // follows a trick left unfinished (one left held keeps its winners' names lit).
                moving = moves && ++left % 3 != 2;
                QVERIFY(
                    table.leaveTable(left % 4 != 0, moving ? qPrintable(animations) : "Nessuna"));
            }
        }
        table.motion().advance(table.motion().msToRest() + 1);
        QCOMPARE(visibleSprites(table.window()), 0);
        QCOMPARE(table.motion().veil().count(), 0);
        QVERIFY2(ticks < kTickLimit, "the table stopped moving");
        QVERIFY(!skip || skipped > 0);
        QCOMPARE(left > 3, leaveEvery > 0);
        // The pot's shares go to their winners as chips, in the pot games only.
        QCOMPARE(chips > 0, moves && scoring.startsWith(QLatin1String("Piatto")));
        if (moves) {
            QVERIFY(flown > 0);
            QVERIFY(flownTricks > 0);
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
        guitest::AnimationTable plain(plainFolder.path(), "Nessuna");
        guitest::AnimationTable moving(movingFolder.path(), "Normali");
        QVERIFY(plain.ok() && moving.ok());
        for (guitest::AnimationTable* t : {&plain, &moving}) t->setOptions("Lenta", "100 Punti");
        int compared = 0;
        for (long tick = 0; tick < 1500; ++tick) {
            plain.step(false, false);
            moving.step(false, false);
            QCOMPARE(moving.app().session().turnseat, plain.app().session().turnseat);
            if (tick % 25 != 0 && moving.motion().flightsInAir() == 0) continue;
            moving.motion().advance(moving.motion().msToRest() + 1);
            // The seats out of the hand are dimmed only where the cards move.
            const auto shades = moving.window().findChildren<ui::SeatShade*>();
            for (auto* shade : shades) shade->setVisible(false);
            const QImage a = plain.window().grab().toImage();
            const QImage b = moving.window().grab().toImage();
            for (auto* shade : shades) shade->setVisible(shade->dimmed());
            QVERIFY2(a == b, qPrintable(QStringLiteral("tick %1").arg(tick)));
            ++compared;
        }
        QVERIFY(compared > 50);
    }

private:
    // Every card control stands where the game put it; the ones a card flies to are shown
    // by the game and wait, unpainted, for it.
    // `rest` keeps where each control showed the last time the game's place or the window's
    // size changed, so that the check after every tick is quick.
    struct Rest {
        QSize window;
        std::vector<QRectF> places;
        std::vector<QRect> shown;
    };
    static void checkRest(guitest::AnimationTable& table, const std::vector<Control>& cards,
                          Rest& rest) {
        rest.places.resize(cards.size());
        rest.shown.resize(cards.size());
        const QSize size = table.window().size();
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const Control c = cards[i];
            QWidget* card = table.surface().widget(c);
            const QRectF place = placeOf(table.surface(), c);
            if (size != rest.window || place != rest.places[i]) {
                rest.places[i] = place;
                rest.shown[i] = ui::Stage::shown(card->parentWidget(), place);
            }
            QVERIFY2(card->geometry() == rest.shown[i], zelvaro::objectName(c).c_str());
            QVERIFY2(card->isHidden() != table.surface().visible(c),
                     zelvaro::objectName(c).c_str());
        }
        rest.window = size;
    }

    static void checkFlights(guitest::AnimationTable& table,
                             const std::vector<ui::Flight>& flights) {
        ui::CardMotion& motion = table.motion();
        if (motion.flightsInAir() == 0) return;
        // Each move's cards land before the next move: a computer seat moves every third tick.
        QVERIFY2(motion.msToRest() <= 3 * table.surface().interval(ctl::Timer1),
                 qPrintable(QString::number(motion.msToRest())));
        int landing = 0;
        const QWidget* frame = table.surface().widget(ctl::Shape6);  // waits with its card
        for (const ui::Flight& f : flights) {
            QVERIFY(f.durationMs > 0);
            if (!f.target) continue;
            ++landing;
            QVERIFY(table.surface().visible(*f.target));
            const QWidget* target = table.surface().widget(*f.target);
            QVERIFY(motion.veil().veiled(target));
            if (!frame->isHidden() && frame->geometry().contains(target->geometry().center()))
                QVERIFY(motion.veil().veiled(frame));
            QCOMPARE(f.to, placeOf(table.surface(), *f.target));
            const std::optional<ui::CardSpot> spot = ui::cardSpotOf(*f.target);
            if (spot && spot->role == ui::CardRole::TablePlace) {
                // A card laid comes from its own seat's hand: the player's row of cards, or
                // near the opponent's plate.
                const QPointF from = f.from.center();
                const layout::Point panel = layout::kSeatPanel[spot->seat];
                const bool near =
                    spot->seat == 0
                        ? from.y() > layout::kHumanHand.y
                        : QLineF(from, QPointF(panel.x + 114, panel.y + 80)).length() < 150;
                QVERIFY2(near, zelvaro::objectName(*f.target).c_str());
            }
        }
        QCOMPARE(motion.veil().count(), landing + (motion.veil().veiled(frame) ? 1 : 0));
    }

    // The trick's cards fly to the seats lit as its winners before its tick, shared out among
    // them; to the pile when none was lit. `tricks` counts the tricks flown.
    static void checkTrickTaken(guitest::AnimationTable& table,
                                const std::vector<ui::Flight>& flights, unsigned lit,
                                long& tricks) {
        const QRectF pile(16, 96, layout::kPrizeWidth, layout::kPrizeHeight);
        unsigned reached = 0;
        bool taken = false;
        for (const ui::Flight& f : flights) {
            bool fromPlace = false;
            for (const Control place : layout::kTablePlaceControl)
                fromPlace = fromPlace || f.from == placeOf(table.surface(), place);
            if (f.target || !fromPlace) continue;
            taken = true;
            const int seat = guitest::seatNear(f.to.center());
            const bool right = lit == 0 ? f.to == pile : f.to != pile && (lit >> seat & 1u) != 0;
            QVERIFY2(right, qPrintable(QStringLiteral("trick %1 to seat %2, lit %3")
                                           .arg(tricks)
                                           .arg(seat)
                                           .arg(lit, 0, 2)));
            reached |= 1u << seat;
        }
        if (!taken) return;
        ++tricks;
        if (lit != 0) QCOMPARE(reached, lit);
    }

    // Whether the table is where the next leaving goes: the even ones at a held trick, the
    // others in the middle of a trick.
    static bool leaveNow(guitest::AnimationTable& table, long left) {
        if (table.window().fastForwarding() || !table.surface().visible(ctl::Picture1))
            return false;
        const bool held = table.litSeats() != 0;
        return left % 2 == 0 ? held : table.cardsOnTable() > 0 && !held;
    }

    // At a deal every card of the hands comes from the pile, seat by seat in the order dealt.
    static void dealtNow(guitest::AnimationTable& table, long& total) {
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

    // A seat is dimmed exactly while it holds no card and at least two others play on.
    static void checkSeatShades(guitest::AnimationTable& table, bool moves) {
        std::array<bool, 6> holds{};
        for (int seat = 0; seat < 6; ++seat) {
            for (int i = 0; i < 12; ++i)
                holds[seat] = holds[seat] || table.surface().visible(kHands[seat][i]);
        }
        const auto holding = std::count(holds.begin(), holds.end(), true);
        std::array<bool, 6> dimmed{};
        for (const auto* shade : table.window().findChildren<ui::SeatShade*>()) {
            if (!shade->dimmed()) continue;
            QVERIFY(shade->isVisible());
            const QPoint corner = ui::Stage::design(shade).topLeft();
            for (int seat = 1; seat < 6; ++seat) {
                if (corner == QPoint(layout::kSeatPanel[seat].x, layout::kSeatPanel[seat].y))
                    dimmed[seat] = true;
            }
            if (corner == QPoint(layout::kHumanPlate.x, layout::kHumanPlate.y)) dimmed[0] = true;
        }
        for (int seat = 0; seat < 6; ++seat) {
            const bool out =
                moves && holding >= 2 && !holds[seat] && table.surface().visible(ctl::Picture1);
            QVERIFY2(dimmed[seat] == out, qPrintable(QStringLiteral("seat %1").arg(seat)));
        }
    }

    // With ZELVARO_SHOTS set, the first deal, card laid and trick taken of each table, caught
    // on their way.
    static void shootMoves(guitest::AnimationTable& table, QStringList& shot) {
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
        const auto shades = table.window().findChildren<ui::SeatShade*>();
        const bool out = std::any_of(shades.begin(), shades.end(),
                                     [](const ui::SeatShade* s) { return s->dimmed(); });
        const QString kind = dealt > 2     ? QStringLiteral("deal")
                             : out && laid ? QStringLiteral("seat-out")
                             : laid        ? QStringLiteral("laid")
                             : taken       ? QStringLiteral("taken")
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

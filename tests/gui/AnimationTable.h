// A game window for the animation tests, played as the test says: seat 0 through clicks, the
// table through the window's own timer ticks, the game's questions answered as they come, the
// cards' motion on a clock the test advances.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineF>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <array>
#include <memory>
#include <tuple>

#include "engine/GameSession.h"
#include "engine/display/TableLayout.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/Animations.h"
#include "ui/CardMotion.h"
#include "ui/CardSprite.h"

namespace zelvaro::guitest {

inline constexpr std::array<ControlArray<12>, 6> kHands{
    ctl::Picture2, ctl::Picture4, ctl::Picture3, ctl::Picture8, ctl::Picture7, ctl::Picture5};

// Where the game put a control, in design pixels.
inline QRectF placeOf(const ui::QtSurface& surface, Control c) {
    constexpr double k = kTwipsPerPixel;
    return {surface.left(c) / k, surface.top(c) / k, surface.width(c) / k, surface.height(c) / k};
}

// The seat whose plate or hand stands nearest to `at`, in design pixels.
inline int seatNear(QPointF at) {
    int nearest = 0;
    double best = 1e9;
    for (int seat = 0; seat < 6; ++seat) {
        const layout::Point panel = layout::kSeatPanel[seat];
        const QPointF anchor =
            seat == 0
                ? QPointF(layout::kHumanHand.x + 6 * layout::kHumanHandStep, layout::kHumanHand.y)
                : QPointF(panel.x + layout::kSeatPanelWidth / 2.0,
                          panel.y + layout::kSeatPanelHeight / 2.0);
        const double distance = QLineF(at, anchor).length();
        if (distance < best) std::tie(best, nearest) = std::pair(distance, seat);
    }
    return nearest;
}

inline int visibleSprites(QWidget& window) {
    int count = 0;
    for (const auto* sprite : window.findChildren<ui::CardSprite*>())
        count += sprite->isVisible() ? 1 : 0;
    return count;
}

// One game window played by the test.
class AnimationTable {
public:
    AnimationTable(const QString& folder, const char* animations) {
        ui::kAnimations.keep(QString::fromLatin1(animations));
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
    // How many times the player skipped ahead with "Avanti veloce".
    long skippedAhead() const { return skipped_; }
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
            ++skipped_;
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
            litAtTick_ = litSeats();
            window().forwardTimerTick(ctl::Timer1);
        }
    }

    // How many cards the trick on the table holds.
    int cardsOnTable() {
        int laid = 0;
        for (const Control place : layout::kTablePlaceControl)
            laid += surface().visible(place) ? 1 : 0;
        return laid;
    }
    // The seats lit just before the last step's tick of the table.
    unsigned litAtTick() const { return litAtTick_; }
    // The seats whose names the game lit: the held trick's winners.
    unsigned litSeats() {
        unsigned lit = 0;
        for (int seat = 0; seat < 6; ++seat) {
            const Control name = seat == 0 ? ctl::Label4 : ctl::Label6[seat - 1];
            if (surface().foreColor(name) == kHighlightColor) lit |= 1u << seat;
        }
        return lit;
    }

    // "Indietro", answered "Sì", "Animazioni" chosen anew on the options panel, then "Continua"
    // from the menu, or a new game when not `resume`. Whether the way went as said.
    bool leaveTable(bool resume, const char* animations) {
        window().forwardClick(ctl::Label18);
        const bool left =
            !surface().visible(ctl::Picture1) && surface().visible(ctl::ContinueEntry);
        window().forwardClick(ctl::Label10);
        auto* list = window().findChild<QComboBox*>(QString::fromLatin1(ui::kAnimationList));
        list->setCurrentText(QString::fromLatin1(animations));
        window().forwardClick(ctl::Label12);
        if (resume) window().forwardClick(ctl::ContinueEntry);
        startIfAtMenu();
        return left && surface().visible(ctl::Picture1) && ui::kAnimations.current() == animations;
    }

private:
    std::unique_ptr<GameWindow> game_;
    QTimer answerer_;
    bool ok_ = false;
    int questions_ = 0;
    long skipped_ = 0;
    unsigned litAtTick_ = 0;
};

}  // namespace zelvaro::guitest

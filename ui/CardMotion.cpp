#include "ui/CardMotion.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <array>

#include "engine/display/TableLayout.h"
#include "ui/CardSprite.h"
#include "ui/PictureBox.h"
#include "ui/SeatShade.h"
#include "ui/Stage.h"
#include "ui/WidgetText.h"

namespace zelvaro::ui {
namespace {

constexpr int kFrameMs = 15;

QRectF around(QPointF centre, QSizeF size) {
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

QRectF between(const QRectF& from, const QRectF& to, double t) {
    const auto mix = [t](qreal a, qreal b) { return a + (b - a) * t; };
    return {mix(from.x(), to.x()), mix(from.y(), to.y()), mix(from.width(), to.width()),
            mix(from.height(), to.height())};
}

QPixmap pictureOf(const QWidget* card) {
    const auto* box = qobject_cast<const PictureBox*>(card);
    return box != nullptr ? box->picture() : QPixmap();
}

}  // namespace

CardMotion::CardMotion(QWidget& table) : QObject(&table), table_(table) {
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(kFrameMs);
    connect(&frames_, &QTimer::timeout, this, [this] { frame(); });
    // A move made outside the window's handlers is drawn at the next turn of the event loop.
    closer_.setSingleShot(true);
    closer_.setInterval(0);
    connect(&closer_, &QTimer::timeout, this, [this] { play(); });
    clock_.start();
    pot_ = table.findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Label34)));
    winningFrame_ =
        table.findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Shape6)));
    chip_ = paintChip();
    constexpr std::array<ControlArray<12>, 6> kHands{ctl::Picture2, ctl::Picture4, ctl::Picture3,
                                                     ctl::Picture8, ctl::Picture7, ctl::Picture5};
    for (const auto& hand : kHands) {
        for (int i = 0; i < 12; ++i) {
            const QString name = QString::fromStdString(zelvaro::objectName(hand[i]));
            if (auto* card = table.findChild<QWidget*>(name)) hands_.emplace_back(hand[i], card);
        }
    }
}

QPixmap CardMotion::paintChip() {
    QPixmap chip(64, 64);
    chip.fill(Qt::transparent);
    QPainter painter(&chip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x8a, 0x62, 0x10), 4));
    painter.setBrush(QColor(0xf0, 0xc0, 0x40));
    painter.drawEllipse(QRectF(3, 3, 58, 58));
    painter.setPen(QPen(QColor(0xff, 0xf0, 0xb0), 3, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(14, 14, 36, 36));
    return chip;
}

void CardMotion::dealWhole(std::vector<CardChange>& changes, std::vector<QWidget*>& cards) const {
    if (!MotionPlan::isDeal(changes)) return;
    for (const auto& [control, card] : hands_) {
        const bool listed = std::any_of(changes.begin(), changes.end(),
                                        [&](const CardChange& c) { return c.control == control; });
        if (listed || card->isHidden()) continue;
        CardLook after{true, source_.picture(control), pictureOf(card)};
        changes.push_back(
            {control, *cardSpotOf(control), QRectF(Stage::design(card)), CardLook{}, after});
        cards.push_back(card);
    }
}

CardMotion::~CardMotion() = default;

void CardMotion::attach(Source source) {
    land();
    noted_.clear();
    recording_ = false;
    source_ = std::move(source);
}

qint64 CardMotion::now() const {
    return manualClock_ ? manualNow_ : clock_.elapsed();
}

TableHomes CardMotion::homes() const {
    using namespace layout;
    TableHomes homes;
    homes.pile = QRectF(16, 96, kPrizeWidth, kPrizeHeight);
    const QSizeF back(kBackWidth, kBackHeight);
    homes.seats[0] = around(QPointF(kHumanHand.x + 6 * kHumanHandStep, kHumanHand.y + 50), back);
    for (int seat = 1; seat < 6; ++seat) {
        const Point corner = kSeatPanel[seat];
        homes.seats[seat] =
            around(QPointF(corner.x + kSeatPanelWidth / 2.0, corner.y + kSeatPanelHeight), back);
    }
    // The pot's caption is written only in the pot games.
    if (pot_ != nullptr && !pot_->isHidden() && !WidgetText::of(pot_).isEmpty()) {
        homes.pot = QRectF(Stage::design(pot_));
        homes.chip = chip_;
    }
    return homes;
}

void CardMotion::noteCard(Control c, QWidget* card, const QString& picture) {
    // Only the cards make a move: the blinking turn marker lands nothing.
    const std::optional<CardSpot> spot = cardSpotOf(c);
    if (!source_.pace || !spot) return;
    // A card laid on the table: the trick's winners are the seats lit after it, whatever was
    // lit before (a trick taken while nothing moved, a game left and continued).
    if (spot->role == CardRole::TablePlace && card->isHidden()) winners_ = 0;
    if (!recording_) {
        recording_ = true;
        movePace_ = source_.pace();
        moving_ = movePace_.on();
        // The next move: whatever is still on its way lands first.
        if (moving_) land();
        closer_.start();
    }
    if (!moving_) return;
    for (const Noted& n : noted_) {
        if (n.control == c) return;
    }
    noted_.push_back({c, card, *spot, {!card->isHidden(), picture, pictureOf(card)}});
    // Until the move is planned the card shows neither its old look nor its new one.
    veil_.veil(card);
}

void CardMotion::noteWinner(int seat) {
    winners_ |= 1u << seat;
}

void CardMotion::play() {
    closer_.stop();
    if (!recording_) return;
    recording_ = false;
    const std::vector<Noted> noted = std::move(noted_);
    noted_.clear();
    std::vector<CardChange> changes;
    std::vector<QWidget*> cards;
    for (const Noted& n : noted) {
        CardLook after{!n.card->isHidden(), source_.picture(n.control), pictureOf(n.card)};
        if (after.shown == n.before.shown && (!after.shown || after.picture == n.before.picture))
            continue;
        changes.push_back({n.control, n.spot, QRectF(Stage::design(n.card)), n.before, after});
        cards.push_back(n.card);
    }
    planned_.clear();
    if (!changes.empty()) ++moves_;
    dealWhole(changes, cards);
    // Cards move only on the table the player sees, at the pace the game goes on at now that
    // the move is made (a new hand starts at the quick pace).
    movePace_ = source_.pace();
    if (!changes.empty() && table_.isVisible() && movePace_.on())
        planned_ = MotionPlan(homes(), movePace_).plan(changes, winners_);
    for (const Noted& n : noted) veil_.unveil(n.card);
    const qint64 start = now();
    for (const Flight& f : planned_) {
        QWidget* target = nullptr;
        for (const auto& [control, card] : hands_) {
            if (f.target && control == *f.target) target = card;
        }
        for (std::size_t i = 0; i < changes.size() && f.target; ++i) {
            if (changes[i].control == *f.target) target = cards[i];
        }
        if (target != nullptr) veil_.veil(target);
        // A card that wins the trick so far lands before its frame shows.
        QWidget* frame = nullptr;
        if (target != nullptr && winningFrame_ != nullptr && !winningFrame_->isHidden() &&
            winningFrame_->geometry().contains(target->geometry().center())) {
            frame = winningFrame_;
            veil_.veil(frame);
        }
        flights_.push_back({f, start, target, nullptr, frame});
    }
    followSeats(movePace_.on());
    if (flights_.empty()) return;
    frame();
    if (!manualClock_) frames_.start();
}

void CardMotion::followSeats(bool moving) {
    std::array<bool, 6> holds{};
    for (const auto& [control, card] : hands_) {
        if (!card->isHidden()) holds[cardSpotOf(control)->seat] = true;
    }
    // A seat drops out while the others play on; when the hand is over every seat lights.
    const auto holding = std::count(holds.begin(), holds.end(), true);
    for (int seat = 0; seat < 6; ++seat) {
        const bool out = moving && holding >= 2 && !holds[seat] && table_.isVisible();
        if (shades_[seat] == nullptr) {
            if (!out) continue;
            using namespace layout;
            const QRect plate =
                seat == 0 ? QRect(kHumanPlate.x, kHumanPlate.y, kHumanPlateWidth, kHumanPlateHeight)
                          : QRect(kSeatPanel[seat].x, kSeatPanel[seat].y, kSeatPanelWidth,
                                  kSeatPanelHeight);
            shades_[seat] = new SeatShade(plate, &table_);
        }
        shades_[seat]->dim(out, moving ? movePace_.moveMs + 150 : 0);
    }
}

void CardMotion::frame() {
    const qint64 t = now();
    for (auto it = flights_.begin(); it != flights_.end();) {
        const qint64 elapsed = t - it->startMs - it->flight.delayMs;
        if (elapsed >= it->flight.durationMs) {
            finish(*it);
            it = flights_.erase(it);
            continue;
        }
        if (elapsed >= 0) show(*it, double(elapsed) / it->flight.durationMs);
        ++it;
    }
    if (flights_.empty()) frames_.stop();
}

void CardMotion::show(Airborne& a, double t) {
    if (a.sprite == nullptr) {
        if (spare_.empty()) {
            a.sprite = new CardSprite(a.flight.pixmap, &table_);
        } else {
            a.sprite = spare_.back();
            spare_.pop_back();
            a.sprite->setPicture(a.flight.pixmap);
        }
        a.sprite->raise();
    }
    // Quick at first, gently at the end, as a card thrown onto the cloth.
    const double eased = 1.0 - (1.0 - t) * (1.0 - t) * (1.0 - t);
    const QRect place = Stage::shown(&table_, between(a.flight.from, a.flight.to, eased));
    if (a.sprite->geometry() != place) a.sprite->setGeometry(place);
    if (a.sprite->isHidden()) a.sprite->show();
}

void CardMotion::finish(Airborne& a) {
    if (a.sprite != nullptr) {
        a.sprite->hide();
        spare_.push_back(a.sprite);
        a.sprite = nullptr;
    }
    if (a.target != nullptr) veil_.unveil(a.target);
    if (a.frame != nullptr) veil_.unveil(a.frame);
}

void CardMotion::land() {
    for (SeatShade* shade : shades_) {
        if (shade != nullptr) shade->dim(shade->dimmed(), 0);
    }
    for (Airborne& a : flights_) finish(a);
    flights_.clear();
    frames_.stop();
}

int CardMotion::msToRest() const {
    qint64 longest = 0;
    const qint64 t = now();
    for (const Airborne& a : flights_)
        longest = std::max(longest, a.startMs + a.flight.endMs() - t);
    return static_cast<int>(longest);
}

void CardMotion::useManualClock() {
    manualClock_ = true;
    manualNow_ = clock_.elapsed();
    frames_.stop();
}

void CardMotion::advance(int ms) {
    manualNow_ += ms;
    frame();
}

}  // namespace zelvaro::ui

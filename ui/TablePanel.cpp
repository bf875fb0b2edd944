#include "ui/TablePanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "engine/display/TableLayout.h"
#include "ui/ControlBuilder.h"
#include "ui/HintLabel.h"
#include "ui/LastTrickView.h"
#include "ui/PictureBox.h"
#include "ui/RankingColumn.h"
#include "ui/Stage.h"
#include "ui/TableSeats.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

// The caption over the prize cards, top left below the options strip.
constexpr QRect kPrizeCaption{16, 77, 114, 17};

}  // namespace

TablePanel::TablePanel(QWidget* parent)
    : PaintedScreen({QColor(0x25, 0x7d, 0x45), QColor(0x0c, 0x3a, 0x1f), {0.4, 0.5}}, parent) {}

void TablePanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TablePanel::followVisibility(QWidget* widget) {
    widget->installEventFilter(this);
}

bool TablePanel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            update();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void TablePanel::build(ControlBuilder& make) {
    buildTopStrip(make);
    TableSeats(make, *this).build();
    tournamentList_ = RankingColumn(make, *this).build();
    followVisibility(tournamentList_);
    buildHelpers(make);

    // The hover caption of the option pictures floats over everything else.
    auto* hover = make.label(this, ctl::Label19, QRect(16, 56, 128, 21), QString(),
                             ClickableLabel::Look::Plate, Qt::AlignCenter);
    hover->setFont(Theme::sans(12, true));
    Theme::setTextColor(hover, Theme::paleGold());
}

void TablePanel::buildHelpers(ControlBuilder& make) {
    // The light around the seat on turn, drawn over its panel.
    make.shape(this, ctl::TurnLight, MarkerShape::Kind::SeatLight, QRect());

    // What the player is to do, beside his name plate.
    auto* prompt = make.label(this, ctl::TurnPrompt, QRect(338, 598, 132, 38), QString(),
                              ClickableLabel::Look::Plate, Qt::AlignCenter);
    prompt->setFont(Theme::sans(12, true));
    Theme::setTextColor(prompt, QColor(0xff, 0xe8, 0x9c));

    // Why a click did nothing, below the middle of the table.
    auto* hint = make.adopt(new HintLabel(this), ctl::TableHint, QRect(232, 558, 380, 30));
    hint->setFont(Theme::sans(13, true));
    // The longest hints are set smaller to stand whole between the seats' cards.
    hint->setFitToWidth(true);
    Theme::setTextColor(hint, QColor(0xff, 0xe8, 0x9c));

    // How the last hand ended, and how the player went on to a new round: across the middle
    // of the table, between the rows of table places, until the next card is laid.
    for (const Control line : {ctl::HandResultLine, ctl::RoundLine}) {
        auto* plate = make.label(this, line, QRect(236, 349, 372, 44), QString(),
                                 ClickableLabel::Look::Plate, Qt::AlignCenter);
        plate->setWordWrap(true);
        plate->setFont(Theme::sans(13, true));
        Theme::setTextColor(plate, QColor(0xff, 0xe8, 0x9c));
    }

    // "Avanti veloce" where the player's hand was, once it is empty.
    make.command(this, ctl::TableFastForward, QRect(90, 664, 180, 40),
                 QStringLiteral("Avanti veloce"));

    // The last trick, in the corner under the ranking column.
    const QRect corner(RankingColumn::kLeft, 632, RankingColumn::kWidth, 110);
    auto* last = make.adopt(new LastTrickView(corner, this), ctl::LastTrickTitle, corner);
    last->build(make);
}

void TablePanel::buildTopStrip(ControlBuilder& make) {
    // Options strip: speed, game type, card change, two-beats-ace, prize.
    const std::array<Control, 5> options{ctl::Picture15, ctl::Picture18, ctl::Picture19,
                                         ctl::Picture20, ctl::Picture21};
    for (int i = 0; i < 5; ++i) {
        auto* badge = make.picture(this, options[i], QRect(16 + i * 68, 4, 64, 48));
        badge->setOutlined(true);
    }

    auto* header = make.label(this, ctl::Label47, QRect(372, 2, 446, 24), QString(),
                              ClickableLabel::Look::Plain, Qt::AlignCenter);
    header->setFont(Theme::serif(19, true));
    Theme::setTextColor(header, Theme::paleGold());
    auto* limit = make.label(this, ctl::Label48, QRect(372, 26, 446, 16), QString(),
                             ClickableLabel::Look::Plain, Qt::AlignCenter);
    limit->setFont(Theme::sans(12));
    // Where the player stands in the tournament.
    auto* standing = make.label(this, ctl::TournamentPlace, QRect(372, 42, 446, 17), QString(),
                                ClickableLabel::Look::Plain, Qt::AlignCenter);
    standing->setFont(Theme::sans(12, true));
    Theme::setTextColor(standing, Theme::paleGold());

    // Prize cards and the pot, top left below the strip.
    prizeCard_ = make.picture(this, ctl::Picture16,
                              QRect(16, 96, layout::kPrizeWidth, layout::kPrizeHeight));
    make.picture(
        this, ctl::Picture17,
        QRect(16 + layout::kPrizeWidth + 6, 96, layout::kPrizeWidth, layout::kPrizeHeight));
    followVisibility(prizeCard_);
    auto* pot = make.label(this, ctl::Label34, QRect(16, 96, 276, 30), QString(),
                           ClickableLabel::Look::Plate, Qt::AlignCenter);
    pot->setFont(Theme::sans(13, true));
    Theme::setTextColor(pot, Theme::paleGold());

    // Speed switch and leave, top right.
    auto* speed = make.label(this, ctl::Label33, QRect(RankingColumn::kLeft + 8, 8, 88, 30),
                             "Rallenta", ClickableLabel::Look::Button, Qt::AlignCenter);
    speed->setFont(Theme::sans(13, true));
    speed->setCursor(Qt::PointingHandCursor);
    auto* leave = make.label(this, ctl::Label18, QRect(RankingColumn::kLeft + 102, 8, 88, 30),
                             "Indietro", ClickableLabel::Look::Button, Qt::AlignCenter);
    leave->setFont(Theme::sans(13, true));
    leave->setCursor(Qt::PointingHandCursor);
}

void TablePanel::paintBackground(QPainter& painter) {
    // The printed playing area around the six table places.
    const QPointF centre(412, 372);
    const QRectF oval(centre.x() - 232, centre.y() - 226, 464, 452);
    QRadialGradient glow(centre, 240);
    glow.setColorAt(0.0, QColor(255, 255, 255, 26));
    glow.setColorAt(1.0, QColor(255, 255, 255, 6));
    // The glow's edge lies under the ring, so it needs no smoothing (which costs a lot on
    // a shape this large).
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(oval);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xd8, 0xc0, 0x70, 120), 2.0));
    painter.drawEllipse(oval);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xd8, 0xc0, 0x70, 55), 1.0));
    painter.drawEllipse(oval.adjusted(8, 8, -8, -8));

    // The game's name printed faintly in the middle of the cloth.
    painter.setFont(Theme::serif(30, true, true));
    painter.setPen(QColor(255, 255, 255, 34));
    painter.drawText(QRectF(centre.x() - 110, centre.y() - 24, 220, 48), Qt::AlignCenter,
                     QStringLiteral("Zelvaro"));

    TableSeats::paintCloth(painter);
}

void TablePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background());
    painter.setRenderHint(QPainter::Antialiasing);
    Stage::useDesignCoordinates(painter, this);

    const bool tournament = tournamentList_ != nullptr && !tournamentList_->isHidden();
    RankingColumn::paint(painter, tournament);

    if (prizeCard_ != nullptr && !prizeCard_->isHidden()) {
        painter.setFont(Theme::sans(11, true));
        painter.setPen(Theme::paleGold());
        painter.drawText(kPrizeCaption, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Premio"));
    }
}

}  // namespace zelvaro::ui

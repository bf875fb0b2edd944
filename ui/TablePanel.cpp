#include "ui/TablePanel.h"

#include <QComboBox>
#include <QEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <array>

#include "engine/display/TableLayout.h"
#include "ui/ControlBuilder.h"
#include "ui/FeltPainter.h"
#include "ui/HintLabel.h"
#include "ui/LastTrickView.h"
#include "ui/PictureBox.h"
#include "ui/StrengthBar.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

using layout::Point;

// Inside an opponent's seat panel, from its top-left corner.
constexpr QRect kFace{4, 7, 58, 58};
constexpr int kInfoLeft = 84;
constexpr int kBarTop = 53;
constexpr int kBarHeight = 9;
constexpr int kBarTrack = 95;  // the widest bar: 1425 twips
constexpr int kHandTop = 78;

// The human's seat, above the hand.
constexpr QRect kHumanPlate{layout::kHumanPlate.x, layout::kHumanPlate.y, layout::kHumanPlateWidth,
                            layout::kHumanPlateHeight};

// The ranking column on the right.
constexpr int kSideLeft = 828;
constexpr int kSideWidth = 194;
constexpr int kSideTop = 46;
constexpr int kRowHeight = 22;
constexpr int kRankingTop = 84;
constexpr int kTableListTop = 258;
constexpr int kOverallTop = 430;

// The caption over the prize cards, top left below the options strip.
constexpr QRect kPrizeCaption{16, 77, 114, 17};

// The opponents' hands, seat 1 to 5.
constexpr std::array<ControlArray<12>, 5> kOpponentHands{
    ctl::Picture4, ctl::Picture3, ctl::Picture8, ctl::Picture7, ctl::Picture5};
constexpr std::array<Control, 5> kFaces{ctl::Picture22, ctl::Picture23, ctl::Picture24,
                                        ctl::Picture25, ctl::Picture26};

QRect at(Point corner, const QRect& offset) {
    return offset.translated(corner.x, corner.y);
}

QRect seatPanelRect(int seat) {
    const Point corner = layout::kSeatPanel[seat];
    return QRect(corner.x, corner.y, layout::kSeatPanelWidth, layout::kSeatPanelHeight);
}

void styleName(ClickableLabel* label, int pixels = 13) {
    label->setFont(Theme::sans(pixels, true));
}

}  // namespace

TablePanel::TablePanel(QWidget* parent) : PaintedScreen(parent) {}

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
    buildSeats(make);
    buildTrick(make);
    buildHuman(make);
    buildRanking(make);
    buildHelpers(make);

    // The hover caption of the option pictures floats over everything else.
    auto* hover = make.label(this, ctl::Label19, QRect(16, 56, 128, 21), QString(),
                             ClickableLabel::Look::Plate, Qt::AlignCenter);
    hover->setFont(Theme::sans(12, true));
    Theme::setTextColor(hover, Theme::paleGold());
}

void TablePanel::buildHelpers(ControlBuilder& make) {
    // The light around the seat on turn, drawn over its panel.
    make.shape(this, ctl::Shape7, MarkerShape::Kind::SeatLight, QRect());

    // What the player is to do, beside his name plate.
    auto* prompt = make.label(this, ctl::Label61, QRect(338, 598, 132, 38), QString(),
                              ClickableLabel::Look::Plate, Qt::AlignCenter);
    prompt->setFont(Theme::sans(12, true));
    Theme::setTextColor(prompt, QColor(0xff, 0xe8, 0x9c));

    // Why a click did nothing, below the middle of the table.
    auto* hint = make.adopt(new HintLabel(this), ctl::Label59, QRect(232, 558, 380, 30));
    hint->setFont(Theme::sans(13, true));
    Theme::setTextColor(hint, QColor(0xff, 0xe8, 0x9c));

    // "Avanti veloce" where the player's hand was, once it is empty.
    make.command(this, ctl::Command5, QRect(90, 664, 180, 40), QStringLiteral("Avanti veloce"));

    // The last trick, in the corner under the ranking column.
    auto* last = make.adopt(new LastTrickView(QRect(kSideLeft, 632, kSideWidth, 110), this),
                            ctl::Label57, QRect(kSideLeft, 632, kSideWidth, 110));
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
    auto* standing = make.label(this, ctl::Label62, QRect(372, 42, 446, 17), QString(),
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
    auto* speed = make.label(this, ctl::Label33, QRect(kSideLeft + 8, 8, 88, 30), "Rallenta",
                             ClickableLabel::Look::Button, Qt::AlignCenter);
    speed->setFont(Theme::sans(13, true));
    speed->setCursor(Qt::PointingHandCursor);
    auto* leave = make.label(this, ctl::Label18, QRect(kSideLeft + 102, 8, 88, 30), "Indietro",
                             ClickableLabel::Look::Button, Qt::AlignCenter);
    leave->setFont(Theme::sans(13, true));
    leave->setCursor(Qt::PointingHandCursor);
}

void TablePanel::buildSeats(ControlBuilder& make) {
    for (int slot = 0; slot < 5; ++slot) {
        const int seat = slot + 1;
        const Point corner = layout::kSeatPanel[seat];
        auto* face = make.picture(this, kFaces[slot], at(corner, kFace));
        face->setOutlined(true);
        auto* name =
            make.label(this, ctl::Label6[slot],
                       at(corner, QRect(kInfoLeft, 3, layout::kSeatPanelWidth - kInfoLeft - 6, 22)),
                       QString());
        styleName(name);
        name->setFitToWidth(true);
        auto* flag =
            make.picture(this, ctl::Image1[slot], at(corner, QRect(kInfoLeft, 29, 27, 18)));
        flag->setOutlined(true);
        auto* year = make.label(this, ctl::Label5[slot],
                                at(corner, QRect(kInfoLeft + 34, 28, 80, 20)), QString());
        year->setFont(Theme::sans(12));
        make.adopt(new StrengthBar(this), ctl::Label8[slot],
                   at(corner, QRect(kInfoLeft, kBarTop, kBarTrack, kBarHeight)));
        for (int i = 0; i < 12; ++i) {
            make.picture(this, kOpponentHands[slot][i],
                         at(corner, QRect(4 + i * layout::kBackStep, kHandTop, layout::kBackWidth,
                                          layout::kBackHeight)));
        }
    }
}

void TablePanel::buildTrick(ControlBuilder& make) {
    for (int seat = 0; seat < 6; ++seat) {
        const Point place = layout::kTablePlace[seat];
        make.picture(this, layout::kTablePlaceControl[seat],
                     QRect(place.x, place.y, layout::kCardWidth, layout::kCardHeight));
    }
    const int margin = layout::kWinMarkerMargin;
    const Point first = layout::kTablePlace[0];
    make.shape(this, ctl::Shape6, MarkerShape::Kind::WinningCard,
               QRect(first.x - margin, first.y - margin, layout::kCardWidth + 2 * margin,
                     layout::kCardHeight + 2 * margin));
}

void TablePanel::buildHuman(ControlBuilder& make) {
    auto* name = make.label(this, ctl::Label4, QRect(36, 605, 172, 26), QString());
    styleName(name, 14);
    name->setFitToWidth(true);
    auto* flag = make.picture(this, ctl::Image3, QRect(214, 609, 27, 18));
    flag->setOutlined(true);
    auto* year = make.label(this, ctl::Label28, QRect(250, 605, 78, 26), QString());
    year->setFont(Theme::sans(12));

    for (int i = 0; i < 12; ++i) {
        make.picture(this, ctl::Picture2[i],
                     QRect(layout::kHumanHand.x + i * layout::kHumanHandStep, layout::kHumanHand.y,
                           layout::kCardWidth, layout::kCardHeight));
    }
    const QRect firstCard(layout::kHumanHand.x, layout::kHumanHand.y, layout::kCardWidth,
                          layout::kCardHeight);
    make.shape(this, ctl::Shape3, MarkerShape::Kind::Selection, firstCard);
    make.shape(this, ctl::Shape4, MarkerShape::Kind::Selection,
               firstCard.translated(layout::kHumanHandStep, 0));

    const Point marker = layout::kTurnMarker[0];
    make.shape(this, ctl::Shape5, MarkerShape::Kind::TurnDot,
               QRect(marker.x, marker.y, layout::kTurnMarkerSize, layout::kTurnMarkerSize));

    const Point firstOpponent = layout::kTablePlace[1];
    auto* decision = make.label(
        this, ctl::Label29,
        QRect(firstOpponent.x + (layout::kCardWidth - layout::kDecisionLabelWidth) / 2,
              firstOpponent.y + 37, layout::kDecisionLabelWidth, layout::kDecisionLabelHeight),
        QString(), ClickableLabel::Look::Plate, Qt::AlignCenter);
    decision->setFont(Theme::sans(13, true));
    Theme::setTextColor(decision, QColor(0xff, 0xe8, 0x9c));

    make.command(this, ctl::Command1, QRect(474, 599, 136, 32), "Cambia Carte");
    make.command(this, ctl::Command2, QRect(620, 599, 136, 32), "Non Cambio");
}

void TablePanel::buildRanking(ControlBuilder& make) {
    const int left = kSideLeft + 6;
    const int inner = kSideWidth - 12;
    const auto heading = [&](Control c, const QRect& place, const QString& text, int pixels) {
        auto* label =
            make.label(this, c, place, text, ClickableLabel::Look::Plain, Qt::AlignCenter);
        label->setFont(Theme::sans(pixels, true));
        Theme::setTextColor(label, Theme::paleGold());
        return label;
    };
    const auto column = [&](Control c, int x, int width, int top, Qt::Alignment alignment,
                            int pixels) {
        auto* label = make.label(this, c, QRect(x, top, width, 6 * kRowHeight), QString(),
                                 ClickableLabel::Look::Plain, alignment);
        label->setRowHeight(kRowHeight);
        label->setFont(Theme::condensed(pixels));
        return label;
    };
    const auto flags = [&](ControlArray<6> images, int top) {
        for (int i = 0; i < 6; ++i) {
            auto* flag =
                make.picture(this, images[i], QRect(left + 2, top + i * kRowHeight + 2, 27, 18));
            flag->setOutlined(true);
        }
    };

    // The table's own ranking.
    heading(ctl::Label30, QRect(left, kSideTop + 8, inner, 24), "CLASSIFICA", 14);
    flags(ctl::Image4, kRankingTop);
    column(ctl::Label31, left + 36, 100, kRankingTop, Qt::AlignLeft, 14);
    column(ctl::Label32, left + 136, inner - 136, kRankingTop, Qt::AlignRight, 14);

    // Tournament: one chosen table, and the best six overall.
    tournamentList_ =
        heading(ctl::Label40, QRect(left, kTableListTop - 30, 124, 24), "CLASSIFICA TAVOLO", 11);
    followVisibility(tournamentList_);
    auto* table =
        make.combo(this, ctl::Combo7, QRect(left + inner - 50, kTableListTop - 31, 50, 25), false);
    table->setFont(Theme::sans(12));
    flags(ctl::Image5, kTableListTop);
    column(ctl::Label42, left + 36, 104, kTableListTop, Qt::AlignLeft, 13);
    column(ctl::Label41, left + 140, inner - 140, kTableListTop, Qt::AlignRight, 13);

    heading(ctl::Label43, QRect(left, kOverallTop - 30, inner, 24), "CLASSIFICA GENERALE", 11);
    flags(ctl::Image6, kOverallTop);
    // The longest surnames with a three-figure table fit at a slightly smaller size.
    column(ctl::Label45, left + 32, 124, kOverallTop, Qt::AlignLeft, 12);
    column(ctl::Label44, left + 156, inner - 156, kOverallTop, Qt::AlignRight, 12);

    auto* standings = make.label(this, ctl::Label52, QRect(left + 20, 584, inner - 40, 30),
                                 "Classifica", ClickableLabel::Look::Button, Qt::AlignCenter);
    standings->setFont(Theme::sans(13, true));
    standings->setCursor(Qt::PointingHandCursor);
}

void TablePanel::paintBackground(QPixmap& cloth) {
    cloth = QPixmap::fromImage(
        FeltPainter::felt(size(), QColor(0x25, 0x7d, 0x45), QColor(0x0c, 0x3a, 0x1f), {0.4, 0.5}));
    QPainter painter(&cloth);
    painter.setRenderHint(QPainter::Antialiasing);

    // The printed playing area around the six table places.
    const QPointF centre(412, 372);
    const QRectF oval(centre.x() - 232, centre.y() - 226, 464, 452);
    QRadialGradient glow(centre, 240);
    glow.setColorAt(0.0, QColor(255, 255, 255, 26));
    glow.setColorAt(1.0, QColor(255, 255, 255, 6));
    painter.setBrush(glow);
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

    // Faint outlines of the six table places.
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1.0, Qt::DashLine));
    for (const Point place : layout::kTablePlace) {
        painter.drawRoundedRect(
            QRectF(place.x + 0.5, place.y + 0.5, layout::kCardWidth - 1, layout::kCardHeight - 1),
            6, 6);
    }

    for (int seat = 1; seat < 6; ++seat) {
        const QRect panel = seatPanelRect(seat);
        FeltPainter::plate(painter, panel);
        // The strength meter's empty track.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 90));
        painter.drawRoundedRect(
            QRectF(panel.left() + kInfoLeft, panel.top() + kBarTop, kBarTrack, kBarHeight), 4.5,
            4.5);
    }
    FeltPainter::plate(painter, kHumanPlate);
}

void TablePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background());
    painter.setRenderHint(QPainter::Antialiasing);

    // The ranking column reaches down to the tournament lists only when they are shown.
    const bool tournament = tournamentList_ != nullptr && !tournamentList_->isHidden();
    const int bottom = tournament ? 622 : kRankingTop + 6 * kRowHeight + 10;
    FeltPainter::plate(painter, QRectF(kSideLeft, kSideTop, kSideWidth, bottom - kSideTop), 165);
    if (tournament) {
        painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 80), 1.0));
        for (const int y : {kTableListTop - 38, kOverallTop - 38}) {
            painter.drawLine(QPointF(kSideLeft + 14, y + 0.5),
                             QPointF(kSideLeft + kSideWidth - 14, y + 0.5));
        }
    }

    if (prizeCard_ != nullptr && !prizeCard_->isHidden()) {
        painter.setFont(Theme::sans(11, true));
        painter.setPen(Theme::paleGold());
        painter.drawText(kPrizeCaption, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Premio"));
    }
}

}  // namespace zelvaro::ui

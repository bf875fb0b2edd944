#include "ui/TableSeats.h"

#include <QPainter>
#include <QPushButton>
#include <array>

#include "engine/display/TableLayout.h"
#include "ui/ControlBuilder.h"
#include "ui/FeltPainter.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"
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

TableSeats::TableSeats(ControlBuilder& make, QWidget& table) : make_(make), table_(&table) {}

void TableSeats::build() {
    buildOpponents();
    buildTrick();
    buildHuman();
}

void TableSeats::buildOpponents() {
    for (int slot = 0; slot < 5; ++slot) {
        const int seat = slot + 1;
        const Point corner = layout::kSeatPanel[seat];
        auto* face = make_.picture(table_, kFaces[slot], at(corner, kFace));
        face->setOutlined(true);
        auto* name = make_.label(
            table_, ctl::Label6[slot],
            at(corner, QRect(kInfoLeft, 3, layout::kSeatPanelWidth - kInfoLeft - 6, 22)),
            QString());
        styleName(name);
        name->setFitToWidth(true);
        auto* flag =
            make_.picture(table_, ctl::Image1[slot], at(corner, QRect(kInfoLeft, 29, 27, 18)));
        flag->setOutlined(true);
        auto* year = make_.label(table_, ctl::Label5[slot],
                                 at(corner, QRect(kInfoLeft + 34, 28, 80, 20)), QString());
        year->setFont(Theme::sans(12));
        make_.adopt(new StrengthBar(table_), ctl::Label8[slot],
                    at(corner, QRect(kInfoLeft, kBarTop, kBarTrack, kBarHeight)));
        for (int i = 0; i < 12; ++i) {
            make_.picture(table_, kOpponentHands[slot][i],
                          at(corner, QRect(4 + i * layout::kBackStep, kHandTop, layout::kBackWidth,
                                           layout::kBackHeight)));
        }
    }
}

void TableSeats::buildTrick() {
    for (int seat = 0; seat < 6; ++seat) {
        const Point place = layout::kTablePlace[seat];
        make_.picture(table_, layout::kTablePlaceControl[seat],
                      QRect(place.x, place.y, layout::kCardWidth, layout::kCardHeight));
    }
    const int margin = layout::kWinMarkerMargin;
    const Point first = layout::kTablePlace[0];
    make_.shape(table_, ctl::Shape6, MarkerShape::Kind::WinningCard,
                QRect(first.x - margin, first.y - margin, layout::kCardWidth + 2 * margin,
                      layout::kCardHeight + 2 * margin));
}

void TableSeats::buildHuman() {
    auto* name = make_.label(table_, ctl::Label4, QRect(36, 605, 172, 26), QString());
    styleName(name, 14);
    name->setFitToWidth(true);
    auto* flag = make_.picture(table_, ctl::Image3, QRect(214, 609, 27, 18));
    flag->setOutlined(true);
    auto* year = make_.label(table_, ctl::Label28, QRect(250, 605, 78, 26), QString());
    year->setFont(Theme::sans(12));

    for (int i = 0; i < 12; ++i) {
        make_.picture(table_, ctl::Picture2[i],
                      QRect(layout::kHumanHand.x + i * layout::kHumanHandStep, layout::kHumanHand.y,
                            layout::kCardWidth, layout::kCardHeight));
    }
    const QRect firstCard(layout::kHumanHand.x, layout::kHumanHand.y, layout::kCardWidth,
                          layout::kCardHeight);
    make_.shape(table_, ctl::Shape3, MarkerShape::Kind::Selection, firstCard);
    make_.shape(table_, ctl::Shape4, MarkerShape::Kind::Selection,
                firstCard.translated(layout::kHumanHandStep, 0));

    const Point marker = layout::kTurnMarker[0];
    make_.shape(table_, ctl::Shape5, MarkerShape::Kind::TurnDot,
                QRect(marker.x, marker.y, layout::kTurnMarkerSize, layout::kTurnMarkerSize));

    const Point firstOpponent = layout::kTablePlace[1];
    auto* decision = make_.label(
        table_, ctl::Label29,
        QRect(firstOpponent.x + (layout::kCardWidth - layout::kDecisionLabelWidth) / 2,
              firstOpponent.y + 37, layout::kDecisionLabelWidth, layout::kDecisionLabelHeight),
        QString(), ClickableLabel::Look::Plate, Qt::AlignCenter);
    decision->setFont(Theme::sans(13, true));
    Theme::setTextColor(decision, QColor(0xff, 0xe8, 0x9c));

    make_.command(table_, ctl::Command1, QRect(474, 599, 136, 32), "Cambia Carte");
    make_.command(table_, ctl::Command2, QRect(620, 599, 136, 32), "Non Cambio");
    buildSuggestion(firstCard);
}

void TableSeats::buildSuggestion(const QRect& firstCard) {
    // "Suggerimento" left of the hand, under the name plate; the expert's choice framed in
    // dashed green, over the blue of the player's own marks.
    auto* button = make_.command(table_, ctl::SuggestionButton, QRect(3, 651, 84, 48),
                                 QStringLiteral("Suggerimento\n(H)"));
    // Narrow and without side padding: the word stays whole at every scale of the window.
    button->setFont(Theme::condensed(10, true));
    button->setStyleSheet(Theme::buttonStyle() +
                          QStringLiteral("QPushButton { padding: 2px 0px; }"));
    button->setAccessibleName(QStringLiteral("Suggerimento"));
    for (int i = 0; i < ctl::SuggestionMarks.size(); ++i) {
        make_.shape(table_, ctl::SuggestionMarks[i], MarkerShape::Kind::Suggestion,
                    firstCard.adjusted(-3, -3, 3, 3).translated(i * layout::kHumanHandStep, 0));
    }
}

void TableSeats::paintCloth(QPainter& painter) {
    // Faint outlines of the six table places.
    painter.setPen(Stage::outline(painter, QColor(255, 255, 255, 40), 1.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
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

}  // namespace zelvaro::ui

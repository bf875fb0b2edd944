#include "ui/LastTrickView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "engine/display/TableLayout.h"
#include "primitives/Surface.h"
#include "ui/ControlBuilder.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

// The two sizes of a card and of the caption and names around the cards. The names stand in
// two rows under the cards, the first, third and fifth seat's above the others, so that each
// has the width of two cards: a surname is wider than a small card.
struct Sizes {
    int card;  // card width; the height follows the card's shape
    int gap;
    int margin;
    int title;  // title line height
    int nameFont;
    int nameRow;  // height of one row of names
    int nameGap;  // least room between two names of a row
    int titleFont;
};
constexpr Sizes kSmall{28, 8, 6, 20, 9, 12, 4, 11};
// The large view grows from the corner only into the free felt below the ranking column and
// right of the player's hand: it covers neither the hand, nor "Classifica", nor a seat.
constexpr Sizes kLarge{44, 12, 8, 18, 12, 14, 6, 13};
// Names keep this far from the view's border.
constexpr int kNameEdge = 3;

int cardHeight(int width) {
    return width * layout::kCardHeight / layout::kCardWidth;
}

QSize sizeFor(const Sizes& s) {
    return {2 * s.margin + 6 * s.card + 5 * s.gap,
            s.title + cardHeight(s.card) + 3 + 2 * s.nameRow + s.margin};
}

// Where seat slot `k`'s name stands: under its card, as wide as a third of the view allows,
// moved in from the border where its card is near it, never onto the next name of its row.
QRect namePlace(const Sizes& s, int k) {
    const int width = sizeFor(s).width();
    const int pitch = s.card + s.gap;
    const int box = std::min(2 * pitch - s.nameGap, (width - 2 * kNameEdge - 2 * s.nameGap) / 3);
    const int inRow = k / 2;
    const int lowest = kNameEdge + inRow * (box + s.nameGap);
    const int highest = width - kNameEdge - (3 - inRow) * box - (2 - inRow) * s.nameGap;
    const int centre = s.margin + k * pitch + s.card / 2;
    const int top = s.title + cardHeight(s.card) + 3 + (k % 2) * s.nameRow;
    return {std::clamp(centre - box / 2, lowest, highest), top, box, s.nameRow};
}

}  // namespace

LastTrickView::LastTrickView(const QRect& compact, QWidget* parent)
    : ClickableLabel(parent), compact_(compact) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void LastTrickView::build(ControlBuilder& make) {
    for (int k = 0; k < 6; ++k) {
        cards_[k] = make.picture(this, ctl::LastTrickCards[k], QRect());
        cards_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        names_[k] = make.label(this, ctl::LastTrickNames[k], QRect(), QString(), Look::Plain,
                               Qt::AlignCenter);
        names_[k]->setFitToWidth(true);
        names_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        names_[k]->installEventFilter(this);
    }
    arrange();
}

void LastTrickView::arrange() {
    const Sizes& s = large_ ? kLarge : kSmall;
    const QSize size = sizeFor(s);
    // Anchored at the small view's bottom right corner.
    Stage::place(this, QRect(compact_.right() + 1 - size.width(),
                             compact_.bottom() + 1 - size.height(), size.width(), size.height()));
    for (int k = 0; k < 6; ++k) {
        const int x = s.margin + k * (s.card + s.gap);
        Stage::place(cards_[k], QRect(x, s.title, s.card, cardHeight(s.card)));
        Stage::place(names_[k], namePlace(s, k));
    }
    markWinner();
    if (large_) raise();
}

void LastTrickView::markWinner() {
    const Sizes& s = large_ ? kLarge : kSmall;
    const int winner = framedSlot();
    for (int k = 0; k < 6; ++k)
        Stage::setDesignFont(names_[k], Theme::condensed(s.nameFont, k == winner));
    update();
}

bool LastTrickView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::PaletteChange) markWinner();
    return ClickableLabel::eventFilter(watched, event);
}

void LastTrickView::setLarge(bool large) {
    if (large_ == large) return;
    large_ = large;
    arrange();
}

void LastTrickView::enterEvent(QEnterEvent* event) {
    setLarge(true);
    ClickableLabel::enterEvent(event);
}

void LastTrickView::leaveEvent(QEvent* event) {
    setLarge(false);
    ClickableLabel::leaveEvent(event);
}

void LastTrickView::mouseReleaseEvent(QMouseEvent* event) {
    setLarge(!large_);
    event->accept();
}

int LastTrickView::framedSlot() const {
    const QColor lit = QColor::fromRgb(QRgb(0xFF000000u | kHighlightColor));
    for (int k = 0; k < 6; ++k) {
        if (names_[k] != nullptr &&
            names_[k]->palette().color(QPalette::Active, QPalette::WindowText) == lit) {
            return k;
        }
    }
    return -1;
}

void LastTrickView::paintEvent(QPaintEvent*) {
    const Sizes& s = large_ ? kLarge : kSmall;
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = Stage::designArea(this);
    painter.setPen(Stage::outline(painter, QColor(0xc9, 0xa4, 0x3a, 140), 1.0));
    painter.setBrush(QColor(4, 20, 10, large_ ? 235 : 165));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);

    painter.setFont(Theme::sans(s.titleFont, true));
    painter.setPen(Theme::paleGold());
    painter.drawText(QRectF(0, 0, area.width(), s.title), Qt::AlignCenter, text().toUpper());

    // The seats' places, and the winner's card framed.
    for (int k = 0; k < 6; ++k) {
        const QRectF place = QRectF(Stage::design(cards_[k])).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(Stage::outline(painter, QColor(255, 255, 255, 40), 1.0, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(place, 3, 3);
    }
    if (const int winner = framedSlot(); winner >= 0) {
        const QRectF frame = QRectF(Stage::design(cards_[winner])).adjusted(-2.5, -2.5, 2.5, 2.5);
        painter.setPen(QPen(QColor(0xff, 0xd2, 0x3a), large_ ? 3.0 : 2.0));
        painter.drawRoundedRect(frame, 5, 5);
    }
}

}  // namespace zelvaro::ui

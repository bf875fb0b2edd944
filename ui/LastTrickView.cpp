#include "ui/LastTrickView.h"

#include <QMouseEvent>
#include <QPainter>

#include "primitives/Surface.h"
#include "engine/display/TableLayout.h"
#include "ui/ControlBuilder.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

// The two sizes of a card and of the caption and names around the cards.
struct Sizes {
    int card;       // card width; the height follows the card's shape
    int gap;
    int margin;
    int title;      // title line height
    int nameFont;
    int titleFont;
};
constexpr Sizes kSmall{28, 2, 6, 20, 9, 11};
// The large view grows from the corner only into the free felt below the ranking column and
// right of the player's hand: it covers neither the hand, nor "Classifica", nor a seat.
constexpr Sizes kLarge{48, 6, 9, 20, 12, 13};

int cardHeight(int width) { return width * layout::kCardHeight / layout::kCardWidth; }

QSize sizeFor(const Sizes& s) {
    return {2 * s.margin + 6 * s.card + 5 * s.gap,
            s.title + cardHeight(s.card) + s.nameFont + 12 + s.margin};
}

}  // namespace

LastTrickView::LastTrickView(const QRect& compact, QWidget* parent)
    : ClickableLabel(parent), compact_(compact) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void LastTrickView::build(ControlBuilder& make) {
    for (int k = 0; k < 6; ++k) {
        cards_[k] = make.picture(this, ctl::Picture28[k], QRect());
        cards_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        names_[k] = make.label(this, ctl::Label58[k], QRect(), QString(), Look::Plain, Qt::AlignCenter);
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
    Stage::place(this, QRect(compact_.right() + 1 - size.width(), compact_.bottom() + 1 - size.height(),
                             size.width(), size.height()));
    for (int k = 0; k < 6; ++k) {
        const int x = s.margin + k * (s.card + s.gap);
        Stage::place(cards_[k], QRect(x, s.title, s.card, cardHeight(s.card)));
        Stage::place(names_[k], QRect(x - s.gap / 2, s.title + cardHeight(s.card) + 3, s.card + s.gap,
                                      s.nameFont + 6));
    }
    markWinner();
    if (large_) raise();
}

void LastTrickView::markWinner() {
    const Sizes& s = large_ ? kLarge : kSmall;
    const int winner = framedSlot();
    for (int k = 0; k < 6; ++k) Stage::setDesignFont(names_[k], Theme::condensed(s.nameFont, k == winner));
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
        if (names_[k] != nullptr && names_[k]->palette().color(QPalette::Active, QPalette::WindowText) == lit) {
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

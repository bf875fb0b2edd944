#include "ui/PanelFrame.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

constexpr int kOverlayTitleHeight = 58;
constexpr int kGroupTitleHeight = 30;

}  // namespace

PanelFrame::PanelFrame(Mode mode, QWidget* parent) : QWidget(parent), mode_(mode) {
    setMouseTracking(true);
}

void PanelFrame::setTitle(const QString& title) {
    if (title == title_) return;
    title_ = title;
    update();
}

void PanelFrame::setCardRect(const QRect& card) {
    card_ = card;
    update();
}

QRect PanelFrame::cardRect() const {
    return mode_ == Mode::Overlay ? card_ : QRect(QPoint(0, 0), Stage::design(this).size());
}

int PanelFrame::contentTop() const {
    return cardRect().top() + (mode_ == Mode::Overlay ? kOverlayTitleHeight : kGroupTitleHeight);
}

void PanelFrame::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void PanelFrame::mousePressEvent(QMouseEvent* event) {
    // The panel holds the clicks that miss its controls: nothing beneath it reacts.
    event->accept();
}

void PanelFrame::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area = Stage::designArea(this);

    if (mode_ == Mode::Group) {
        const QRectF box = area.adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 110), 1.0));
        painter.setBrush(QColor(255, 255, 255, 14));
        painter.drawRoundedRect(box, 10, 10);
        painter.setFont(Theme::serif(17, true));
        painter.setPen(Theme::paleGold());
        painter.drawText(QRectF(16, 0, area.width() - 32, kGroupTitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, title_);
        return;
    }

    // Dim the screen beneath, then the card with its shadow.
    painter.fillRect(area, QColor(0, 8, 3, 120));
    const QRectF card = QRectF(card_).adjusted(0.5, 0.5, -0.5, -0.5);
    for (int i = 1; i <= 8; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 14));
        painter.drawRoundedRect(card.translated(0, 4).adjusted(-i, -i, i, i), 16 + i, 16 + i);
    }
    QLinearGradient fill(card.topLeft(), card.bottomLeft());
    fill.setColorAt(0.0, QColor(0x17, 0x3d, 0x27));
    fill.setColorAt(1.0, QColor(0x0b, 0x22, 0x15));
    painter.setBrush(fill);
    painter.setPen(QPen(Theme::panelBorder(), 1.6));
    painter.drawRoundedRect(card, 16, 16);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 70), 1.0));
    painter.drawRoundedRect(card.adjusted(5, 5, -5, -5), 12, 12);

    // Title and a gold rule under it, with a small diamond in the middle.
    const QRect titleBox(card_.left(), card_.top() + 8, card_.width(), kOverlayTitleHeight - 18);
    painter.setFont(Theme::serif(27, true));
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(titleBox.translated(1, 2), Qt::AlignCenter, title_);
    painter.setPen(Theme::paleGold());
    painter.drawText(titleBox, Qt::AlignCenter, title_);
    const qreal ruleY = card_.top() + kOverlayTitleHeight - 6.5;
    const qreal middle = card.center().x();
    QLinearGradient rule(card.left() + 40, 0, card.right() - 40, 0);
    rule.setColorAt(0.0, QColor(0xc9, 0xa4, 0x3a, 0));
    rule.setColorAt(0.5, QColor(0xc9, 0xa4, 0x3a, 220));
    rule.setColorAt(1.0, QColor(0xc9, 0xa4, 0x3a, 0));
    painter.setPen(QPen(QBrush(rule), 1.2));
    painter.drawLine(QPointF(card.left() + 40, ruleY), QPointF(card.right() - 40, ruleY));
    QPainterPath diamond;
    diamond.moveTo(middle, ruleY - 4);
    diamond.lineTo(middle + 4, ruleY);
    diamond.lineTo(middle, ruleY + 4);
    diamond.lineTo(middle - 4, ruleY);
    diamond.closeSubpath();
    painter.fillPath(diamond, Theme::gold());
}

}  // namespace zelvaro::ui

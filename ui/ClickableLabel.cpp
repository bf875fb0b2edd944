#include "ui/ClickableLabel.h"

#include <QHelpEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace zelvaro::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void ClickableLabel::setLook(Look look) {
    look_ = look;
    update();
}

void ClickableLabel::setRowHeight(int pixels) {
    rowHeight_ = pixels;
    update();
}

void ClickableLabel::setFitToWidth(bool fit) {
    fitToWidth_ = fit;
    update();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    emit mousePressed();
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    // A click is a press and a release on the same caption, as on any button.
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

namespace {

// The label's font, made smaller (to seven tenths at most) until `text` fits `width`.
QFont fittedFont(QFont font, const QString& text, int width) {
    // The window's fonts are sized in pixels.
    const int smallest = qMax(8, font.pixelSize() * 7 / 10);
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > smallest) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

}  // namespace

QColor ClickableLabel::textColor() const {
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
}

void ClickableLabel::paintRows(QPainter& painter, const QRect& area) const {
    const QStringList lines = text().split(QLatin1Char('\n'));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    painter.setPen(textColor());
    for (int i = 0; i < lines.size(); ++i) {
        const QRect row(area.left(), area.top() + i * rowHeight_, area.width(), rowHeight_);
        if (row.top() >= area.bottom()) break;
        // A long name is set a little smaller rather than cut.
        const QFont font = fittedFont(this->font(), lines[i], row.width());
        painter.setFont(font);
        const QString line = QFontMetrics(font).elidedText(lines[i], Qt::ElideRight, row.width());
        painter.drawText(row, int(horizontal | Qt::AlignVCenter), line);
    }
}

void ClickableLabel::paintFitted(QPainter& painter) const {
    // Every name of a kind in the same size: a long one is cut, and whole in its tooltip.
    const QRect area = contentsRect();
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(area, int(alignment()),
                     QFontMetrics(font()).elidedText(text(), Qt::ElideRight, area.width()));
}

QString ClickableLabel::cutTextAt(const QPoint& point) const {
    const QRect area = contentsRect();
    if (rowHeight_ > 0) {
        const QStringList lines = text().split(QLatin1Char('\n'));
        const int row = (point.y() - area.top()) / rowHeight_;
        if (row < 0 || row >= lines.size()) return {};
        const QFont shown = fittedFont(font(), lines[row], area.width());
        return QFontMetrics(shown).horizontalAdvance(lines[row]) > area.width() ? lines[row] : QString();
    }
    if (!fitToWidth_) return {};
    return QFontMetrics(font()).horizontalAdvance(text()) > area.width() ? text() : QString();
}

bool ClickableLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString whole = cutTextAt(help->pos());
        if (whole.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), whole, this);
        }
        return true;
    }
    return QLabel::event(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    if (look_ == Look::Plain && rowHeight_ == 0) {
        if (!fitToWidth_) {
            QLabel::paintEvent(event);
            return;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintFitted(painter);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor color = textColor();

    switch (look_) {
        case Look::Plain:
            break;
        case Look::Button: {
            // A caption the game has lit up gets a deeper plate as well.
            const bool lit = color != palette().color(QPalette::Active, QPalette::ButtonText);
            QColor fill(0, 0, 0, lit && isEnabled() ? 110 : 64);
            QColor edge = color;
            edge.setAlpha(isEnabled() ? 150 : 60);
            painter.setPen(QPen(edge, 1.2));
            painter.setBrush(fill);
            const qreal radius = qMin(box.height() / 2.0, 10.0);
            painter.drawRoundedRect(box, radius, radius);
            break;
        }
        case Look::Plate:
            if (text().isEmpty()) return;
            painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 150), 1.0));
            painter.setBrush(QColor(8, 24, 14, 205));
            painter.drawRoundedRect(box, 7, 7);
            break;
        case Look::Progress: {
            QLinearGradient gradient(0, 0, 0, height());
            gradient.setColorAt(0, QColor(0xf7, 0xe3, 0x9a));
            gradient.setColorAt(0.5, QColor(0xd9, 0xb0, 0x40));
            gradient.setColorAt(1, QColor(0xa8, 0x80, 0x22));
            painter.setPen(QPen(QColor(0x5c, 0x45, 0x10), 1.0));
            painter.setBrush(gradient);
            painter.drawRoundedRect(box, 6, 6);
            painter.setPen(QColor(0x2a, 0x1e, 0x05));
            painter.setFont(font());
            painter.drawText(rect().adjusted(10, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetrics(font()).elidedText(text(), Qt::ElideRight, width() - 16));
            return;
        }
    }

    if (rowHeight_ > 0) {
        paintRows(painter, contentsRect());
        return;
    }
    painter.setPen(color);
    painter.setFont(font());
    const QRect area = contentsRect().adjusted(indent() > 0 ? indent() : 0, 0, 0, 0);
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(area, flags, text());
}

}  // namespace zelvaro::ui

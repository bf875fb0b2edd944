#include "ui/ClickableLabel.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "ui/Stage.h"

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

// `text` broken at the blank that leaves its longer line shortest; empty without a blank.
QStringList brokenInTwo(const QFontMetricsF& metrics, const QString& text) {
    QStringList best;
    qreal longest = 0;
    for (qsizetype at = text.indexOf(QLatin1Char(' ')); at > 0;
         at = text.indexOf(QLatin1Char(' '), at + 1)) {
        const QStringList two{text.left(at).trimmed(), text.mid(at + 1).trimmed()};
        if (two[0].isEmpty() || two[1].isEmpty()) continue;
        const qreal wider =
            std::max(metrics.horizontalAdvance(two[0]), metrics.horizontalAdvance(two[1]));
        if (best.isEmpty() || wider < longest) {
            best = two;
            longest = wider;
        }
    }
    return best;
}

}  // namespace

ClickableLabel::Fit ClickableLabel::fit(const QFont& font, const QString& text, const QSizeF& box,
                                        bool wrap) {
    // The window's fonts are sized in pixels; a font sized otherwise is only measured.
    const int largest = font.pixelSize();
    const int smallest = largest > 0 ? std::max(8, largest * 7 / 10) : largest;
    QFont shown = font;
    for (int size = largest; size >= smallest; --size) {
        if (size > 0) shown.setPixelSize(size);
        const QFontMetricsF metrics(shown);
        if (metrics.horizontalAdvance(text) <= box.width()) return {shown, {text}, true};
        if (!wrap || 2 * metrics.lineSpacing() > box.height()) continue;
        const QStringList two = brokenInTwo(metrics, text);
        if (!two.isEmpty() && metrics.horizontalAdvance(two[0]) <= box.width() &&
            metrics.horizontalAdvance(two[1]) <= box.width()) {
            return {shown, two, true};
        }
    }
    return {shown, {QFontMetricsF(shown).elidedText(text, Qt::ElideRight, box.width())}, false};
}

ClickableLabel::Fit ClickableLabel::fitOf(const QString& line) const {
    // Measured in the design, where the label's text is laid out.
    const QRectF area = Stage::designArea(this);
    const QFont font = Stage::designFont(this);
    if (rowHeight_ > 0) return fit(font, line, QSizeF(area.width(), rowHeight_), false);
    return fit(font, line, area.size(), true);
}

QColor ClickableLabel::textColor() const {
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
}

void ClickableLabel::paintRows(QPainter& painter, const QRectF& area) const {
    const QStringList lines = text().split(QLatin1Char('\n'));
    const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
    painter.setPen(textColor());
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF row(area.left(), area.top() + i * rowHeight_, area.width(), rowHeight_);
        if (row.top() >= area.bottom()) break;
        // A long name is set a little smaller rather than cut.
        const Fit shown = fitOf(lines[i]);
        painter.setFont(shown.font);
        painter.drawText(row, int(horizontal | Qt::AlignVCenter),
                         shown.lines.join(QLatin1Char('\n')));
    }
}

void ClickableLabel::paintFitted(QPainter& painter) const {
    // A long name is set smaller or in two lines rather than cut.
    const Fit shown = fitOf(text());
    painter.setFont(shown.font);
    painter.setPen(textColor());
    painter.drawText(Stage::designArea(this), int(alignment()),
                     shown.lines.join(QLatin1Char('\n')));
}

QString ClickableLabel::cutTextAt(const QPoint& point) const {
    if (rowHeight_ > 0) {
        const QStringList lines = text().split(QLatin1Char('\n'));
        const qreal top = Stage::designArea(this).top();
        const int row = int(std::floor((Stage::toDesign(this, point).y() - top) / rowHeight_));
        if (row < 0 || row >= lines.size()) return {};
        return fitOf(lines[row]).whole ? QString() : lines[row];
    }
    if (!fitToWidth_) return {};
    return fitOf(text()).whole ? QString() : text();
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

void ClickableLabel::setTabStop(bool stop) {
    setFocusPolicy(stop ? Qt::TabFocus : Qt::NoFocus);
}

bool ClickableLabel::reachable(const QWidget* widget) {
    if (!widget->isVisible() || !widget->isEnabled()) return false;
    const QWidget* window = widget->window();
    const QWidget* hit = window->childAt(widget->mapTo(window, widget->rect().center()));
    return hit == widget || widget->isAncestorOf(hit);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    // Under a panel the key is the window's (the table's own Space and Enter, say).
    if (press && hasFocus() && event->modifiers() == Qt::NoModifier && reachable(this)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void ClickableLabel::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    paintCaption(event);
    if (!hasFocus()) return;
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = Stage::designArea(this).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Stage::outline(painter, QColor(0xff, 0xe8, 0x9c), 2.0, Qt::DashLine));
    const qreal radius = std::min(ring.height() / 2.0, 10.0);
    painter.drawRoundedRect(ring, radius, radius);
}

void ClickableLabel::paintCaption(QPaintEvent* event) {
    if (look_ == Look::Plain && rowHeight_ == 0) {
        if (!fitToWidth_) {
            QLabel::paintEvent(event);
            return;
        }
        DesignPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintFitted(painter);
        return;
    }
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = Stage::designArea(this);
    const QFont font = Stage::designFont(this);
    const QRectF box = area.adjusted(0.5, 0.5, -0.5, -0.5);
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
            painter.setPen(Stage::outline(painter, edge, 1.2));
            painter.setBrush(fill);
            const qreal radius = qMin(box.height() / 2.0, 10.0);
            painter.drawRoundedRect(box, radius, radius);
            break;
        }
        case Look::Plate:
            if (text().isEmpty()) return;
            painter.setPen(Stage::outline(painter, QColor(0xc9, 0xa4, 0x3a, 150), 1.0));
            painter.setBrush(QColor(8, 24, 14, 205));
            painter.drawRoundedRect(box, 7, 7);
            break;
        case Look::Progress: {
            QLinearGradient gradient(0, 0, 0, area.height());
            gradient.setColorAt(0, QColor(0xf7, 0xe3, 0x9a));
            gradient.setColorAt(0.5, QColor(0xd9, 0xb0, 0x40));
            gradient.setColorAt(1, QColor(0xa8, 0x80, 0x22));
            painter.setPen(Stage::outline(painter, QColor(0x5c, 0x45, 0x10), 1.0));
            painter.setBrush(gradient);
            painter.drawRoundedRect(box, 6, 6);
            painter.setPen(QColor(0x2a, 0x1e, 0x05));
            painter.setFont(font);
            painter.drawText(
                area.adjusted(10, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter,
                QFontMetrics(font).elidedText(text(), Qt::ElideRight, int(area.width()) - 16));
            return;
        }
    }

    if (rowHeight_ > 0) {
        paintRows(painter, area);
        return;
    }
    painter.setPen(color);
    painter.setFont(font);
    const int flags = int(alignment()) | (wordWrap() ? int(Qt::TextWordWrap) : 0);
    painter.drawText(area.adjusted(indent() > 0 ? indent() : 0, 0, 0, 0), flags, text());
}

}  // namespace zelvaro::ui

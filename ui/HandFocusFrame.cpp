#include "ui/HandFocusFrame.h"

#include <QPainter>

#include "ui/Stage.h"

namespace zelvaro::ui {
namespace {

constexpr int kMargin = 4;

}  // namespace

HandFocusFrame::HandFocusFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("focoMano"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void HandFocusFrame::frame(const QWidget* card) {
    Stage::place(this, Stage::design(card).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    raise();
    show();
}

void HandFocusFrame::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 5.0));
    const QRectF box = Stage::designArea(this).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.drawRoundedRect(box, 8, 8);
    painter.setPen(QPen(QColor(0xf5, 0xc8, 0x42), 3.0));
    painter.drawRoundedRect(box, 8, 8);
}

}  // namespace zelvaro::ui

#include "ui/SeatShade.h"

#include <QPainter>

#include "ui/Stage.h"

namespace zelvaro::ui {
namespace {

// How dark an empty seat's plate gets.
constexpr int kShadeAlpha = 120;

}  // namespace

SeatShade::SeatShade(const QRect& plate, QWidget* table) : QWidget(table) {
    setObjectName(QStringLiteral("postoFuori"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    Stage::place(this, plate);
    hide();
    connect(&fade_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        level_ = value.toDouble();
        update();
    });
    connect(&fade_, &QVariantAnimation::finished, this, [this] {
        if (!out_) hide();
    });
}

void SeatShade::dim(bool out, int ms) {
    if (out == out_ && (ms > 0 || fade_.state() != QAbstractAnimation::Running)) return;
    out_ = out;
    fade_.stop();
    if (ms <= 0) {
        level_ = out ? 1.0 : 0.0;
        setVisible(out);
        update();
        return;
    }
    raise();
    show();
    fade_.setStartValue(level_);
    fade_.setEndValue(out ? 1.0 : 0.0);
    fade_.setDuration(ms);
    fade_.start();
}

void SeatShade::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, static_cast<int>(kShadeAlpha * level_)));
    painter.drawRoundedRect(Stage::designArea(this), 8, 8);
}

}  // namespace zelvaro::ui

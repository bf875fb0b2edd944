#include "ui/HintLabel.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>

namespace zelvaro::ui {
namespace {

constexpr int kStayMs = 3500;
constexpr int kFadeMs = 700;

}  // namespace

HintLabel::HintLabel(QWidget* parent) : ClickableLabel(parent) {
    setLook(Look::Plate);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    opacity_ = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(opacity_);
    fade_ = new QPropertyAnimation(opacity_, "opacity", this);
    fade_->setDuration(kFadeMs);
    fade_->setStartValue(1.0);
    fade_->setEndValue(0.0);
    connect(fade_, &QPropertyAnimation::finished, this, &QWidget::hide);
    stay_.setSingleShot(true);
    stay_.setInterval(kStayMs);
    connect(&stay_, &QTimer::timeout, fade_, [this] { fade_->start(); });
}

void HintLabel::showEvent(QShowEvent* event) {
    // Every showing starts at full strength and stays its time again.
    fade_->stop();
    opacity_->setOpacity(1.0);
    stay_.start();
    ClickableLabel::showEvent(event);
}

}  // namespace zelvaro::ui

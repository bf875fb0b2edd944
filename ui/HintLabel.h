// A short hint that says why a click did nothing: shown over the game without stopping it,
// it fades away by itself after a few seconds.
#pragma once

#include <QTimer>

#include "ui/ClickableLabel.h"

class QGraphicsOpacityEffect;
class QPropertyAnimation;

namespace zelvaro::ui {

class HintLabel : public ClickableLabel {
    Q_OBJECT
public:
    explicit HintLabel(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTimer stay_;
    QGraphicsOpacityEffect* opacity_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
};

}  // namespace zelvaro::ui

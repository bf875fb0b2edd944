// An opponent's strength meter: the game sets its width, the bar fills it.
#pragma once

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class StrengthBar : public ClickableLabel {
    Q_OBJECT
public:
    explicit StrengthBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvaro::ui

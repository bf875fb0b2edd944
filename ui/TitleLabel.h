// The game's name on the main menu: engraved gold letters with a soft shadow.
#pragma once

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class TitleLabel : public ClickableLabel {
    Q_OBJECT
public:
    explicit TitleLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zelvaro::ui

// The tournament standings screen (Picture27): a ruled sheet of twenty rows with flags, seven
// text columns under their header, and the page controls.
#pragma once

#include <QPixmap>

#include "ui/PaintedScreen.h"

namespace zelvaro::ui {

class ControlBuilder;

class StandingsPanel : public PaintedScreen {
    Q_OBJECT
public:
    explicit StandingsPanel(QWidget* parent = nullptr);

    void build(ControlBuilder& make);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintBackground(QPixmap& sheet) override;

};

}  // namespace zelvaro::ui

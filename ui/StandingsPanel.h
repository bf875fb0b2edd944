// The tournament standings screen (Picture27): a ruled sheet of twenty rows with flags, seven
// text columns under their header, and the page controls, which the keyboard also turns.
#pragma once

#include <QPixmap>
#include <array>
#include <utility>

#include "ui/PaintedScreen.h"

class QPushButton;

namespace zelvaro::ui {

class ControlBuilder;

class StandingsPanel : public PaintedScreen {
    Q_OBJECT
public:
    explicit StandingsPanel(QWidget* parent = nullptr);

    void build(ControlBuilder& make);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintBackground(QPainter& painter) override;

private:
    // Each paging key and the button it presses: Home "|<<", PageUp and Left "<<",
    // PageDown and Right ">>", End ">>|".
    std::array<std::pair<int, QPushButton*>, 6> pageKeys_{};
};

}  // namespace zelvaro::ui

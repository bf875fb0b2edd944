// The table screen (Picture1): the felt with the printed table, the seats and the trick
// (TableSeats), the prize cards, the options strip, the header, the ranking column on the
// right (RankingColumn) and the player's aids. Every control of the table is laid out from
// the shared table geometry, so the markers the game moves land where the cards are.
#pragma once

#include <QPixmap>

#include "ui/PaintedScreen.h"

namespace zelvaro::ui {

class ControlBuilder;

class TablePanel : public PaintedScreen {
    Q_OBJECT
public:
    explicit TablePanel(QWidget* parent = nullptr);

    // Creates the table's controls as children of this panel.
    void build(ControlBuilder& make);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void paintBackground(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The options strip, the header, the prize cards and the pot, and the buttons top right.
    void buildTopStrip(ControlBuilder& make);
    // The player's aids: the seat on turn lit, his prompt, the hints, fast-forward, the last
    // trick.
    void buildHelpers(ControlBuilder& make);
    // Repaints the cloth when one of these controls is shown or hidden.
    void followVisibility(QWidget* widget);

    QWidget* prizeCard_ = nullptr;
    QWidget* tournamentList_ = nullptr;
};

}  // namespace zelvaro::ui

// The table screen (Picture1): the felt with the printed table, the five opponents' seats,
// the human's hand and seat, the prize cards, the options strip, the header, and the
// ranking column on the right. It lays out every control of the table from the shared table
// geometry, so the markers the game moves land where the cards are.
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
    void paintBackground(QPixmap& cloth) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSeats(ControlBuilder& make);
    void buildHuman(ControlBuilder& make);
    void buildTrick(ControlBuilder& make);
    void buildTopStrip(ControlBuilder& make);
    void buildRanking(ControlBuilder& make);
    // The player's aids: the seat on turn lit, his prompt, the hints, fast-forward, the last
    // trick.
    void buildHelpers(ControlBuilder& make);
    // Repaints the cloth when one of these controls is shown or hidden.
    void followVisibility(QWidget* widget);

    QWidget* prizeCard_ = nullptr;
    QWidget* tournamentList_ = nullptr;
};

}  // namespace zelvaro::ui

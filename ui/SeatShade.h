// The shade over a seat that has dropped out of the hand: its plate dims as its last card
// leaves, and lights again when the seat is dealt new cards. Only drawn, never clicked.
#pragma once

#include <QVariantAnimation>
#include <QWidget>

namespace zelvaro::ui {

class SeatShade : public QWidget {
    Q_OBJECT
public:
    // Shades `plate` (design pixels) on `table`.
    SeatShade(const QRect& plate, QWidget* table);

    // Dims or lights the seat, over `ms` (at once for 0).
    void dim(bool out, int ms);
    bool dimmed() const { return out_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVariantAnimation fade_;
    double level_ = 0;
    bool out_ = false;
};

}  // namespace zelvaro::ui

// The table list on the table screen (Combo7): a pick-only list of the tables in play whose
// open list drops from the box, a few rows tall, and stays inside the window whatever the
// screen around it.
#pragma once

#include <QComboBox>
#include <QRect>
#include <QSize>

namespace zelvaro::ui {

class TableListBox : public QComboBox {
    Q_OBJECT
public:
    explicit TableListBox(QWidget* parent = nullptr);

    void showPopup() override;

    // Where an open list of `list` size goes for a box at `box` in a window at `window`: under
    // the box, or over it when only there is room, its right edge on the box's; shortened to
    // the larger room when neither holds it; never past the window's sides.
    static QRect popupPlace(const QRect& box, const QRect& window, QSize list);
};

}  // namespace zelvaro::ui

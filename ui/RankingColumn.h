// The ranking column on the right of the table screen: the table's own ranking and, in a
// tournament, one chosen table's and the best six overall, each row a flag, a name and the
// points; below them the button to the whole standings.
#pragma once

#include <QRect>
#include <QString>

#include "primitives/Controls.h"

class QPainter;
class QWidget;

namespace zelvaro::ui {

class ClickableLabel;
class ControlBuilder;

class RankingColumn {
public:
    // Where the column stands; the buttons above it and the last trick below it line up
    // with it.
    static constexpr int kLeft = 828;
    static constexpr int kWidth = 194;

    // The controls are made as children of `table`.
    RankingColumn(ControlBuilder& make, QWidget& table);

    // Returns the heading of the tournament lists, which are shown only in a tournament.
    QWidget* build();
    // The column's plate, reaching down to the tournament lists when they are shown.
    static void paint(QPainter& painter, bool tournament);

private:
    ClickableLabel* heading(Control c, const QRect& place, const QString& text, int pixels);
    // Six rows of text, one a player.
    void textColumn(Control c, int x, int width, int top, Qt::Alignment alignment, int pixels);
    void flags(ControlArray<6> images, int top);

    ControlBuilder& make_;
    QWidget* table_;
};

}  // namespace zelvaro::ui

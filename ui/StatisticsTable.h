// A table of the statistics panel: the rows the game gives it, the header first, each cell in
// its column's width; a cell too long for its column is cut with an ellipsis.
#pragma once

#include <QList>
#include <QStringList>

#include "primitives/Surface.h"
#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class StatisticsTable : public ClickableLabel {
    Q_OBJECT
public:
    struct Column {
        int width;
        Qt::Alignment alignment;
    };
    StatisticsTable(QList<Column> columns, QWidget* parent = nullptr);

    void setRows(const Surface::Rows& rows);
    Surface::Rows rows() const;
    // The cells too long for their columns (drawn cut).
    QStringList cutCells() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QFont fontOf(bool header, int rowHeight);
    int rowHeightFor(int rows) const;
    // What the table draws of `cell` in column `column`, in `font`.
    QString shownCell(const QString& cell, int column, const QFont& font) const;

    QList<Column> columns_;
    QList<QStringList> rows_;
};

}  // namespace zelvaro::ui

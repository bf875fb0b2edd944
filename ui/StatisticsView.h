// The statistics panel's window side: Frame7 with its controls, a table drawn from lines of
// tab-separated cells, and a small chart of the last tournament places.
#pragma once

#include <QList>
#include <QRectF>

#include "ui/ClickableLabel.h"

class QWidget;

namespace zelvaro::ui {

class ControlBuilder;

// Draws its caption as a table: one line a row, the first the header, cells separated by
// tabs, each column in its width; a cell too long for its column is cut with an ellipsis.
class StatisticsTable : public ClickableLabel {
    Q_OBJECT
public:
    struct Column {
        int width;
        Qt::Alignment alignment;
    };
    StatisticsTable(QList<Column> columns, QWidget* parent = nullptr);
    // The cells of the caption too long for their columns (drawn cut).
    QStringList cutCells() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QFont fontOf(bool header, int rowHeight);
    int rowHeightFor(int rows) const;
    // What the table draws of `cell` in column `column`, in `font`.
    QString shownCell(const QString& cell, int column, const QFont& font) const;
    QList<Column> columns_;
};

// Draws its caption, the places of the last tournaments oldest first ("37 12 145"), as a line
// over a scale from 1° at the top to the field's last place at the bottom.
class PlaceChart : public ClickableLabel {
    Q_OBJECT
public:
    explicit PlaceChart(QWidget* parent = nullptr);

    // The latest place written beside its point: its text, font and box in the chart's design.
    struct Caption {
        QString text;
        QFont font;
        QRectF box;
    };
    // Empty text while the chart has no place.
    Caption latestCaption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Frame7 and everything on it, on the window's form.
void buildStatisticsPanel(ControlBuilder& make, QWidget* form);

}  // namespace zelvaro::ui

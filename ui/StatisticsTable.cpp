#include "ui/StatisticsTable.h"

#include <QPainter>

#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

constexpr int kHeaderHeight = 24;
constexpr int kRowHeight = 21;
// Space kept clear on either side of a cell's text.
constexpr int kCellPadding = 4;

}  // namespace

StatisticsTable::StatisticsTable(QList<Column> columns, QWidget* parent)
    : ClickableLabel(parent), columns_(std::move(columns)) {}

void StatisticsTable::setRows(const Surface::Rows& rows) {
    QList<QStringList> given;
    for (const std::vector<std::string>& row : rows) {
        QStringList cells;
        for (const std::string& cell : row) cells.append(QString::fromStdString(cell));
        given.append(cells);
    }
    if (given == rows_) return;
    rows_ = std::move(given);
    update();
}

Surface::Rows StatisticsTable::rows() const {
    Surface::Rows rows;
    for (const QStringList& cells : rows_) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const QString& cell : cells) row.push_back(cell.toStdString());
    }
    return rows;
}

QFont StatisticsTable::fontOf(bool header, int rowHeight) {
    return header ? Theme::sans(12, true) : Theme::sans(rowHeight < 17 ? 11 : 13, false);
}

int StatisticsTable::rowHeightFor(int rows) const {
    // Every row stays inside the table: many rows share its height.
    const int height = Stage::design(this).height();
    return rows > 0 ? std::min(kRowHeight, (height - kHeaderHeight) / rows) : kRowHeight;
}

QString StatisticsTable::shownCell(const QString& cell, int column, const QFont& font) const {
    // Every cell of a table in the table's one font: the columns are made wide enough for
    // the longest figures, and what is longer still is cut.
    const int width = columns_[column].width - 2 * kCellPadding;
    return QFontMetricsF(font).elidedText(cell, Qt::ElideRight, width);
}

QStringList StatisticsTable::cutCells() const {
    QStringList cut;
    const int rowHeight = rowHeightFor(int(rows_.size()) - 1);
    for (int row = 0; row < rows_.size(); ++row) {
        const QFont font = fontOf(row == 0, rowHeight);
        const QStringList& cells = rows_[row];
        for (int c = 0; c < columns_.size() && c < cells.size(); ++c) {
            if (shownCell(cells[c], c, font) != cells[c]) cut.append(cells[c]);
        }
    }
    return cut;
}

void StatisticsTable::paintEvent(QPaintEvent*) {
    if (rows_.isEmpty()) return;
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int width = Stage::design(this).width();
    const int rows = int(rows_.size()) - 1;
    const int rowHeight = rowHeightFor(rows);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc9, 0xa4, 0x3a, 40));
    painter.drawRoundedRect(QRectF(0, 0, width, kHeaderHeight), 5, 5);
    for (int row = 0; row < rows; row += 2) {
        painter.setBrush(QColor(255, 255, 255, 13));
        painter.drawRect(QRectF(0, kHeaderHeight + row * rowHeight, width, rowHeight));
    }
    for (int row = 0; row < rows_.size(); ++row) {
        const bool header = row == 0;
        const QFont font = fontOf(header, rowHeight);
        painter.setFont(font);
        painter.setPen(header ? Theme::paleGold()
                              : (isEnabled() ? Theme::cream() : Theme::dimCream()));
        const QRect band = header
                               ? QRect(0, 0, width, kHeaderHeight)
                               : QRect(0, kHeaderHeight + (row - 1) * rowHeight, width, rowHeight);
        const QStringList& cells = rows_[row];
        int left = 0;
        for (int c = 0; c < columns_.size() && c < cells.size(); ++c) {
            const QRect cell(left + kCellPadding, band.top(), columns_[c].width - 2 * kCellPadding,
                             band.height());
            painter.drawText(cell, int(columns_[c].alignment | Qt::AlignVCenter),
                             shownCell(cells[c], c, font));
            left += columns_[c].width;
        }
    }
}

}  // namespace zelvaro::ui

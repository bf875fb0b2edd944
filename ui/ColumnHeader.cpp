#include "ui/ColumnHeader.h"

#include <QPainter>

#include "ui/Stage.h"

namespace zelvaro::ui {

ColumnHeader::ColumnHeader(QWidget* parent) : ClickableLabel(parent) {}

void ColumnHeader::setColumns(QList<Column> columns) {
    columns_ = std::move(columns);
    update();
}

bool ColumnHeader::captionHoldsColumns() const {
    if (columns_.isEmpty()) return false;
    const QString caption = text();
    const auto blanksOnly = [&caption](qsizetype from, qsizetype to) {
        return caption.mid(from, to - from).trimmed().isEmpty();
    };
    // The words must follow each other with only blanks around them.
    qsizetype from = 0;
    for (const Column& column : columns_) {
        const qsizetype at = caption.indexOf(column.word, from);
        if (at < 0 || !blanksOnly(from, at)) return false;
        from = at + column.word.size();
    }
    return blanksOnly(from, caption.size());
}

void ColumnHeader::paintEvent(QPaintEvent* event) {
    if (!captionHoldsColumns()) {
        ClickableLabel::paintEvent(event);
        return;
    }
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(textColor());
    painter.setFont(Stage::designFont(this));
    const qreal height = Stage::designArea(this).height();
    for (const Column& column : columns_) {
        const QRectF cell(column.left, 0, column.width, height);
        painter.drawText(cell, int(column.alignment | Qt::AlignVCenter), column.word);
    }
}

}  // namespace zelvaro::ui

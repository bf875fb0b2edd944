// A column header caption: the words of its text are drawn over the columns they name, so a
// header written with runs of blanks still lines up with the controls or lists below it.
// A caption that does not contain the expected words is drawn as ordinary text.
#pragma once

#include <QList>
#include <QString>

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

class ColumnHeader : public ClickableLabel {
    Q_OBJECT
public:
    struct Column {
        QString word;  // as it appears in the caption, in order
        int left;      // pixels, relative to this caption
        int width;
        Qt::Alignment alignment = Qt::AlignLeft;
    };

    explicit ColumnHeader(QWidget* parent = nullptr);
    void setColumns(QList<Column> columns);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool captionHoldsColumns() const;

    QList<Column> columns_;
};

}  // namespace zelvaro::ui

// The statistics panel's chart: its caption, the places of the last tournaments oldest first
// ("37 12 145"), drawn as a line over a scale from 1° at the top to the field's last place at
// the bottom.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

#include "ui/ClickableLabel.h"

namespace zelvaro::ui {

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

}  // namespace zelvaro::ui

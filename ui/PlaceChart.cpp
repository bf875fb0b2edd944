#include "ui/PlaceChart.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "primitives/Tournament.h"
#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

// The chart's scale ends at the last place of a whole field.
constexpr double kLastPlace = Tournament::kFullField;

// The chart's places, oldest first, on a logarithmic scale, so that 1°, 10°, 100° and 1000°
// stand equally apart.
struct ChartPlot {
    ChartPlot(const QRectF& area, const QString& text) : plot(area.adjusted(46, 12, -14, -14)) {
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int place = word.toInt();
            if (place > 0) places.append(place);
        }
    }
    double yOf(int place) const {
        const double share = std::log(std::max(1, place)) / std::log(kLastPlace);
        return plot.top() + std::min(1.0, share) * plot.height();
    }
    QPointF pointOf(qsizetype i) const {
        const double step = places.size() > 1 ? plot.width() / double(places.size() - 1) : 0;
        return {places.size() > 1 ? plot.left() + double(i) * step : plot.center().x(),
                yOf(places[i])};
    }

    QRectF plot;
    QList<int> places;
};

QString placeCaption(int place) {
    return QString::number(place) + QStringLiteral("\u00b0");
}

}  // namespace

PlaceChart::PlaceChart(QWidget* parent) : ClickableLabel(parent) {}

PlaceChart::Caption PlaceChart::latestCaption() const {
    const QRectF area = Stage::designArea(this);
    const ChartPlot chart(area, text());
    if (chart.places.isEmpty()) return {};
    Caption caption{placeCaption(chart.places.back()), Theme::sans(12, true), QRectF()};
    // Right of its point, or left of it where the chart ends first; above it, or below it at
    // the top of the scale.
    const QPointF latest = chart.pointOf(chart.places.size() - 1);
    const qreal width = QFontMetricsF(caption.font).horizontalAdvance(caption.text) + 4;
    const qreal right = latest.x() + 7;
    const qreal x = right + width <= area.right() - 2
                        ? right
                        : std::max(chart.plot.left(), latest.x() - 7 - width);
    const qreal y = latest.y() < chart.plot.top() + 16 ? latest.y() + 6 : latest.y() - 20;
    caption.box = QRectF(x, y, width, 16);
    return caption;
}

void PlaceChart::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = Stage::designArea(this);
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 150), 1.2));
    painter.setBrush(QColor(4, 20, 10, 150));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    const ChartPlot chart(area, text());
    painter.setFont(Theme::sans(11));
    if (chart.places.isEmpty()) {
        painter.setPen(Theme::dimCream());
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Ancora nessun torneo concluso"));
        return;
    }
    for (int mark : {1, 10, 100, 1000}) {
        const double y = chart.yOf(mark);
        painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 60), 1.0));
        painter.drawLine(QPointF(chart.plot.left(), y), QPointF(chart.plot.right(), y));
        painter.setPen(Theme::dimCream());
        painter.drawText(QRectF(4, y - 8, chart.plot.left() - 10, 16),
                         Qt::AlignRight | Qt::AlignVCenter, placeCaption(mark));
    }
    QPainterPath line;
    for (qsizetype i = 0; i < chart.places.size(); ++i) {
        if (i == 0)
            line.moveTo(chart.pointOf(i));
        else
            line.lineTo(chart.pointOf(i));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Theme::gold(), 2.0));
    painter.drawPath(line);
    for (qsizetype i = 0; i < chart.places.size(); ++i) {
        const bool last = i == chart.places.size() - 1;
        painter.setPen(Qt::NoPen);
        painter.setBrush(last ? QColor(0xff, 0xe8, 0x9c) : Theme::paleGold());
        painter.drawEllipse(chart.pointOf(i), last ? 4.5 : 3.0, last ? 4.5 : 3.0);
    }
    // The latest place, written beside its point, inside the chart.
    const Caption caption = latestCaption();
    painter.setPen(QColor(0xff, 0xe8, 0x9c));
    painter.setFont(caption.font);
    painter.drawText(caption.box, Qt::AlignLeft | Qt::AlignVCenter, caption.text);
}

}  // namespace zelvaro::ui

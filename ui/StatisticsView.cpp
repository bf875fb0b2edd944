#include "ui/StatisticsView.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

#include "engine/display/TableLayout.h"
#include "primitives/Tournament.h"
#include "ui/ControlBuilder.h"
#include "ui/PanelFrame.h"
#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

constexpr int kHeaderHeight = 24;
constexpr int kRowHeight = 21;
// Space kept clear on either side of a cell's text.
constexpr int kCellPadding = 4;
// The chart's scale ends at the last place of a whole field.
constexpr double kLastPlace = Tournament::kFullField;

using Column = StatisticsTable::Column;

ClickableLabel* button(ControlBuilder& make, QWidget* parent, Control c, const QRect& place,
                       const QString& text) {
    auto* b = make.label(parent, c, place, text, ClickableLabel::Look::Button, Qt::AlignCenter);
    b->setFont(Theme::sans(16, true));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

}  // namespace

StatisticsTable::StatisticsTable(QList<Column> columns, QWidget* parent)
    : ClickableLabel(parent), columns_(std::move(columns)) {}

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
    const QStringList lines = text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int rowHeight = rowHeightFor(int(lines.size()) - 1);
    for (int line = 0; line < lines.size(); ++line) {
        const QFont font = fontOf(line == 0, rowHeight);
        const QStringList cells = lines[line].split(QLatin1Char('\t'));
        for (int c = 0; c < columns_.size() && c < cells.size(); ++c) {
            if (shownCell(cells[c], c, font) != cells[c]) cut.append(cells[c]);
        }
    }
    return cut;
}

void StatisticsTable::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QStringList lines = text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty()) return;
    const int width = Stage::design(this).width();
    const int rows = int(lines.size()) - 1;
    const int rowHeight = rowHeightFor(rows);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc9, 0xa4, 0x3a, 40));
    painter.drawRoundedRect(QRectF(0, 0, width, kHeaderHeight), 5, 5);
    for (int row = 0; row < rows; row += 2) {
        painter.setBrush(QColor(255, 255, 255, 13));
        painter.drawRect(QRectF(0, kHeaderHeight + row * rowHeight, width, rowHeight));
    }
    for (int line = 0; line < lines.size(); ++line) {
        const bool header = line == 0;
        const QFont font = fontOf(header, rowHeight);
        painter.setFont(font);
        painter.setPen(header ? Theme::paleGold() : (isEnabled() ? Theme::cream() : Theme::dimCream()));
        const QRect band = header ? QRect(0, 0, width, kHeaderHeight)
                                  : QRect(0, kHeaderHeight + (line - 1) * rowHeight, width, rowHeight);
        const QStringList cells = lines[line].split(QLatin1Char('\t'));
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

namespace {

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
        if (i == 0) line.moveTo(chart.pointOf(i));
        else line.lineTo(chart.pointOf(i));
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

void buildStatisticsPanel(ControlBuilder& make, QWidget* form) {
    const QRect card(40, 22, 950, 706);
    auto* panel = make.adopt(new PanelFrame(PanelFrame::Mode::Overlay, form), ctl::Frame7,
                             QRect(0, 0, layout::kWindowWidth, layout::kWindowHeight));
    panel->setTitle(QStringLiteral("Statistiche"));
    panel->setCardRect(card);
    const int left = card.left() + 24;
    const int inner = card.width() - 48;
    const int top = panel->contentTop();

    // The profile, with the arrows to the one before and after.
    make.command(panel, ctl::Command9, QRect(left, top + 2, 44, 34), QStringLiteral("<"));
    make.command(panel, ctl::Command10, QRect(left + inner - 44, top + 2, 44, 34), QStringLiteral(">"));
    auto* name = make.label(panel, ctl::Label68, QRect(left + 56, top, inner - 112, 38), QString(),
                            ClickableLabel::Look::Plain, Qt::AlignCenter);
    name->setFont(Theme::serif(24, true));
    Theme::setTextColor(name, Theme::paleGold());
    auto* summary = make.label(panel, ctl::Label69, QRect(left, top + 44, inner, 24), QString(),
                               ClickableLabel::Look::Plain, Qt::AlignCenter);
    summary->setFont(Theme::sans(13, true));
    summary->setFitToWidth(true);

    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment leftAligned = Qt::AlignLeft;
    // Each column takes its longest figures at the table's size: six places of a type played
    // a thousand times, a signed average of points, an average place in a field of 1536.
    make.adopt(new StatisticsTable({{132, leftAligned}, {68, centre}, {64, centre}, {182, centre},
                                    {96, centre}, {104, centre}, {90, centre}, {68, centre},
                                    {98, centre}},
                                   panel),
               ctl::Label70, QRect(left, top + 80, inner, 196));

    const int lower = top + 290;
    const int tableWidth = 660;
    make.adopt(new StatisticsTable({{124, leftAligned}, {108, leftAligned}, {72, centre},
                                    {82, centre}, {58, centre}, {64, centre}, {60, centre},
                                    {48, centre}, {44, centre}},
                                   panel),
               ctl::Label71, QRect(left, lower, tableWidth, 196));
    const int chartLeft = left + tableWidth + 18;
    auto* chartTitle = make.label(panel, ctl::Label73, QRect(chartLeft, lower, left + inner - chartLeft, 24),
                                  QStringLiteral("Piazzamenti degli ultimi tornei"),
                                  ClickableLabel::Look::Plain, Qt::AlignCenter);
    chartTitle->setFont(Theme::sans(12, true));
    Theme::setTextColor(chartTitle, Theme::paleGold());
    make.adopt(new PlaceChart(panel), ctl::Picture29, QRect(chartLeft, lower + 28, left + inner - chartLeft, 168));

    auto* best = make.label(panel, ctl::Label72, QRect(left, lower + 206, inner, 24), QString(),
                            ClickableLabel::Look::Plain, Qt::AlignLeft | Qt::AlignVCenter);
    best->setFont(Theme::sans(13));
    best->setFitToWidth(true);

    const int buttons = card.bottom() - 60;
    button(make, panel, ctl::Label74, QRect(left, buttons, 136, 40), QStringLiteral("Azzera"));
    button(make, panel, ctl::Label75, QRect(left + inner - 136, buttons, 136, 40), QStringLiteral("Indietro"));
}

}  // namespace zelvaro::ui

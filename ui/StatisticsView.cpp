#include "ui/StatisticsView.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <cmath>

#include "engine/display/TableLayout.h"
#include "ui/ControlBuilder.h"
#include "ui/PanelFrame.h"
#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

constexpr int kHeaderHeight = 24;
constexpr int kRowHeight = 21;
// The chart's scale ends at the last place of a whole field.
constexpr double kLastPlace = 1536;

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

QStringList StatisticsTable::cutCells() const {
    QStringList cut;
    const QStringList lines = text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int rowHeight = rowHeightFor(int(lines.size()) - 1);
    for (int line = 0; line < lines.size(); ++line) {
        const QFontMetrics metrics(fontOf(line == 0, rowHeight));
        const QStringList cells = lines[line].split(QLatin1Char('\t'));
        for (int c = 0; c < columns_.size() && c < cells.size(); ++c) {
            if (metrics.horizontalAdvance(cells[c]) > columns_[c].width - 8) cut.append(cells[c]);
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
        painter.setFont(fontOf(header, rowHeight));
        painter.setPen(header ? Theme::paleGold() : (isEnabled() ? Theme::cream() : Theme::dimCream()));
        const QRect band = header ? QRect(0, 0, width, kHeaderHeight)
                                  : QRect(0, kHeaderHeight + (line - 1) * rowHeight, width, rowHeight);
        const QStringList cells = lines[line].split(QLatin1Char('\t'));
        int left = 0;
        for (int c = 0; c < columns_.size() && c < cells.size(); ++c) {
            const QRect cell(left + 4, band.top(), columns_[c].width - 8, band.height());
            const QString shown = painter.fontMetrics().elidedText(cells[c], Qt::ElideRight, cell.width());
            painter.drawText(cell, int(columns_[c].alignment | Qt::AlignVCenter), shown);
            left += columns_[c].width;
        }
    }
}

PlaceChart::PlaceChart(QWidget* parent) : ClickableLabel(parent) {}

void PlaceChart::paintEvent(QPaintEvent*) {
    DesignPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = Stage::designArea(this);
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 150), 1.2));
    painter.setBrush(QColor(4, 20, 10, 150));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

    QList<int> places;
    for (const QString& word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int place = word.toInt();
        if (place > 0) places.append(place);
    }
    painter.setFont(Theme::sans(11));
    if (places.isEmpty()) {
        painter.setPen(Theme::dimCream());
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("Ancora nessun torneo concluso"));
        return;
    }
    // Places on a logarithmic scale, so that 1°, 10°, 100° and 1000° stand equally apart.
    const QRectF plot = area.adjusted(46, 12, -14, -14);
    const auto yOf = [&plot](int place) {
        const double share = std::log(std::max(1, place)) / std::log(kLastPlace);
        return plot.top() + std::min(1.0, share) * plot.height();
    };
    for (int mark : {1, 10, 100, 1000}) {
        const double y = yOf(mark);
        painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 60), 1.0));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Theme::dimCream());
        painter.drawText(QRectF(4, y - 8, plot.left() - 10, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(mark) + QStringLiteral("\u00b0"));
    }
    const double step = places.size() > 1 ? plot.width() / (places.size() - 1) : 0;
    const auto pointOf = [&](int i) {
        return QPointF(places.size() > 1 ? plot.left() + i * step : plot.center().x(), yOf(places[i]));
    };
    QPainterPath line;
    for (int i = 0; i < places.size(); ++i) {
        if (i == 0) line.moveTo(pointOf(i));
        else line.lineTo(pointOf(i));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Theme::gold(), 2.0));
    painter.drawPath(line);
    for (int i = 0; i < places.size(); ++i) {
        const bool last = i == places.size() - 1;
        painter.setPen(Qt::NoPen);
        painter.setBrush(last ? QColor(0xff, 0xe8, 0x9c) : Theme::paleGold());
        painter.drawEllipse(pointOf(i), last ? 4.5 : 3.0, last ? 4.5 : 3.0);
    }
    // The latest place, written beside its point, inside the chart.
    const QPointF latest = pointOf(int(places.size()) - 1);
    const QString caption = QString::number(places.back()) + QStringLiteral("\u00b0");
    const int textWidth = painter.fontMetrics().horizontalAdvance(caption) + 4;
    const double x = std::min(latest.x() + 7, plot.right() + 12 - textWidth);
    const double y = latest.y() < plot.top() + 16 ? latest.y() + 6 : latest.y() - 20;
    painter.setPen(QColor(0xff, 0xe8, 0x9c));
    painter.setFont(Theme::sans(12, true));
    painter.drawText(QRectF(x - (x < latest.x() + 7 ? textWidth + 10 : 0), y, textWidth, 16),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
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
    make.adopt(new StatisticsTable({{150, leftAligned}, {76, centre}, {70, centre}, {150, centre},
                                    {96, centre}, {104, centre}, {90, centre}, {68, centre},
                                    {98, centre}},
                                   panel),
               ctl::Label70, QRect(left, top + 80, inner, 196));

    const int lower = top + 290;
    const int tableWidth = 660;
    make.adopt(new StatisticsTable({{124, leftAligned}, {108, leftAligned}, {76, centre},
                                    {88, centre}, {58, centre}, {64, centre}, {50, centre},
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

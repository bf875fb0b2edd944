#include "ui/StatisticsView.h"

#include "engine/display/TableLayout.h"
#include "ui/ControlBuilder.h"
#include "ui/PanelFrame.h"
#include "ui/PlaceChart.h"
#include "ui/StatisticsTable.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

using Column = StatisticsTable::Column;

ClickableLabel* button(ControlBuilder& make, QWidget* parent, Control c, const QRect& place,
                       const QString& text) {
    auto* b = make.label(parent, c, place, text, ClickableLabel::Look::Button, Qt::AlignCenter);
    b->setFont(Theme::sans(16, true));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

}  // namespace

void buildStatisticsPanel(ControlBuilder& make, QWidget* form) {
    const QRect card(40, 22, 950, 706);
    auto* panel = make.adopt(new PanelFrame(PanelFrame::Mode::Overlay, form), ctl::StatisticsFrame,
                             QRect(0, 0, layout::kWindowWidth, layout::kWindowHeight));
    panel->setTitle(QStringLiteral("Statistiche"));
    panel->setCardRect(card);
    const int left = card.left() + 24;
    const int inner = card.width() - 48;
    const int top = panel->contentTop();

    // The profile, with the arrows to the one before and after.
    make.command(panel, ctl::PreviousProfile, QRect(left, top + 2, 44, 34), QStringLiteral("<"));
    make.command(panel, ctl::NextProfile, QRect(left + inner - 44, top + 2, 44, 34),
                 QStringLiteral(">"));
    auto* name = make.label(panel, ctl::StatisticsProfile, QRect(left + 56, top, inner - 112, 38),
                            QString(), ClickableLabel::Look::Plain, Qt::AlignCenter);
    name->setFont(Theme::serif(24, true));
    Theme::setTextColor(name, Theme::paleGold());
    auto* summary = make.label(panel, ctl::StatisticsSummary, QRect(left, top + 44, inner, 24),
                               QString(), ClickableLabel::Look::Plain, Qt::AlignCenter);
    summary->setFont(Theme::sans(13, true));
    summary->setFitToWidth(true);

    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment leftAligned = Qt::AlignLeft;
    // Each column takes its longest figures at the table's size: six places of a type played
    // a thousand times, a signed average of points, an average place in a field of 1536.
    make.adopt(new StatisticsTable({{132, leftAligned},
                                    {68, centre},
                                    {64, centre},
                                    {182, centre},
                                    {96, centre},
                                    {104, centre},
                                    {90, centre},
                                    {68, centre},
                                    {98, centre}},
                                   panel),
               ctl::GameTypesTable, QRect(left, top + 80, inner, 196));

    const int lower = top + 290;
    const int tableWidth = 660;
    make.adopt(new StatisticsTable({{124, leftAligned},
                                    {108, leftAligned},
                                    {72, centre},
                                    {82, centre},
                                    {58, centre},
                                    {64, centre},
                                    {60, centre},
                                    {48, centre},
                                    {44, centre}},
                                   panel),
               ctl::TournamentsTable, QRect(left, lower, tableWidth, 196));
    const int chartLeft = left + tableWidth + 18;
    auto* chartTitle = make.label(panel, ctl::PlaceChartTitle,
                                  QRect(chartLeft, lower, left + inner - chartLeft, 24),
                                  QStringLiteral("Piazzamenti degli ultimi tornei"),
                                  ClickableLabel::Look::Plain, Qt::AlignCenter);
    chartTitle->setFont(Theme::sans(12, true));
    Theme::setTextColor(chartTitle, Theme::paleGold());
    make.adopt(new PlaceChart(panel), ctl::PlaceChart,
               QRect(chartLeft, lower + 28, left + inner - chartLeft, 168));

    auto* best = make.label(panel, ctl::BestPlaces, QRect(left, lower + 206, inner, 24), QString(),
                            ClickableLabel::Look::Plain, Qt::AlignLeft | Qt::AlignVCenter);
    best->setFont(Theme::sans(13));
    best->setFitToWidth(true);

    const int buttons = card.bottom() - 60;
    button(make, panel, ctl::ResetStatistics, QRect(left, buttons, 136, 40),
           QStringLiteral("Azzera"));
    button(make, panel, ctl::CloseStatistics, QRect(left + inner - 136, buttons, 136, 40),
           QStringLiteral("Indietro"));
}

}  // namespace zelvaro::ui

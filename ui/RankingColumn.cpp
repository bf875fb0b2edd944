#include "ui/RankingColumn.h"

#include <QPainter>

#include "ui/ControlBuilder.h"
#include "ui/FeltPainter.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"
#include "ui/TableListBox.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

constexpr int kTop = 46;
// The lists, inside the column's plate.
constexpr int kInsideLeft = RankingColumn::kLeft + 6;
constexpr int kInsideWidth = RankingColumn::kWidth - 12;
constexpr int kRowHeight = 22;
constexpr int kRankingTop = 84;
constexpr int kTableListTop = 258;
constexpr int kOverallTop = 430;

}  // namespace

RankingColumn::RankingColumn(ControlBuilder& make, QWidget& table) : make_(make), table_(&table) {}

ClickableLabel* RankingColumn::heading(Control c, const QRect& place, const QString& text,
                                       int pixels) {
    auto* label = make_.label(table_, c, place, text, ClickableLabel::Look::Plain, Qt::AlignCenter);
    label->setFont(Theme::sans(pixels, true));
    Theme::setTextColor(label, Theme::paleGold());
    return label;
}

void RankingColumn::textColumn(Control c, int x, int width, int top, Qt::Alignment alignment,
                               int pixels) {
    auto* label = make_.label(table_, c, QRect(x, top, width, 6 * kRowHeight), QString(),
                              ClickableLabel::Look::Plain, alignment);
    label->setRowHeight(kRowHeight);
    label->setFont(Theme::condensed(pixels));
}

void RankingColumn::flags(ControlArray<6> images, int top) {
    for (int i = 0; i < 6; ++i) {
        auto* flag = make_.picture(table_, images[i],
                                   QRect(kInsideLeft + 2, top + i * kRowHeight + 2, 27, 18));
        flag->setOutlined(true);
    }
}

QWidget* RankingColumn::build() {
    // The table's own ranking.
    heading(ctl::Label30, QRect(kInsideLeft, kTop + 8, kInsideWidth, 24), "CLASSIFICA", 14);
    flags(ctl::Image4, kRankingTop);
    // The points columns hold "20000" at their size; the names take the rest, a few pixels
    // apart from them.
    textColumn(ctl::Label31, kInsideLeft + 36, 102, kRankingTop, Qt::AlignLeft, 14);
    textColumn(ctl::Label32, kInsideLeft + 141, kInsideWidth - 141, kRankingTop, Qt::AlignRight,
               14);

    // Tournament: one chosen table, and the best six overall.
    QWidget* tournamentHeading = heading(
        ctl::Label40, QRect(kInsideLeft, kTableListTop - 30, 124, 24), "CLASSIFICA TAVOLO", 11);
    auto* table = make_.adopt(new TableListBox(table_), ctl::Combo7,
                              QRect(kInsideLeft + kInsideWidth - 50, kTableListTop - 31, 50, 25));
    table->setFont(Theme::sans(12));
    flags(ctl::Image5, kTableListTop);
    textColumn(ctl::Label42, kInsideLeft + 36, 104, kTableListTop, Qt::AlignLeft, 13);
    textColumn(ctl::Label41, kInsideLeft + 140, kInsideWidth - 140, kTableListTop, Qt::AlignRight,
               13);

    heading(ctl::Label43, QRect(kInsideLeft, kOverallTop - 30, kInsideWidth, 24),
            "CLASSIFICA GENERALE", 11);
    flags(ctl::Image6, kOverallTop);
    // The longest surnames with a three-figure table are set smaller (9 pixels at the least).
    textColumn(ctl::Label45, kInsideLeft + 32, 112, kOverallTop, Qt::AlignLeft, 12);
    textColumn(ctl::Label44, kInsideLeft + 147, kInsideWidth - 147, kOverallTop, Qt::AlignRight,
               12);

    auto* standings =
        make_.label(table_, ctl::Label52, QRect(kInsideLeft + 20, 584, kInsideWidth - 40, 30),
                    "Classifica", ClickableLabel::Look::Button, Qt::AlignCenter);
    standings->setFont(Theme::sans(13, true));
    standings->setCursor(Qt::PointingHandCursor);
    return tournamentHeading;
}

void RankingColumn::paint(QPainter& painter, bool tournament) {
    const int bottom = tournament ? 622 : kRankingTop + 6 * kRowHeight + 10;
    FeltPainter::plate(painter, QRectF(kLeft, kTop, kWidth, bottom - kTop), 165);
    if (tournament) {
        painter.setPen(Stage::outline(painter, QColor(0xc9, 0xa4, 0x3a, 80), 1.0));
        for (const int y : {kTableListTop - 38, kOverallTop - 38}) {
            painter.drawLine(QPointF(kLeft + 14, y + 0.5), QPointF(kLeft + kWidth - 14, y + 0.5));
        }
    }
}

}  // namespace zelvaro::ui

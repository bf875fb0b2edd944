#include "ui/StandingsPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <array>

#include "engine/display/TableLayout.h"
#include "ui/ColumnHeader.h"
#include "ui/ControlBuilder.h"
#include "ui/PictureBox.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

constexpr QRect kSheet{34, 76, 962, 580};
constexpr int kHeaderTop = 86;
constexpr int kRowsTop = layout::kStandingsRowsTop;
constexpr int kRowHeight = layout::kStandingsRowHeight;
constexpr int kRows = 20;

struct Column {
    const char* word;
    int left;
    int width;
    Qt::Alignment alignment;
};

// Naz, then the seven text columns: position, player, points, table, position at the table,
// gap to the one above, lead over the one below.
constexpr Column kFlagColumn{"Naz", 56, 40, Qt::AlignCenter};
constexpr std::array<Column, 7> kColumns{{
    {"Pos", 104, 54, Qt::AlignCenter},
    {"Giocatori", 172, 352, Qt::AlignLeft},
    {"Punti", 530, 80, Qt::AlignCenter},
    {"Tav", 618, 70, Qt::AlignCenter},
    {"Pos/Tav", 696, 90, Qt::AlignCenter},
    {"Svant", 794, 90, Qt::AlignCenter},
    {"Vant", 892, 90, Qt::AlignCenter},
}};

}  // namespace

StandingsPanel::StandingsPanel(QWidget* parent)
    : PaintedScreen({Theme::feltCentre(), Theme::feltEdge(), {0.5, 0.3}}, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void StandingsPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void StandingsPanel::showEvent(QShowEvent* event) {
    PaintedScreen::showEvent(event);
    // The paging keys work as soon as the screen is up, without a click on it first.
    setFocus(Qt::OtherFocusReason);
}

void StandingsPanel::keyPressEvent(QKeyEvent* event) {
    for (const auto& [key, button] : pageKeys_) {
        if (key != event->key() || button == nullptr) continue;
        // A key is its button's click, so it turns the page as the button does, and not at
        // all while the button is off.
        button->click();
        event->accept();
        return;
    }
    PaintedScreen::keyPressEvent(event);
}

void StandingsPanel::build(ControlBuilder& make) {
    auto* title = make.label(this, ctl::Label49, QRect(0, 16, width(), 52), "Classifica Torneo",
                             ClickableLabel::Look::Plain, Qt::AlignCenter);
    title->setFont(Theme::serif(34, true));
    QPalette gold = title->palette();
    gold.setColor(QPalette::WindowText, Theme::paleGold());
    title->setPalette(gold);

    const int headerLeft = kFlagColumn.left;
    auto* header = make.adopt(new ColumnHeader(this), ctl::Label50,
                              QRect(headerLeft, kHeaderTop, kSheet.right() - 12 - headerLeft, 28));
    header->setText(
        "Naz  Pos  Giocatori                                                                Punti  "
        "    "
        "Tav   Pos/Tav Svant     Vant");
    header->setFont(Theme::sans(13, true));
    header->setPalette(gold);
    QList<ColumnHeader::Column> words;
    words.append(
        {QString::fromLatin1(kFlagColumn.word), 0, kFlagColumn.width, kFlagColumn.alignment});
    for (const Column& column : kColumns) {
        words.append({QString::fromLatin1(column.word), column.left - headerLeft, column.width,
                      column.alignment});
    }
    header->setColumns(words);

    // The player's own row, lit behind its text.
    make.shape(this, ctl::PlayersStandingsRow, MarkerShape::Kind::RowBand,
               QRect(kSheet.left() + 6, kRowsTop, kSheet.width() - 12, kRowHeight));
    for (int row = 0; row < kRows; ++row) {
        auto* flag = make.picture(this, ctl::Image7[row],
                                  QRect(kFlagColumn.left + (kFlagColumn.width - 27) / 2,
                                        kRowsTop + row * kRowHeight + 4, 27, 18));
        flag->setOutlined(true);
    }
    for (int i = 0; i < 7; ++i) {
        const Column& column = kColumns[i];
        auto* text = make.label(this, ctl::Label51[i],
                                QRect(column.left, kRowsTop, column.width, kRows * kRowHeight),
                                QString(), ClickableLabel::Look::Plain, column.alignment);
        text->setRowHeight(kRowHeight);
        text->setFont(Theme::sans(13, i == 1));
    }

    const int pagerTop = kSheet.bottom() + 22;
    QPushButton* first =
        make.command(this, ctl::FirstStandingsPage, QRect(342, pagerTop, 56, 32), "|<<");
    QPushButton* previous = make.command(this, ctl::Command3, QRect(404, pagerTop, 56, 32), "<<");
    auto* page = make.label(this, ctl::Label56, QRect(466, pagerTop, 44, 32), "1",
                            ClickableLabel::Look::Plain, Qt::AlignRight | Qt::AlignVCenter);
    page->setFont(Theme::sans(15, true));
    auto* slash = make.label(this, ctl::Label55, QRect(510, pagerTop, 14, 32), "/",
                             ClickableLabel::Look::Plain, Qt::AlignCenter);
    slash->setFont(Theme::sans(15));
    auto* pages = make.label(this, ctl::Label54, QRect(524, pagerTop, 44, 32), QString(),
                             ClickableLabel::Look::Plain, Qt::AlignLeft | Qt::AlignVCenter);
    pages->setFont(Theme::sans(15));
    QPushButton* next = make.command(this, ctl::Command4, QRect(572, pagerTop, 56, 32), ">>");
    QPushButton* last =
        make.command(this, ctl::LastStandingsPage, QRect(634, pagerTop, 56, 32), ">>|");
    pageKeys_ = {{{Qt::Key_Home, first},
                  {Qt::Key_PageUp, previous},
                  {Qt::Key_Left, previous},
                  {Qt::Key_PageDown, next},
                  {Qt::Key_Right, next},
                  {Qt::Key_End, last}}};

    // At the end of the player's tournament: his place against his best, left of the pager.
    auto* place =
        make.label(this, ctl::BestPlaceLine, QRect(kSheet.left() + 8, pagerTop, 296, 32), QString(),
                   ClickableLabel::Look::Plain, Qt::AlignLeft | Qt::AlignVCenter);
    place->setFont(Theme::sans(15, true));
    place->setPalette(gold);
    place->setFitToWidth(true);

    auto* back = make.label(this, ctl::Label53, QRect(kSheet.right() - 124, pagerTop, 124, 32),
                            "Indietro", ClickableLabel::Look::Button, Qt::AlignCenter);
    back->setFont(Theme::sans(14, true));
    back->setCursor(Qt::PointingHandCursor);
}

void StandingsPanel::paintBackground(QPainter& painter) {
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 150), 1.4));
    painter.setBrush(QColor(4, 20, 10, 190));
    painter.drawRoundedRect(QRectF(kSheet).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);

    // Header band, then alternate rows lightly shaded.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc9, 0xa4, 0x3a, 40));
    painter.drawRect(QRectF(kSheet.left() + 1, kHeaderTop - 4, kSheet.width() - 2, 36));
    for (int row = 0; row < kRows; row += 2) {
        painter.setBrush(QColor(255, 255, 255, 13));
        painter.drawRect(QRectF(kSheet.left() + 8, kRowsTop + row * kRowHeight, kSheet.width() - 16,
                                kRowHeight));
    }
    painter.setPen(QPen(QColor(0xc9, 0xa4, 0x3a, 55), 1.0));
    for (const Column& column : kColumns) {
        const qreal x = column.left - 4.5;
        painter.drawLine(QPointF(x, kHeaderTop + 2), QPointF(x, kRowsTop + kRows * kRowHeight));
    }
}

}  // namespace zelvaro::ui

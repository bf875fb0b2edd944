#include "ui/WindowPanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <array>

#include "engine/display/TableLayout.h"
#include "ui/Animations.h"
#include "ui/ColumnHeader.h"
#include "ui/ControlBuilder.h"
#include "ui/HintLabel.h"
#include "ui/PanelFrame.h"
#include "ui/PictureBox.h"
#include "ui/StandingsPanel.h"
#include "ui/StatisticsView.h"
#include "ui/TablePanel.h"
#include "ui/TablePause.h"
#include "ui/TextScrollArea.h"
#include "ui/Theme.h"
#include "ui/TitleLabel.h"

namespace zelvaro::ui {
namespace {

using Look = ClickableLabel::Look;

// A preference of the window on the options panel: its caption in `captionPlace`, and the
// list of its choices in `listPlace`, opened on the one in force.
void windowChoiceRow(ControlBuilder& make, PanelFrame* panel, const QString& caption,
                     const QRect& captionPlace, const char* listName, const WindowChoice& kept,
                     const QRect& listPlace) {
    auto* label = new QLabel(caption, panel);
    label->setGeometry(captionPlace);
    label->setFont(Theme::sans(13, true));
    Theme::setTextColor(label, Theme::paleGold());
    QComboBox* list = make.windowList(panel, QString::fromLatin1(listName), listPlace);
    for (const ScaledChoice& choice : kept.choices())
        list->addItem(QString::fromLatin1(choice.caption));
    list->setCurrentText(kept.current());
}

const QRect kWholeWindow(0, 0, layout::kWindowWidth, layout::kWindowHeight);

// A panel button: a word on a soft plate, like the menu's entries but smaller.
ClickableLabel* panelButton(ControlBuilder& make, QWidget* parent, Control c, const QRect& place,
                            const QString& text) {
    auto* button = make.label(parent, c, place, text, Look::Button, Qt::AlignCenter);
    button->setFont(Theme::sans(16, true));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

PanelFrame* overlay(ControlBuilder& make, QWidget* parent, Control c, const QString& title,
                    const QRect& card) {
    auto* panel = make.adopt(new PanelFrame(PanelFrame::Mode::Overlay, parent), c, kWholeWindow);
    panel->setTitle(title);
    panel->setCardRect(card);
    return panel;
}

// One column of a header caption over the control placed below it.
ColumnHeader::Column over(const QRect& control, int headerLeft, const QString& word,
                          Qt::Alignment alignment = Qt::AlignCenter, int inset = 0) {
    return {word, control.left() - headerLeft + inset, control.width() - inset, alignment};
}

}  // namespace

WindowPanels::WindowPanels(ControlBuilder& make, QWidget& form, QWidget& window)
    : make_(make), form_(&form), window_(&window) {}

void WindowPanels::build() {
    buildMenu();
    buildOptionsPanel();
    buildRulesPanel();
    buildProfilePanel();
    buildStatisticsPanel(make_, form_);
    buildTournamentPanels();
    buildScreens();
}

void WindowPanels::buildMenu() {
    auto* title =
        make_.adopt(new TitleLabel(form_), ctl::Label1, QRect(0, 58, layout::kWindowWidth, 150));
    title->setFont(Theme::serif(118, true, true));
    title->setText(QStringLiteral("Zelvaro"));

    struct Entry {
        Control control;
        const char* caption;
    };
    const std::array<Entry, 7> entries{{{ctl::Label2, "Partita Singola"},
                                        {ctl::Label35, "Torneo"},
                                        {ctl::Label10, "Opzioni"},
                                        {ctl::Label15, "Regole"},
                                        {ctl::MenuStatistics, "Statistiche"},
                                        {ctl::Label20, "Crediti"},
                                        {ctl::Label3, "Esci"}}};
    // The entries share the plate the felt draws under the title (262 to 624).
    constexpr int kFirstTop = 272, kLastBottom = 614, kEntryHeight = 40;
    const int pitch = std::min(
        56, (kLastBottom - kFirstTop - kEntryHeight) / (static_cast<int>(entries.size()) - 1));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto* entry =
            make_.label(form_, entries[i].control,
                        QRect(layout::kWindowWidth / 2 - 160,
                              kFirstTop + static_cast<int>(i) * pitch, 320, kEntryHeight),
                        QString::fromLatin1(entries[i].caption), Look::Plain, Qt::AlignCenter);
        entry->setFont(Theme::sans(25));
        entry->setCursor(Qt::PointingHandCursor);
        entry->setTabStop(true);
        entry->setAccessibleName(entry->text());
    }

    // "Continua" under the column while a game is saved, and what it would continue.
    auto* resume =
        make_.label(form_, ctl::ContinueEntry, QRect(layout::kWindowWidth / 2 - 160, 652, 320, 40),
                    QStringLiteral("Continua"), Look::Plain, Qt::AlignCenter);
    resume->setFont(Theme::sans(25));
    resume->setCursor(Qt::PointingHandCursor);
    resume->setTabStop(true);
    resume->setAccessibleName(resume->text());
    auto* saved = make_.label(form_, ctl::ContinueDescription,
                              QRect(layout::kWindowWidth / 2 - 300, 692, 600, 22), QString(),
                              Look::Plain, Qt::AlignCenter);
    saved->setFont(Theme::sans(13));
    Theme::setTextColor(saved, Theme::paleGold());

    // Progress of the first start's player generation; the game widens it row by row.
    auto* progress = make_.label(form_, ctl::Label39, QRect(40, 706, 96, 26),
                                 QStringLiteral("Attendere...."), Look::Progress);
    progress->setFont(Theme::sans(13, true));
}

void WindowPanels::buildOptionsPanel() {
    const QRect card(70, 236, 890, 306);
    PanelFrame* panel = overlay(make_, form_, ctl::Frame1, QStringLiteral("Opzioni"), card);

    const int row = 340;
    const QRect speed(104, row, 118, 30);
    const QRect change(236, row, 112, 30);
    const QRect twoBeatsAce(352, row, 118, 30);
    const QRect scoring(484, row, 166, 30);
    const QRect prize(664, row, 112, 30);
    const QRect limit(790, row, 150, 30);

    const int headerLeft = speed.left();
    auto* header = make_.adopt(new ColumnHeader(panel), ctl::Label11,
                               QRect(headerLeft, row - 34, limit.right() - headerLeft + 1, 24));
    header->setText(QStringLiteral(
        "Tipo Partita    Cambio Carte   2 supera Asso  Punteggio   Premio    Limite"));
    header->setFont(Theme::sans(13, true));
    Theme::setTextColor(header, Theme::paleGold());
    header->setColumns({over(speed, headerLeft, QStringLiteral("Tipo Partita")),
                        over(change, headerLeft, QStringLiteral("Cambio Carte")),
                        over(twoBeatsAce, headerLeft, QStringLiteral("2 supera Asso")),
                        over(scoring, headerLeft, QStringLiteral("Punteggio")),
                        over(prize, headerLeft, QStringLiteral("Premio")),
                        over(limit, headerLeft, QStringLiteral("Limite"))});

    // The two check boxes stand alone in the middle of their columns.
    const auto centredBox = [](const QRect& column) {
        return QRect(column.center().x() - 10, column.top() + 4, 22, 22);
    };
    make_.combo(panel, ctl::Combo1, speed, true);
    make_.check(panel, ctl::Check1, centredBox(change));
    make_.check(panel, ctl::Check2, centredBox(twoBeatsAce));
    make_.combo(panel, ctl::Combo2, scoring, true);
    make_.combo(panel, ctl::Combo3, prize, true);
    make_.combo(panel, ctl::Combo8, limit, true);

    // The computer seats' level, a row of its own under the window's choices, its caption
    // and list in their columns.
    auto* level = new QLabel(QStringLiteral("Avversari"), panel);
    level->setGeometry(speed.left(), row + 88, 170, 28);
    level->setFont(Theme::sans(13, true));
    Theme::setTextColor(level, Theme::paleGold());
    make_.combo(panel, ctl::OpponentsList, QRect(speed.left() + 176, row + 88, 118, 28), false);

    const int buttons = card.bottom() - 70;
    const int middle = card.center().x();
    panelButton(make_, panel, ctl::Label12, QRect(middle - 152, buttons, 136, 40),
                QStringLiteral("Accetta"));
    panelButton(make_, panel, ctl::Label13, QRect(middle + 16, buttons, 136, 40),
                QStringLiteral("Rifiuta"));
    buildTablePauseChoice(panel, QRect(speed.left(), row + 44, 0, 28));
}

void WindowPanels::buildTablePauseChoice(PanelFrame* panel, const QRect& row) {
    // How long a full trick stays on the table: the window's own preference, beside the
    // game's options. The options panel shows it and keeps it (Surface::keepWindowPreferences).
    windowChoiceRow(make_, panel, QStringLiteral("Pausa dopo la presa"),
                    QRect(row.left(), row.top(), 170, row.height()), kTablePauseList, kTablePause,
                    QRect(row.left() + 176, row.top(), 118, row.height()));

    // Full screen, like F11: a choice of the window that takes effect at once.
    QCheckBox* fullScreen = make_.windowCheck(panel, QStringLiteral("schermoIntero"),
                                              QRect(row.left() + 330, row.top(), 190, row.height()),
                                              QStringLiteral("Schermo intero"));
    fullScreen->setFont(Theme::sans(13, true));
    Theme::setTextColor(fullScreen, Theme::paleGold());
    fullScreen->setCursor(Qt::PointingHandCursor);

    // Whether and how quickly the cards move on the table: the window's own too.
    windowChoiceRow(make_, panel, QStringLiteral("Animazioni"),
                    QRect(row.left() + 530, row.top(), 96, row.height()), kAnimationList,
                    kAnimations, QRect(row.left() + 630, row.top(), 118, row.height()));
}

void WindowPanels::buildRulesPanel() {
    const QRect card(130, 30, 770, 690);
    PanelFrame* panel = overlay(make_, form_, ctl::Frame2, QStringLiteral("Regole"), card);

    auto* area = new TextScrollArea(panel);
    area->setGeometry(card.left() + 30, panel->contentTop() + 12, card.width() - 60, 548);
    area->setFrameShape(QFrame::NoFrame);
    QPalette paper = area->palette();
    paper.setColor(QPalette::Window, Theme::parchment());
    area->setPalette(paper);
    area->viewport()->setAutoFillBackground(true);
    area->viewport()->setPalette(paper);

    auto* text = make_.label(area, ctl::Label16, QRect(), QString(), Look::Plain,
                             Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    text->setMargin(18);
    text->setFont(Theme::sans(14));
    text->setTextInteractionFlags(Qt::NoTextInteraction);
    Theme::setTextColor(text, Theme::ink());
    area->setText(text);

    panelButton(make_, panel, ctl::Label17,
                QRect(card.center().x() - 68, card.bottom() - 56, 136, 40),
                QStringLiteral("Indietro"));
}

void WindowPanels::buildProfilePanel() {
    const QRect card(140, 118, 750, 508);
    PanelFrame* panel = overlay(make_, form_, ctl::Frame3, QStringLiteral("Profilo"), card);
    const int left = card.left() + 32;
    const int top = panel->contentTop() + 16;

    // The profile in use: the list, its name, year and flag.
    make_.combo(panel, ctl::Combo4, QRect(left, top, 300, 30), true);
    panelButton(make_, panel, ctl::Label27, QRect(left + 316, top - 4, 124, 38),
                QStringLiteral("Elimina"));
    panelButton(make_, panel, ctl::ProfileStatisticsButton, QRect(left + 316, top + 40, 124, 38),
                QStringLiteral("Statistiche"));
    auto* name = make_.label(panel, ctl::Label22, QRect(left, top + 44, 304, 34), QString());
    name->setFitToWidth(true);
    name->setFont(Theme::serif(24, true));
    Theme::setTextColor(name, Theme::paleGold());
    auto* year = make_.label(panel, ctl::Label24, QRect(left, top + 80, 440, 24), QString());
    year->setFont(Theme::sans(14));

    const QRect flag(card.right() - 32 - 180 + 42, top + 26, 96, 64);
    auto* nation =
        make_.label(panel, ctl::Label23, QRect(flag.center().x() - 100, top - 2, 200, 22),
                    QStringLiteral("Nazionalita'"), Look::Plain, Qt::AlignCenter);
    nation->setFont(Theme::sans(12, true));
    Theme::setTextColor(nation, Theme::dimCream());
    make_.picture(panel, ctl::Image2, flag)->setOutlined(true);

    // Creating a profile.
    auto* create = make_.adopt(new PanelFrame(PanelFrame::Mode::Group, panel), ctl::Frame4,
                               QRect(left - 4, top + 124, card.width() - 2 * 28, 176));
    create->setTitle(QStringLiteral("Crea Profilo"));
    const int row = 66;
    const QRect surname(16, row, 172, 30);
    const QRect firstName(198, row, 172, 30);
    const QRect country(380, row, 160, 30);
    const QRect born(550, row, create->width() - 16 - 550, 30);
    auto* header =
        make_.adopt(new ColumnHeader(create), ctl::Label25,
                    QRect(surname.left(), row - 28, born.right() - surname.left() + 1, 22));
    header->setText(QStringLiteral(
        "Cognome         Nome                     Nazionalita'       Anno di Nascita"));
    header->setFont(Theme::sans(12, true));
    Theme::setTextColor(header, Theme::dimCream());
    const Qt::Alignment leftAligned = Qt::AlignLeft;
    header->setColumns(
        {over(surname, surname.left(), QStringLiteral("Cognome"), leftAligned, 2),
         over(firstName, surname.left(), QStringLiteral("Nome"), leftAligned, 2),
         over(country, surname.left(), QStringLiteral("Nazionalita'"), leftAligned, 2),
         over(born, surname.left(), QStringLiteral("Anno di Nascita"), leftAligned, 2)});
    make_.textBox(create, ctl::Text1, surname);
    make_.textBox(create, ctl::Text2, firstName);
    make_.combo(create, ctl::Combo5, country, true);
    make_.combo(create, ctl::Combo6, born, true);
    panelButton(make_, create, ctl::Label26, QRect(create->width() - 16 - 136, row + 46, 136, 38),
                QStringLiteral("Crea"));

    const int buttons = card.bottom() - 62;
    panelButton(make_, panel, ctl::Label9, QRect(left, buttons, 136, 40),
                QStringLiteral("Indietro"));
    panelButton(make_, panel, ctl::Label21, QRect(card.right() - 32 - 136, buttons, 136, 40),
                QStringLiteral("Avanti"));
    // Why "Avanti" did nothing, between the two buttons.
    auto* hint = make_.adopt(new HintLabel(panel), ctl::ProfileHint,
                             QRect(left + 150, buttons + 4, card.width() - 2 * 32 - 300, 32));
    hint->setFont(Theme::sans(13, true));
    Theme::setTextColor(hint, QColor(0xff, 0xe8, 0x9c));
}

void WindowPanels::buildTournamentPanels() {
    const QRect card(170, 180, 690, 390);
    PanelFrame* rules = overlay(make_, form_, ctl::Frame5, QStringLiteral("Regole Torneo"), card);
    auto* text =
        make_.label(rules, ctl::Label38,
                    QRect(card.left() + 36, rules->contentTop() + 14, card.width() - 72, 220),
                    QString(), Look::Plain, Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
    text->setFont(Theme::sans(16));
    const int buttons = card.bottom() - 64;
    panelButton(make_, rules, ctl::Label37, QRect(card.left() + 36, buttons, 136, 40),
                QStringLiteral("Indietro"));
    panelButton(make_, rules, ctl::Label36, QRect(card.right() - 36 - 136, buttons, 136, 40),
                QStringLiteral("Avanti"));
}

void WindowPanels::buildScreens() {
    auto* table = make_.adopt(new TablePanel(form_), ctl::Picture1, kWholeWindow);
    table->build(make_);
    auto* standings = make_.adopt(new StandingsPanel(form_), ctl::Picture27, kWholeWindow);
    standings->build(make_);

    // The tournament's waiting notice stands over the table. It is not part of the window's
    // form, so that its "Avanti veloce" still answers while the form takes no input.
    const QRect card(230, 252, 570, 266);
    PanelFrame* wait = overlay(make_, window_, ctl::Frame6, QStringLiteral("Zelvaro Torneo"), card);
    auto* notice =
        new QLabel(QStringLiteral("Aspetta la fine del turno anche dagli altri tavoli"), wait);
    notice->setGeometry(card.left() + 30, wait->contentTop() + 4, card.width() - 60, 60);
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    notice->setFont(Theme::sans(18));
    Theme::setTextColor(notice, Theme::cream());
    // Who of the player's table goes on, in three lines at most.
    auto* outcome =
        make_.label(wait, ctl::TableOutcomeLine,
                    QRect(card.left() + 24, wait->contentTop() + 68, card.width() - 48, 66),
                    QString(), ClickableLabel::Look::Plain, Qt::AlignCenter);
    outcome->setWordWrap(true);
    outcome->setFont(Theme::sans(14));
    Theme::setTextColor(outcome, Theme::paleGold());
    make_.command(wait, ctl::WaitFastForward,
                  QRect(card.center().x() - 90, card.bottom() - 58, 180, 40),
                  QStringLiteral("Avanti veloce"));
}

}  // namespace zelvaro::ui

#include "ui/GameMessageBox.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "ui/Stage.h"
#include "ui/Theme.h"

namespace zelvaro::ui {
namespace {

struct BoxButton {
    QMessageBox::StandardButton button;
    const char* caption;  // empty: the system's own word
    MessageAnswer answer;
};

struct BoxButtons {
    std::vector<BoxButton> buttons;
    QMessageBox::StandardButton enter;
    QMessageBox::StandardButton escape;  // also what closing the box answers
};

// Enter never leaves a game or deletes a profile; copying the player's file changes nothing
// of his, so there Enter copies and Esc leaves.
BoxButtons buttonsOf(MessageButtons kind) {
    switch (kind) {
        case MessageButtons::YesNo:
            return {{{QMessageBox::Yes, "S\u00ec", MessageAnswer::Yes},
                     {QMessageBox::No, "No", MessageAnswer::No}},
                    QMessageBox::No,
                    QMessageBox::No};
        case MessageButtons::CopyOrQuit:
            return {{{QMessageBox::Yes, "Copia", MessageAnswer::Copy},
                     {QMessageBox::No, "Esci", MessageAnswer::Quit}},
                    QMessageBox::Yes,
                    QMessageBox::No};
        case MessageButtons::Ok:
            break;
    }
    return {{{QMessageBox::Ok, "", MessageAnswer::Ok}}, QMessageBox::Ok, QMessageBox::Ok};
}

void placeOverTheTable(const QMainWindow& window, QMessageBox& box) {
    // Over the table a box stands above its middle, where the line of the hand just ended
    // stays readable beside it.
    const QWidget* table = window.findChild<QWidget*>(QStringLiteral("Picture1"));
    if (table == nullptr || !table->isVisible()) return;
    constexpr QPointF kBoxCentre(515, 190);
    box.adjustSize();
    const QPointF centre = Stage::contentOrigin(table) + kBoxCentre * Stage::scale(table);
    box.move(table->mapToGlobal(centre.toPoint()) - box.rect().center());
}

}  // namespace

MessageAnswer showGameMessage(QMainWindow& window, QStyle* style, const QString& title,
                              const QString& text, MessageButtons buttons) {
    const BoxButtons offered = buttonsOf(buttons);
    QMessageBox::StandardButtons standard;
    for (const BoxButton& b : offered.buttons) standard |= b.button;
    QMessageBox box(QMessageBox::NoIcon, title, text, standard, &window);
    box.setDefaultButton(offered.enter);
    box.setEscapeButton(offered.escape);
    for (const BoxButton& b : offered.buttons) {
        if (*b.caption != '\0') box.button(b.button)->setText(QString::fromUtf8(b.caption));
    }
    // The box wears the game's colours: dark cloth, cream text, gold buttons.
    box.setStyle(style);
    box.setPalette(Theme::messagePalette(box.palette()));
    // Its words as large as the table's around it.
    box.setFont(Theme::sans(std::max(13, qRound(14 * Stage::scale(window.centralWidget())))));
    for (QAbstractButton* button : box.buttons()) {
        button->setStyle(style);
        button->setIcon(QIcon());  // plain words, as on the game's other buttons
        button->setMinimumWidth(96);
    }
    placeOverTheTable(window, box);
    const int pressed = box.exec();
    const BoxButton* escape = nullptr;
    for (const BoxButton& b : offered.buttons) {
        if (pressed == b.button) return b.answer;
        if (b.button == offered.escape) escape = &b;
    }
    return escape->answer;
}

}  // namespace zelvaro::ui

// The window's look in one place: colours, fonts, the message boxes' palette and the command
// buttons' style sheet, so that every screen reads as part of the same game.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QWidget;

namespace zelvaro::ui {

class Theme {
public:
    // Felt of the menu and of the standings screen.
    static QColor feltCentre();
    static QColor feltEdge();
    static QColor gold();
    static QColor paleGold();
    // Text on the felt and on the panels: the "system button-text colour" of this window.
    static QColor cream();
    static QColor dimCream();
    // Panels ("cards" floating over the felt).
    static QColor panelBorder();
    static QColor parchment();
    static QColor ink();

    static QFont sans(int pixelSize, bool bold = false);
    // Narrow type for the crowded lists of the ranking column.
    static QFont condensed(int pixelSize, bool bold = false);
    static QFont serif(int pixelSize, bool bold = false, bool italic = false);

    // Palette of the central widget: cream captions on the felt, inherited by every label.
    static void applyWindowPalette(QWidget* central);
    // One control's text in a colour of its own, kept while the control is disabled.
    static void setTextColor(QWidget* widget, const QColor& color);
    // Message boxes: the panels' dark green with cream text and gold buttons.
    static QPalette messagePalette(const QPalette& base);
    // Command buttons: gold plates with dark text.
    static QString buttonStyle();
};

}  // namespace zelvaro::ui

#include "ui/Theme.h"

#include <QPalette>
#include <QWidget>

namespace zelvaro::ui {

QColor Theme::feltCentre() {
    return QColor(0x23, 0x7a, 0x43);
}
QColor Theme::feltEdge() {
    return QColor(0x0a, 0x33, 0x1b);
}
QColor Theme::gold() {
    return QColor(0xd4, 0xaf, 0x37);
}
QColor Theme::paleGold() {
    return QColor(0xf1, 0xdc, 0x95);
}
QColor Theme::cream() {
    return QColor(0xf6, 0xee, 0xd8);
}
QColor Theme::dimCream() {
    return QColor(0xa9, 0xb3, 0x9e);
}
QColor Theme::panelBorder() {
    return QColor(0xc9, 0xa4, 0x3a);
}
QColor Theme::parchment() {
    return QColor(0xf5, 0xee, 0xdc);
}
QColor Theme::ink() {
    return QColor(0x2a, 0x22, 0x16);
}

QFont Theme::sans(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont Theme::condensed(int pixelSize, bool bold) {
    QFont font = sans(pixelSize, bold);
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QFont Theme::serif(int pixelSize, bool bold, bool italic) {
    QFont font;
    font.setFamilies({QStringLiteral("P052"), QStringLiteral("URW Palladio L"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(QFont::Serif);
    return font;
}

void Theme::applyWindowPalette(QWidget* central) {
    QPalette palette = central->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, cream());
        palette.setColor(group, QPalette::ButtonText, cream());
        palette.setColor(group, QPalette::Text, ink());
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, dimCream());
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, cream());
    palette.setColor(QPalette::Window, feltEdge());
    central->setPalette(palette);
    central->setFont(sans(14));
}

void Theme::setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, color);
    }
    widget->setPalette(palette);
}

QPalette Theme::messagePalette(const QPalette& base) {
    QPalette palette = base;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, QColor(0x12, 0x33, 0x20));
        palette.setColor(group, QPalette::WindowText, cream());
        palette.setColor(group, QPalette::Button, QColor(0xe0, 0xc2, 0x68));
        palette.setColor(group, QPalette::ButtonText, QColor(0x1f, 0x1a, 0x12));
        palette.setColor(group, QPalette::Highlight, gold());
        palette.setColor(group, QPalette::Base, parchment());
        palette.setColor(group, QPalette::Text, ink());
    }
    return palette;
}

QString Theme::buttonStyle() {
    return QStringLiteral(
        "QPushButton { color: #1f1a12; font-weight: bold;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f3dc8c, stop:1 #c49a2c);"
        "  border: 1px solid #6e5515; border-radius: 6px; padding: 3px 10px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        "  stop:0 #fbe9a8, stop:1 #d8ae3c); }"
        "QPushButton:pressed { background: #b8901f; }"
        "QPushButton:focus { border: 2px dashed #fff2b0; }"
        "QPushButton:disabled { color: #6f6650; background: #a89d7c; }");
}

}  // namespace zelvaro::ui

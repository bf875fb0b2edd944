// Creates the window's controls: each widget gets the control's name as its objectName, its
// place, and its events wired to the window.
#pragma once

#include <QRect>
#include <QString>

#include "primitives/Controls.h"
#include "ui/ClickableLabel.h"
#include "ui/MarkerShape.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zelvaro::ui {

class MainWindow;
class PictureBox;

class ControlBuilder {
public:
    explicit ControlBuilder(MainWindow& window) : window_(window) {}

    ClickableLabel* label(QWidget* parent, Control c, const QRect& place, const QString& text,
                          ClickableLabel::Look look = ClickableLabel::Look::Plain,
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    PictureBox* picture(QWidget* parent, Control c, const QRect& place);
    QComboBox* combo(QWidget* parent, Control c, const QRect& place, bool editable);
    // A pick-only list of the window's own, which the game never reads, in the game's look.
    QComboBox* windowList(QWidget* parent, const QString& name, const QRect& place);
    QCheckBox* check(QWidget* parent, Control c, const QRect& place);
    // A check box of the window's own, with its caption beside it.
    QCheckBox* windowCheck(QWidget* parent, const QString& name, const QRect& place,
                           const QString& text);
    QLineEdit* textBox(QWidget* parent, Control c, const QRect& place);
    QPushButton* command(QWidget* parent, Control c, const QRect& place, const QString& text);
    MarkerShape* shape(QWidget* parent, Control c, MarkerShape::Kind kind, const QRect& place);
    // Names, places and wires a widget made by the caller (panels, special captions).
    template <class W>
    W* adopt(W* widget, Control c, const QRect& place) {
        name(widget, c, place);
        wire(widget, c);
        return widget;
    }

private:
    static void name(QWidget* widget, Control c, const QRect& place);
    void wire(QWidget* widget, Control c);

    MainWindow& window_;
};

}  // namespace zelvaro::ui

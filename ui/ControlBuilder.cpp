#include "ui/ControlBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "ui/FeltWidget.h"
#include "ui/GameStyle.h"
#include "ui/MainWindow.h"
#include "ui/PanelFrame.h"
#include "ui/PictureBox.h"
#include "ui/StandingsPanel.h"
#include "ui/TablePanel.h"
#include "ui/Theme.h"

namespace zelvaro::ui {

void ControlBuilder::name(QWidget* widget, Control c, const QRect& place) {
    widget->setObjectName(QString::fromStdString(objectName(c)));
    if (place.isValid()) widget->setGeometry(place);
}

void ControlBuilder::wire(QWidget* widget, Control c) {
    MainWindow* window = &window_;
    if (auto* label = qobject_cast<ClickableLabel*>(widget)) {
        QObject::connect(label, &ClickableLabel::clicked, window,
                         [window, c] { window->forwardClick(c); });
        QObject::connect(label, &ClickableLabel::mouseMoved, window,
                         [window, c] { window->forwardMouseMove(c); });
        QObject::connect(label, &ClickableLabel::mousePressed, window,
                         [window, c] { window->forwardMouseDown(c); });
    } else if (auto* panel = qobject_cast<PanelFrame*>(widget)) {
        QObject::connect(panel, &PanelFrame::mouseMoved, window,
                         [window, c] { window->forwardMouseMove(c); });
    } else if (auto* table = qobject_cast<TablePanel*>(widget)) {
        QObject::connect(table, &TablePanel::mouseMoved, window,
                         [window, c] { window->forwardMouseMove(c); });
    } else if (auto* standings = qobject_cast<StandingsPanel*>(widget)) {
        QObject::connect(standings, &StandingsPanel::mouseMoved, window,
                         [window, c] { window->forwardMouseMove(c); });
    } else if (auto* felt = qobject_cast<FeltWidget*>(widget)) {
        QObject::connect(felt, &FeltWidget::mouseMoved, window,
                         [window, c] { window->forwardMouseMove(c); });
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QObject::connect(button, &QPushButton::clicked, window,
                         [window, c] { window->forwardClick(c); });
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        // Only a pick from the list counts, never text set by the game.
        QObject::connect(list, &QComboBox::activated, window,
                         [window, c](int) { window->forwardComboSelected(c); });
    }
}

ClickableLabel* ControlBuilder::label(QWidget* parent, Control c, const QRect& place,
                                      const QString& text, ClickableLabel::Look look,
                                      Qt::Alignment alignment) {
    auto* label = adopt(new ClickableLabel(parent), c, place);
    label->setText(text);
    label->setLook(look);
    label->setAlignment(alignment);
    if (look == ClickableLabel::Look::Button) {
        label->setAccessibleName(text);
        label->setTabStop(true);
    }
    return label;
}

PictureBox* ControlBuilder::picture(QWidget* parent, Control c, const QRect& place) {
    return adopt(new PictureBox(parent), c, place);
}

QComboBox* ControlBuilder::combo(QWidget* parent, Control c, const QRect& place, bool editable) {
    auto* list = adopt(new QComboBox(parent), c, place);
    list->setEditable(editable);
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
        // A listed text is shown whole however long it is (the box's default would cut it),
        // so what the list shows is always a name the game can find.
        list->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    }
    list->setMaxVisibleItems(14);
    list->setStyle(window_.inputStyle());
    list->setPalette(GameStyle::inputPalette(list->palette()));
    list->setFont(Theme::sans(13));
    return list;
}

QComboBox* ControlBuilder::windowList(QWidget* parent, const QString& name, const QRect& place) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    list->setStyle(window_.inputStyle());
    list->setPalette(GameStyle::inputPalette(list->palette()));
    list->setFont(Theme::sans(13));
    return list;
}

QCheckBox* ControlBuilder::check(QWidget* parent, Control c, const QRect& place) {
    auto* box = adopt(new QCheckBox(parent), c, place);
    box->setStyle(window_.inputStyle());
    return box;
}

QCheckBox* ControlBuilder::windowCheck(QWidget* parent, const QString& name, const QRect& place,
                                       const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setStyle(window_.inputStyle());
    return box;
}

QLineEdit* ControlBuilder::textBox(QWidget* parent, Control c, const QRect& place) {
    auto* box = adopt(new QLineEdit(parent), c, place);
    box->setStyle(window_.inputStyle());
    box->setPalette(GameStyle::inputPalette(box->palette()));
    box->setFont(Theme::sans(13));
    return box;
}

QPushButton* ControlBuilder::command(QWidget* parent, Control c, const QRect& place,
                                     const QString& text) {
    auto* button = adopt(new QPushButton(text, parent), c, place);
    button->setStyleSheet(Theme::buttonStyle());
    button->setFont(Theme::sans(13, true));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleName(text);
    return button;
}

MarkerShape* ControlBuilder::shape(QWidget* parent, Control c, MarkerShape::Kind kind,
                                   const QRect& place) {
    return adopt(new MarkerShape(kind, parent), c, place);
}

}  // namespace zelvaro::ui

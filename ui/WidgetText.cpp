#include "ui/WidgetText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/PanelFrame.h"

namespace zelvaro::ui {

void WidgetText::set(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text() != text) label->setText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != text) line->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        // A listed text is also the current item, so that the list opens on it.
        const int item = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (list->currentText() == text && (item < 0 || list->currentIndex() == item)) return;
        if (item >= 0 || !list->isEditable()) {
            list->setCurrentIndex(item);
        } else {
            list->setEditText(text);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text() != text) button->setText(text);
    } else if (auto* panel = qobject_cast<PanelFrame*>(widget)) {
        panel->setTitle(text);
    }
}

QString WidgetText::of(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
    if (auto* list = qobject_cast<const QComboBox*>(widget)) return list->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* panel = qobject_cast<const PanelFrame*>(widget)) return panel->title();
    return QString();
}

void WidgetText::clearItems(QWidget* widget) {
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        if (list->count() > 0) list->clear();
    }
}

void WidgetText::addItem(QWidget* widget, const QString& item) {
    auto* list = qobject_cast<QComboBox*>(widget);
    if (list == nullptr) return;
    if (list->isEditable()) {
        const QString shown = list->currentText();
        list->addItem(item);
        if (list->currentText() != shown) list->setEditText(shown);
    } else {
        const int shown = list->currentIndex();
        list->addItem(item);
        if (list->currentIndex() != shown) list->setCurrentIndex(shown);
    }
}

void WidgetText::selectItem(QWidget* widget, int index) {
    auto* list = qobject_cast<QComboBox*>(widget);
    if (list == nullptr || index < 0 || index >= list->count()) return;
    if (list->currentIndex() != index) list->setCurrentIndex(index);
    // An editable list keeps a typed text over its current item until the item is shown again.
    if (list->currentText() != list->itemText(index)) list->setEditText(list->itemText(index));
}

int WidgetText::selectedItem(const QWidget* widget) {
    const auto* list = qobject_cast<const QComboBox*>(widget);
    if (list == nullptr) return -1;
    const int index = list->currentIndex();
    return index >= 0 && list->itemText(index) == list->currentText() ? index : -1;
}

QStringList WidgetText::items(const QWidget* widget) {
    QStringList result;
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        result.reserve(list->count());
        for (int i = 0; i < list->count(); ++i) result.append(list->itemText(i));
    }
    return result;
}

}  // namespace zelvaro::ui

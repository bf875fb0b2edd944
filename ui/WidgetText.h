// The text a control shows, read and written alike whatever widget stands behind it: a
// label's or a button's caption, a text box's text, a list's current entry, a panel's title;
// and the items of a list. Writing what a widget shows already does nothing.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zelvaro::ui {

class WidgetText {
public:
    static void set(QWidget* widget, const QString& text);
    static QString of(const QWidget* widget);

    // Lists only; other widgets are left as they are and have no items.
    static void clearItems(QWidget* widget);
    // Adding to a list never changes what the box shows.
    static void addItem(QWidget* widget, const QString& item);
    static QStringList items(const QWidget* widget);
    // The shown item by position; -1 when the shown text is no item's.
    static void selectItem(QWidget* widget, int index);
    static int selectedItem(const QWidget* widget);
};

}  // namespace zelvaro::ui

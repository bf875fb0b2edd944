#include "ui/TableListBox.h"

#include <QAbstractItemView>
#include <algorithm>

#include "ui/GameStyle.h"

namespace zelvaro::ui {
namespace {

constexpr int kVisibleTables = 10;

// The input look, with the list dropping under the box: the look's own habit for a pick-only
// list is to lay the whole list over the box, centred on the shown item, which with a few
// hundred tables covers the table and runs off the window.
class DropDownStyle : public GameStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return GameStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

TableListBox::TableListBox(QWidget* parent) : QComboBox(parent) {
    auto* style = new DropDownStyle;
    style->setParent(this);
    setStyle(style);
    setPalette(GameStyle::inputPalette(palette()));
    setMaxVisibleItems(kVisibleTables);
}

void TableListBox::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (!popup->isVisible()) return;
    // The list was placed against the screen; the window is what it must stay in.
    const QWidget* frame = window();
    const QRect inside(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    const QRect box(mapToGlobal(QPoint(0, 0)), size());
    const QRect place = popupPlace(box, inside, popup->size());
    if (place != popup->geometry()) popup->setGeometry(place);
    // The shown table in the middle, its neighbours around it.
    view()->scrollTo(view()->currentIndex(), QAbstractItemView::PositionAtCenter);
}

QRect TableListBox::popupPlace(const QRect& box, const QRect& window, QSize list) {
    list = list.boundedTo(window.size());
    const int below = window.bottom() - box.bottom();
    const int above = box.top() - window.top();
    QRect place(QPoint(box.right() + 1 - list.width(), box.bottom() + 1), list);
    if (list.height() > below) {
        if (list.height() <= above || above > below) {
            place.setHeight(std::min(list.height(), above));
            place.moveBottom(box.top() - 1);
        } else {
            place.setHeight(below);
        }
    }
    if (place.left() < window.left()) place.moveLeft(window.left());
    if (place.right() > window.right()) place.moveRight(window.right());
    return place;
}

}  // namespace zelvaro::ui

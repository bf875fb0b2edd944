#include "ui/ControlSlots.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

namespace zelvaro::ui {

ControlSlots::ControlSlots(QMainWindow& window) : slots_(controlSlotCount()) {
    QStringList missing;
    forEachControl([&](Control c, const ControlInfo&) {
        const QString name = QString::fromStdString(objectName(c));
        ControlSlot& s = slots_[static_cast<std::size_t>(controlSlot(c))];
        if (auto* timer = window.findChild<QTimer*>(name)) {
            s.timer.emplace(*timer);
            return;
        }
        QWidget* widget = name == QLatin1String("Form1") ? window.centralWidget()
                                                         : window.findChild<QWidget*>(name);
        if (widget == nullptr || widget->objectName() != name) {
            missing << name;
            return;
        }
        s.widget = widget;
        s.left = widget->x() * kTwipsPerPixel;
        s.top = widget->y() * kTwipsPerPixel;
        s.width = widget->width() * kTwipsPerPixel;
        s.height = widget->height() * kTwipsPerPixel;
    });
    if (!missing.isEmpty()) {
        throw std::logic_error("the window lacks the controls " +
                               missing.join(QStringLiteral(", ")).toStdString());
    }
}

ControlSlot& ControlSlots::at(Control c) {
    const int index = controlSlot(c);
    if (index < 0) throw std::out_of_range("no such control element: " + objectName(c));
    return slots_[static_cast<std::size_t>(index)];
}

const ControlSlot& ControlSlots::at(Control c) const {
    return const_cast<ControlSlots*>(this)->at(c);
}

}  // namespace zelvaro::ui

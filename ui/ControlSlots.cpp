#include "ui/ControlSlots.h"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "ui/Stage.h"

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
        // The game measures the design, whatever the window's size.
        const QRect place = Stage::design(widget);
        s.left = place.x() * kTwipsPerPixel;
        s.top = place.y() * kTwipsPerPixel;
        s.width = place.width() * kTwipsPerPixel;
        s.height = place.height() * kTwipsPerPixel;
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

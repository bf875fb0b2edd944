#include "ui/QtSurface.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "ui/MainWindow.h"
#include "ui/PanelFrame.h"
#include "ui/PictureBox.h"

namespace zelvaro::ui {
namespace {

int toPixels(int twips) {
    return qRound(twips / double(kTwipsPerPixel));
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QtSurface::QtSurface(MainWindow& window, const QString& assetFolder)
    : window_(window), pictures_(assetFolder), slots_(controlSlotCount()) {
    QStringList missing;
    for (int id = 0; id < kControlIdCount; ++id) {
        const auto cid = static_cast<ControlId>(id);
        const ControlInfo& info = controlInfo(cid);
        const int count = info.elements == 0 ? 1 : info.elements;
        for (int i = 0; i < count; ++i) {
            const Control c{cid, info.elements == 0 ? -1 : i};
            const QString name = QString::fromStdString(objectName(c));
            Slot& s = slots_[static_cast<std::size_t>(controlSlot(c))];
            if (auto* timer = window.findChild<QTimer*>(name)) {
                s.timer = timer;
                s.timerEnabled = timer->isActive();
                continue;
            }
            QWidget* widget = name == QLatin1String("Form1") ? window.centralWidget()
                                                             : window.findChild<QWidget*>(name);
            if (widget == nullptr || widget->objectName() != name) {
                missing << name;
                continue;
            }
            s.widget = widget;
            s.left = widget->x() * kTwipsPerPixel;
            s.top = widget->y() * kTwipsPerPixel;
            s.width = widget->width() * kTwipsPerPixel;
            s.height = widget->height() * kTwipsPerPixel;
        }
    }
    if (!missing.isEmpty()) {
        throw std::logic_error("the window lacks the controls " +
                               missing.join(QStringLiteral(", ")).toStdString());
    }
}

QtSurface::Slot& QtSurface::slot(Control c) {
    const int index = controlSlot(c);
    if (index < 0) throw std::out_of_range("no such control element: " + objectName(c));
    return slots_[static_cast<std::size_t>(index)];
}

const QtSurface::Slot& QtSurface::slot(Control c) const {
    return const_cast<QtSurface*>(this)->slot(c);
}

QWidget* QtSurface::widget(Control c) const {
    return slot(c).widget;
}
QTimer* QtSurface::timer(Control c) const {
    return slot(c).timer;
}

void QtSurface::setCaption(Control c, const std::string& text) {
    QWidget* w = slot(c).widget;
    if (w == nullptr) return;
    const QString value = toQString(text);
    if (c == ctl::Form1) {
        if (window_.windowTitle() != value) window_.setWindowTitle(value);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text() != value) label->setText(value);
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        if (line->text() != value) line->setText(value);
    } else if (auto* list = qobject_cast<QComboBox*>(w)) {
        // A listed text is also the current item, so that the list opens on it.
        const int item = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (list->currentText() == value && (item < 0 || list->currentIndex() == item)) return;
        if (item >= 0 || !list->isEditable()) {
            list->setCurrentIndex(item);
        } else {
            list->setEditText(value);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (button->text() != value) button->setText(value);
    } else if (auto* panel = qobject_cast<PanelFrame*>(w)) {
        panel->setTitle(value);
    }
}

std::string QtSurface::caption(Control c) const {
    const QWidget* w = slot(c).widget;
    if (w == nullptr) return {};
    QString value;
    if (c == ctl::Form1) {
        value = window_.windowTitle();
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        value = label->text();
    } else if (auto* line = qobject_cast<const QLineEdit*>(w)) {
        value = line->text();
    } else if (auto* list = qobject_cast<const QComboBox*>(w)) {
        value = list->currentText();
    } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
        value = button->text();
    } else if (auto* panel = qobject_cast<const PanelFrame*>(w)) {
        value = panel->title();
    }
    return value.toStdString();
}

void QtSurface::setPicture(Control c, const std::string& path) {
    Slot& s = slot(c);
    if (s.widget == nullptr || s.picture == path) return;
    s.picture = path;
    auto* box = qobject_cast<PictureBox*>(s.widget);
    const QSize size = box != nullptr ? box->pictureSize() : s.widget->size();
    const QPixmap pixmap = path.empty() ? QPixmap() : pictures_.picture(toQString(path), size);
    if (box != nullptr) {
        box->setPicture(pixmap);
    } else if (auto* label = qobject_cast<QLabel*>(s.widget)) {
        label->setPixmap(pixmap);
    }
}

std::string QtSurface::picture(Control c) const {
    return slot(c).picture;
}

void QtSurface::setVisible(Control c, bool visible) {
    QWidget* w = slot(c).widget;
    if (w == nullptr) return;
    if (c == ctl::Form1) {
        if (window_.isVisible() != visible) window_.setVisible(visible);
        return;
    }
    if (w->isHidden() == !visible) return;
    w->setVisible(visible);
}

bool QtSurface::visible(Control c) const {
    const Slot& s = slot(c);
    if (s.widget == nullptr) return false;
    if (c == ctl::Form1) return window_.isVisible();
    return !s.widget->isHidden();
}

void QtSurface::setEnabled(Control c, bool enabled) {
    Slot& s = slot(c);
    if (s.timer != nullptr) {
        s.timerEnabled = enabled;
        runTimer(s);
        return;
    }
    if (s.widget == nullptr) return;
    // The control's own setting, whatever its panel's state: a disabled parent marks its
    // children disabled too, only the control's own choice is "forced".
    const bool own = !s.widget->testAttribute(Qt::WA_ForceDisabled);
    if (own != enabled) s.widget->setEnabled(enabled);
}

bool QtSurface::enabled(Control c) const {
    const Slot& s = slot(c);
    if (s.timer != nullptr)
        return s.timerEnabled && (s.timer->isActive() || s.timer->interval() <= 0);
    if (s.widget == nullptr) return false;
    return !s.widget->testAttribute(Qt::WA_ForceDisabled);
}

void QtSurface::setLeft(Control c, int twips) {
    Slot& s = slot(c);
    if (s.widget == nullptr) return;
    s.left = twips;
    const int x = toPixels(twips);
    if (s.widget->x() != x) s.widget->move(x, s.widget->y());
}

void QtSurface::setTop(Control c, int twips) {
    Slot& s = slot(c);
    if (s.widget == nullptr) return;
    s.top = twips;
    const int y = toPixels(twips);
    if (s.widget->y() != y) s.widget->move(s.widget->x(), y);
}

void QtSurface::setWidth(Control c, int twips) {
    Slot& s = slot(c);
    if (s.widget == nullptr) return;
    s.width = twips;
    const int w = std::max(0, toPixels(twips));
    if (s.widget->width() != w) s.widget->resize(w, s.widget->height());
}

void QtSurface::setHeight(Control c, int twips) {
    Slot& s = slot(c);
    if (s.widget == nullptr) return;
    s.height = twips;
    const int h = std::max(0, toPixels(twips));
    if (s.widget->height() != h) s.widget->resize(s.widget->width(), h);
}

int QtSurface::left(Control c) const {
    return slot(c).left;
}
int QtSurface::top(Control c) const {
    return slot(c).top;
}
int QtSurface::width(Control c) const {
    return slot(c).width;
}
int QtSurface::height(Control c) const {
    return slot(c).height;
}

void QtSurface::setForeColor(Control c, std::uint32_t rgb) {
    Slot& s = slot(c);
    if (s.widget == nullptr || s.color == rgb) return;
    s.color = rgb;
    QPalette palette = s.widget->palette();
    const QColor color = rgb == kButtonTextColor
                             ? palette.color(QPalette::Active, QPalette::ButtonText)
                             : QColor::fromRgb(QRgb(0xFF000000u | (rgb & 0xFFFFFFu)));
    const QPalette::ColorRole role = s.widget->foregroundRole();
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    s.widget->setPalette(palette);
}

std::uint32_t QtSurface::foreColor(Control c) const {
    return slot(c).color;
}

void QtSurface::setChecked(Control c, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(slot(c).widget)) {
        if (box->isChecked() != checked) box->setChecked(checked);
    }
}

bool QtSurface::checked(Control c) const {
    const auto* box = qobject_cast<const QCheckBox*>(slot(c).widget);
    return box != nullptr && box->isChecked();
}

void QtSurface::clearItems(Control c) {
    if (auto* list = qobject_cast<QComboBox*>(slot(c).widget)) {
        if (list->count() > 0) list->clear();
    }
}

void QtSurface::addItem(Control c, const std::string& item) {
    auto* list = qobject_cast<QComboBox*>(slot(c).widget);
    if (list == nullptr) return;
    // Adding to a list never changes what the box shows.
    if (list->isEditable()) {
        const QString shown = list->currentText();
        list->addItem(toQString(item));
        if (list->currentText() != shown) list->setEditText(shown);
    } else {
        const int shown = list->currentIndex();
        list->addItem(toQString(item));
        if (list->currentIndex() != shown) list->setCurrentIndex(shown);
    }
}

std::vector<std::string> QtSurface::items(Control c) const {
    std::vector<std::string> result;
    if (const auto* list = qobject_cast<const QComboBox*>(slot(c).widget)) {
        result.reserve(list->count());
        for (int i = 0; i < list->count(); ++i) result.push_back(list->itemText(i).toStdString());
    }
    return result;
}

void QtSurface::runTimer(Slot& s) {
    const bool run = s.timerEnabled && s.timer->interval() > 0;
    if (run && !s.timer->isActive()) {
        s.timer->start();
        ++s.starts;
    } else if (!run && s.timer->isActive()) {
        s.timer->stop();
    }
}

void QtSurface::setInterval(Control timer, int ms) {
    Slot& s = slot(timer);
    if (s.timer == nullptr) return;
    if (s.timer->interval() != ms) {
        // A running timer given a new interval starts over.
        if (s.timer->isActive()) ++s.starts;
        s.timer->setInterval(std::max(0, ms));
    }
    runTimer(s);
}

int QtSurface::timerStarts(Control timer) const {
    return slot(timer).starts;
}

int QtSurface::timerRemaining(Control timer) const {
    const QTimer* clock = slot(timer).timer;
    return clock == nullptr ? 0 : std::max(0, clock->remainingTime());
}

int QtSurface::interval(Control timer) const {
    const Slot& s = slot(timer);
    return s.timer == nullptr ? 0 : s.timer->interval();
}

MessageAnswer QtSurface::showMessage(const std::string& text, MessageButtons buttons) {
    return window_.showMessageBox(toQString(text), buttons);
}

void QtSurface::setMessageTitle(const std::string& title) {
    window_.setMessageTitle(toQString(title));
}

void QtSurface::setWindowSize(int widthTwips, int heightTwips) {
    const QSize size(toPixels(widthTwips), toPixels(heightTwips));
    if (window_.size() != size || window_.minimumSize() != size || window_.maximumSize() != size) {
        window_.setFixedSize(size);
    }
}

void QtSurface::setWindowEnabled(bool enabled) {
    QWidget* form = window_.centralWidget();
    if (form->isEnabled() != enabled) form->setEnabled(enabled);
}

bool QtSurface::windowEnabled() const {
    return window_.centralWidget()->isEnabled();
}

void QtSurface::processEvents() {
    QCoreApplication::processEvents();
}

void QtSurface::closeWindow() {
    window_.close();
}

}  // namespace zelvaro::ui

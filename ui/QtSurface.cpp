#include "ui/QtSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <array>

#include "engine/display/TableDisplay.h"
#include "ui/Animations.h"
#include "ui/CardLift.h"
#include "ui/CardMotion.h"
#include "ui/MainWindow.h"
#include "ui/PictureBox.h"
#include "ui/Stage.h"
#include "ui/StatisticsTable.h"
#include "ui/TablePause.h"
#include "ui/WidgetText.h"

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
    : window_(window),
      pictures_(std::make_shared<PictureCache>(assetFolder)),
      slots_(window),
      animationPace_(kAnimations.factor()) {
    window_.cardLift().setEnabled(animationPace_ > 0);
    window_.cardMotion().attach({[this] { return motionPace(); },
                                 [this](Control c) { return toQString(slots_.at(c).picture); }});
}

QtSurface::~QtSurface() {
    window_.cardMotion().attach({});
}

MotionPace QtSurface::motionPace() const {
    // Nothing moves while the player skips ahead, nor in the game played for speed.
    if (animationPace_ <= 0 || window_.fastForwarding()) return {};
    static const std::string turbo = optionPicture("Turbo");
    if (slots_.at(ctl::Picture15).picture == turbo) return {};
    // A computer seat moves every third tick: each move's cards land before the next one.
    const int tick = std::max(interval(ctl::Timer1), 100);
    const double gap = 3.0 * tick;
    const bool slow = tick >= 1000;
    const double move = std::min(gap * 0.8, slow ? 450.0 : 230.0) * animationPace_;
    const double deal = std::min(gap * 0.85, slow ? 1400.0 : 255.0) * animationPace_;
    return {static_cast<int>(move), static_cast<int>(deal)};
}

void QtSurface::noteCard(Control c) {
    const ControlSlot& s = slots_.at(c);
    window_.cardMotion().noteCard(c, s.widget, toQString(s.picture));
}

QWidget* QtSurface::widget(Control c) const {
    return slots_.at(c).widget;
}
QTimer* QtSurface::timer(Control c) const {
    const auto& clock = slots_.at(c).timer;
    return clock ? clock->clock() : nullptr;
}

void QtSurface::setCaption(Control c, const std::string& text) {
    QWidget* w = slots_.at(c).widget;
    if (w == nullptr) return;
    const QString value = toQString(text);
    if (c == ctl::Form1) {
        if (window_.windowTitle() != value) window_.setWindowTitle(value);
    } else {
        WidgetText::set(w, value);
    }
}

std::string QtSurface::caption(Control c) const {
    const QWidget* w = slots_.at(c).widget;
    if (w == nullptr) return {};
    const QString value = c == ctl::Form1 ? window_.windowTitle() : WidgetText::of(w);
    return value.toStdString();
}

void QtSurface::setPicture(Control c, const std::string& path) {
    ControlSlot& s = slots_.at(c);
    if (s.widget == nullptr || s.picture == path) return;
    noteCard(c);
    s.picture = path;
    if (auto* box = qobject_cast<PictureBox*>(s.widget))
        box->showPicture(pictures_, toQString(path));
}

std::string QtSurface::picture(Control c) const {
    return slots_.at(c).picture;
}

void QtSurface::setVisible(Control c, bool visible) {
    QWidget* w = slots_.at(c).widget;
    if (w == nullptr) return;
    if (c == ctl::Form1) {
        if (window_.isVisible() != visible) window_.setVisible(visible);
        return;
    }
    if (w->isHidden() == !visible) return;
    noteCard(c);
    // A panel or a screen over the table, or the table gone: the cards land at once.
    if (visible ? w->parentWidget() == window_.centralWidget() : c == ctl::Picture1)
        window_.cardMotion().land();
    w->setVisible(visible);
}

bool QtSurface::visible(Control c) const {
    const ControlSlot& s = slots_.at(c);
    if (s.widget == nullptr) return false;
    if (c == ctl::Form1) return window_.isVisible();
    return !s.widget->isHidden();
}

void QtSurface::setEnabled(Control c, bool enabled) {
    ControlSlot& s = slots_.at(c);
    if (s.timer) {
        s.timer->setEnabled(enabled);
        return;
    }
    if (s.widget == nullptr) return;
    // The control's own setting, whatever its panel's state: a disabled parent marks its
    // children disabled too, only the control's own choice is "forced".
    const bool own = !s.widget->testAttribute(Qt::WA_ForceDisabled);
    if (own != enabled) s.widget->setEnabled(enabled);
}

bool QtSurface::enabled(Control c) const {
    const ControlSlot& s = slots_.at(c);
    if (s.timer) return s.timer->enabled();
    if (s.widget == nullptr) return false;
    return !s.widget->testAttribute(Qt::WA_ForceDisabled);
}

void QtSurface::place(Control c, int ControlSlot::*edge, int twips) {
    ControlSlot& s = slots_.at(c);
    if (s.widget == nullptr) return;
    s.*edge = twips;
    // The game's twips are the design's pixels; the stage puts them on the screen.
    Stage::place(s.widget, QRect(toPixels(s.left), toPixels(s.top), std::max(0, toPixels(s.width)),
                                 std::max(0, toPixels(s.height))));
}

void QtSurface::setLeft(Control c, int twips) {
    place(c, &ControlSlot::left, twips);
}
void QtSurface::setTop(Control c, int twips) {
    place(c, &ControlSlot::top, twips);
}
void QtSurface::setWidth(Control c, int twips) {
    place(c, &ControlSlot::width, twips);
}
void QtSurface::setHeight(Control c, int twips) {
    place(c, &ControlSlot::height, twips);
}

int QtSurface::left(Control c) const {
    return slots_.at(c).left;
}
int QtSurface::top(Control c) const {
    return slots_.at(c).top;
}
int QtSurface::width(Control c) const {
    return slots_.at(c).width;
}
int QtSurface::height(Control c) const {
    return slots_.at(c).height;
}

void QtSurface::setForeColor(Control c, std::uint32_t rgb) {
    ControlSlot& s = slots_.at(c);
    if (s.widget == nullptr || s.color == rgb) return;
    s.color = rgb;
    // The held trick's winners are lit: the trick goes to them.
    if (rgb == kHighlightColor) {
        if (c == ctl::Label4) window_.cardMotion().noteWinner(0);
        if (c.id == ctl::Label6.id) window_.cardMotion().noteWinner(c.index + 1);
    }
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
    return slots_.at(c).color;
}

void QtSurface::setChecked(Control c, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(slots_.at(c).widget)) {
        if (box->isChecked() != checked) box->setChecked(checked);
    }
}

bool QtSurface::checked(Control c) const {
    const auto* box = qobject_cast<const QCheckBox*>(slots_.at(c).widget);
    return box != nullptr && box->isChecked();
}

void QtSurface::setDescription(Control c, const std::string& text) {
    QWidget* w = slots_.at(c).widget;
    const QString name = toQString(text);
    if (w != nullptr && w->accessibleName() != name) w->setAccessibleName(name);
}

std::string QtSurface::description(Control c) const {
    const QWidget* w = slots_.at(c).widget;
    return w != nullptr ? w->accessibleName().toStdString() : std::string();
}

void QtSurface::setRows(Control c, const Rows& rows) {
    if (auto* table = qobject_cast<StatisticsTable*>(slots_.at(c).widget)) table->setRows(rows);
}

Surface::Rows QtSurface::rows(Control c) const {
    const auto* table = qobject_cast<const StatisticsTable*>(slots_.at(c).widget);
    return table != nullptr ? table->rows() : Rows();
}

void QtSurface::clearItems(Control c) {
    WidgetText::clearItems(slots_.at(c).widget);
}

void QtSurface::addItem(Control c, const std::string& item) {
    WidgetText::addItem(slots_.at(c).widget, toQString(item));
}

void QtSurface::selectItem(Control c, int index) {
    WidgetText::selectItem(slots_.at(c).widget, index);
}

int QtSurface::selectedItem(Control c) const {
    return WidgetText::selectedItem(slots_.at(c).widget);
}

std::vector<std::string> QtSurface::items(Control c) const {
    const QStringList listed = WidgetText::items(slots_.at(c).widget);
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(listed.size()));
    for (const QString& item : listed) result.push_back(item.toStdString());
    return result;
}

void QtSurface::setInterval(Control timer, int ms) {
    if (auto& clock = slots_.at(timer).timer) clock->setInterval(ms);
}

int QtSurface::interval(Control timer) const {
    const auto& clock = slots_.at(timer).timer;
    return clock ? clock->interval() : 0;
}

int QtSurface::timerStarts(Control timer) const {
    const auto& clock = slots_.at(timer).timer;
    return clock ? clock->starts() : 0;
}

int QtSurface::timerRemaining(Control timer) const {
    const auto& clock = slots_.at(timer).timer;
    return clock ? clock->remaining() : 0;
}

void QtSurface::resumeTimer(Control timer, int firstTickMs) {
    if (auto& clock = slots_.at(timer).timer) clock->resume(firstTickMs);
}

void QtSurface::holdTable(int ms) {
    if (window_.fastForwarding()) return;
    ms = static_cast<int>(ms * kTablePause.factor());
    std::array<SurfaceTimer*, 3> running{};
    int soonest = ms;
    int count = 0;
    for (const Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) {
        auto& clock = slots_.at(timer).timer;
        if (!clock || !clock->enabled() || clock->interval() <= 0) continue;
        running[count++] = &*clock;
        soonest = std::min(soonest, clock->remaining());
    }
    // Every clock moves by the same time, so the ticks come in the order they would have.
    for (int i = 0; i < count; ++i) running[i]->delayNextTick(ms - soonest);
}

MessageAnswer QtSurface::showMessage(const std::string& text, MessageButtons buttons) {
    return window_.showMessageBox(toQString(text), buttons);
}

void QtSurface::setMessageTitle(const std::string& title) {
    window_.setMessageTitle(toQString(title));
}

void QtSurface::showWindowPreferences() {
    auto* pause = window_.findChild<QComboBox*>(QString::fromLatin1(kTablePauseList));
    if (pause != nullptr) pause->setCurrentText(kTablePause.current());
    auto* motion = window_.findChild<QComboBox*>(QString::fromLatin1(kAnimationList));
    if (motion != nullptr) motion->setCurrentText(kAnimations.current());
}

void QtSurface::keepWindowPreferences() {
    const auto* pause = window_.findChild<QComboBox*>(QString::fromLatin1(kTablePauseList));
    if (pause != nullptr) kTablePause.keep(pause->currentText());
    const auto* motion = window_.findChild<QComboBox*>(QString::fromLatin1(kAnimationList));
    if (motion != nullptr) kAnimations.keep(motion->currentText());
    animationPace_ = kAnimations.factor();
    window_.cardLift().setEnabled(animationPace_ > 0);
}

void QtSurface::setWindowSize(int, int) {
    // The game's window size is the design the stage scales; the player chooses the real one.
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

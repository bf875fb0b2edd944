#include "ui/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QTimer>
#include <chrono>
#include <exception>
#include <optional>

#include "front/ZelvaroApp.h"
#include "ui/CardLift.h"
#include "ui/CardMotion.h"
#include "ui/ClickableLabel.h"
#include "ui/ControlBuilder.h"
#include "ui/FeltWidget.h"
#include "ui/GameKeys.h"
#include "ui/GameMessageBox.h"
#include "ui/GameStyle.h"
#include "ui/HandFocusFrame.h"
#include "ui/PictureCache.h"
#include "ui/Stage.h"
#include "ui/Theme.h"
#include "ui/WindowPanels.h"
#include "ui/WindowPlacement.h"

namespace zelvaro::ui {
namespace {

// Hands the window's events to the game's application.
class AppEvents : public WindowEvents {
public:
    explicit AppEvents(ZelvaroApp& app) : app_(app) {}
    void click(Control c) override { app_.click(c); }
    void mouseMove(Control c) override { app_.mouseMove(c); }
    void mouseDown(Control c) override { app_.mouseDown(c); }
    void comboSelected(Control c) override { app_.comboSelected(c); }
    void timerTick(Control timer) override { app_.timerTick(timer); }
    void failed(std::exception_ptr failure, std::optional<Control> timer) override {
        app_.failed(failure, timer);
    }
    bool keyPressed(GameKey key) override { return app_.keyPressed(key); }
    int outlinedPlace() override { return app_.outlinedPlace(); }
    void windowClosing() override { app_.shutDown(); }
    bool fastForwarding() override { return app_.fastForwarding(); }
    void fastForwardFor(int ms) override { app_.fastForwardFor(std::chrono::milliseconds(ms)); }

private:
    ZelvaroApp& app_;
};

}  // namespace

MainWindow::MainWindow(const QString& assetFolder, QWidget* parent)
    : QMainWindow(parent), assetFolder_(assetFolder) {
    setWindowTitle(QStringLiteral("Zelvaro"));
    // The table is laid out for 1030 × 750 and scaled to whatever size the player gives the
    // window; below about six tenths its captions would be too small to read.
    setMinimumSize(Stage::designSize() * 0.6);
    resize(Stage::designSize());

    inputStyle_ = new GameStyle;
    inputStyle_->setParent(this);

    auto* form = new FeltWidget(std::make_shared<PictureCache>(assetFolder_), this);
    form->resize(Stage::designSize());
    setCentralWidget(form);
    Theme::applyWindowPalette(form);

    ControlBuilder make(*this);
    make.adopt(form, ctl::Form1, QRect());
    WindowPanels(make, *form, *this).build();
    Stage::adopt(form);
    auto* table = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Picture1)));
    cardMotion_ = new CardMotion(*table);
    cardLift_ = new CardLift(*table, cardMotion_->veil());
    form->installEventFilter(this);
    // The window opens with the focus on the cloth, not on a control: Tab brings it to the
    // first one, and the table's keys reach the window.
    form->setFocus(Qt::OtherFocusReason);
    buildTimers();
    applyStartVisibility();
    buildWindowKeys();

    // Stretches short enough that the window repaints and answers between them.
    fastForwardDriver_.setInterval(0);
    connect(&fastForwardDriver_, &QTimer::timeout, this, [this] {
        constexpr int kStretchMs = 40;
        dispatch([this] { events_->fastForwardFor(kStretchMs); });
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::attach(ZelvaroApp& app) {
    appEvents_ = std::make_unique<AppEvents>(app);
    events_ = appEvents_.get();
}

void MainWindow::attach(WindowEvents* events) {
    events_ = events;
    if (events != appEvents_.get()) appEvents_.reset();
}

void MainWindow::buildTimers() {
    // The table tick, the tournament tick and the standings tick, at their first pace.
    for (const Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) {
        auto* clock = new QTimer(this);
        clock->setObjectName(QString::fromStdString(zelvaro::objectName(timer)));
        clock->setInterval(timerStartInterval(timer.id));
        connect(clock, &QTimer::timeout, this, [this, timer] { forwardTimerTick(timer); });
    }
}

void MainWindow::applyStartVisibility() {
    forEachControl([this](Control c, const ControlInfo& info) {
        auto* widget = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(c)));
        if (widget != nullptr && widget != centralWidget()) widget->setVisible(info.visibleAtStart);
    });
}

template <class Handler>
void MainWindow::dispatch(Handler&& handler, std::optional<Control> timer) {
    if (events_ == nullptr || handling_ > 0 || openMessages_ > 0) return;
    ++handling_;
    try {
        handler();
    } catch (...) {
        // What escaped the game's own guard (a window's event, a failure that is no error of
        // the game's) is answered by the same policy.
        if (events_ != nullptr) events_->failed(std::current_exception(), timer);
    }
    --handling_;
    cardMotion_->play();
    followFastForward();
    followHand();
    followFocus();
}

void MainWindow::followFocus() {
    // A panel or a screen opened over the focused control: the focus goes back to the cloth.
    QWidget* focused = focusWidget();
    if (focused == nullptr || focused == centralWidget() || ClickableLabel::reachable(focused))
        return;
    centralWidget()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::followFastForward() {
    if (events_ == nullptr) return;
    const bool wanted = events_->fastForwarding();
    if (wanted == fastForwardDriver_.isActive()) return;
    if (wanted) {
        cardMotion_->land();
        fastForwardDriver_.start();
    } else {
        fastForwardDriver_.stop();
    }
}

void MainWindow::forwardClick(Control c) {
    dispatch([this, c] { events_->click(c); });
}

void MainWindow::forwardMouseMove(Control c) {
    dispatch([this, c] { events_->mouseMove(c); });
}

void MainWindow::forwardMouseDown(Control c) {
    dispatch([this, c] { events_->mouseDown(c); });
}

void MainWindow::forwardComboSelected(Control c) {
    if (!(c == ctl::Combo2 || c == ctl::Combo4 || c == ctl::Combo7)) return;
    dispatch([this, c] { events_->comboSelected(c); });
}

void MainWindow::forwardTimerTick(Control timer) {
    // "Avanti veloce" fires the ticks itself, in their order.
    if (fastForwardDriver_.isActive()) return;
    dispatch([this, timer] { events_->timerTick(timer); }, timer);
}

void MainWindow::followHand() {
    // The outline is drawn where the game's keys put it.
    const int place = events_ != nullptr ? events_->outlinedPlace() : -1;
    cardLift_->setOutlined(place);
    QWidget* card = nullptr;
    if (place >= 0) {
        card =
            findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Picture2[place])));
    }
    if (card == nullptr) {
        if (handFocus_ != nullptr) handFocus_->hide();
        return;
    }
    if (handFocus_ == nullptr) handFocus_ = new HandFocusFrame(card->parentWidget());
    handFocus_->frame(card);
    // The outline goes up with the lifted card.
    if (cardLift_->lifted() == card)
        Stage::place(handFocus_, Stage::design(handFocus_).translated(0, -CardLift::kRise));
}

void MainWindow::buildWindowKeys() {
    // F11 and the options' box switch full screen wherever the player is, a message aside.
    auto* fullScreen = new QAction(this);
    // F11 everywhere, and the desktop's own key for it where that is another.
    QList<QKeySequence> keys{QKeySequence(Qt::Key_F11)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::FullScreen)) {
        if (!keys.contains(key)) keys.append(key);
    }
    fullScreen->setShortcuts(keys);
    fullScreen->setShortcutContext(Qt::WindowShortcut);
    connect(fullScreen, &QAction::triggered, this, [this] { setFullScreen(!isFullScreen()); });
    addAction(fullScreen);
    if (auto* box = findChild<QCheckBox*>(QStringLiteral("schermoIntero"))) {
        connect(box, &QCheckBox::toggled, this, [this](bool on) { setFullScreen(on); });
    }
    placementSaver_.setSingleShot(true);
    placementSaver_.setInterval(400);
    connect(&placementSaver_, &QTimer::timeout, this, [this] { WindowPlacement::save(*this); });
}

void MainWindow::restorePlacement() {
    WindowPlacement::restore(*this, Stage::designSize());
}

void MainWindow::setFullScreen(bool on) {
    if (on == isFullScreen()) return;
    setWindowState(on ? (windowState() | Qt::WindowFullScreen)
                      : (windowState() & ~Qt::WindowFullScreen));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        // Cards on their way land at once; the lifted card follows its place.
        cardMotion_->land();
        Stage::fit(centralWidget());
        cardLift_->follow();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (auto* box = findChild<QCheckBox*>(QStringLiteral("schermoIntero"))) {
            const QSignalBlocker quiet(box);
            box->setChecked(isFullScreen());
        }
        placementSaver_.start();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placementSaver_.start();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placementSaver_.start();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    placementSaver_.stop();
    cardMotion_->land();
    WindowPlacement::save(*this);
    if (events_ != nullptr) events_->windowClosing();
    QMainWindow::closeEvent(event);
}

bool MainWindow::focusNextPrevChild(bool next) {
    // Tab goes over what a click could reach: the controls under a panel or a screen are
    // passed over, as the mouse cannot reach them either.
    QWidget* start = focusWidget() != nullptr ? focusWidget() : this;
    if (start != this && (!start->isVisible() || !start->isEnabled())) {
        // The focused control went away under its panel: the focus goes back to the cloth
        // rather than onto a control the player did not choose.
        centralWidget()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    QWidget* candidate = start;
    for (int steps = 0; steps < 2000; ++steps) {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate == start) break;
        // A list box takes the focus in its text line, its focus proxy.
        if ((candidate->focusPolicy() & Qt::TabFocus) && candidate->focusProxy() == nullptr &&
            candidate->window() == this && ClickableLabel::reachable(candidate)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A game's key goes to the game, which says whether it meant anything where the player
    // is; what it did not use is the window's.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const std::optional<GameKey> key = plain ? gameKeyOf(event->key()) : std::nullopt;
    bool used = false;
    if (key) dispatch([this, &used, key] { used = events_->keyPressed(*key); });
    if (used) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

MessageAnswer MainWindow::showMessageBox(const QString& text, MessageButtons buttons) {
    cardMotion_->land();
    ++openMessages_;
    const MessageAnswer answer = showGameMessage(*this, inputStyle_, messageTitle_, text, buttons);
    --openMessages_;
    return answer;
}

}  // namespace zelvaro::ui

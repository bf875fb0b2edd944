#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <exception>
#include <vector>

#include "rules/Card.h"
#include "engine/GameSession.h"
#include "engine/display/TableLayout.h"
#include "front/ZelvaroApp.h"
#include "ui/ControlBuilder.h"
#include "ui/FeltWidget.h"
#include "ui/GameStyle.h"
#include "ui/PictureBox.h"
#include "ui/PictureCache.h"
#include "ui/Stage.h"
#include "ui/TableSeats.h"
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
    void windowClosing() override { app_.shutDown(); }
    bool fastForwarding() override { return app_.fastForwarding(); }
    void fastForwardFor(int ms) override { app_.fastForwardFor(std::chrono::milliseconds(ms)); }

private:
    ZelvaroApp& app_;
};

}  // namespace

// The gold outline around the hand card that the keys act on. It is the window's own: the
// game never sees it, and it lets every click through to the card below.
class HandFocusFrame : public QWidget {
public:
    static constexpr int kMargin = 4;
    explicit HandFocusFrame(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("focoMano"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void frame(const QWidget* card) {
        Stage::place(this, Stage::design(card).adjusted(-kMargin, -kMargin, kMargin, kMargin));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        DesignPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 0, 0, 120), 5.0));
        const QRectF box = Stage::designArea(this).adjusted(2.5, 2.5, -2.5, -2.5);
        painter.drawRoundedRect(box, 8, 8);
        painter.setPen(QPen(QColor(0xf5, 0xc8, 0x42), 3.0));
        painter.drawRoundedRect(box, 8, 8);
    }
};

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
    app_ = &app;
    appEvents_ = std::make_unique<AppEvents>(app);
    events_ = appEvents_.get();
}

void MainWindow::attach(WindowEvents* events) {
    events_ = events;
    if (events != appEvents_.get()) {
        appEvents_.reset();
        app_ = nullptr;
    }
}

void MainWindow::buildTimers() {
    // The table tick, the tournament tick and the standings tick, at their first pace.
    for (const Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3}) {
        auto* clock = new QTimer(this);
        clock->setObjectName(QString::fromStdString(zelvaro::objectName(timer)));
        clock->setInterval(timerStartInterval(timer.id));
        connect(clock, &QTimer::timeout, this, [this, timer] { forwardTimerTick(timer); });
        timers_.insert(static_cast<int>(timer.id), clock);
    }
}

void MainWindow::applyStartVisibility() {
    forEachControl([this](Control c, const ControlInfo& info) {
        auto* widget = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(c)));
        if (widget != nullptr && widget != centralWidget()) widget->setVisible(info.visibleAtStart);
    });
}

template <class Handler>
void MainWindow::dispatch(Handler&& handler, QTimer* timer) {
    if (events_ == nullptr || handling_ > 0 || openMessages_ > 0) return;
    ++handling_;
    try {
        handler();
    } catch (const std::exception& failure) {
        reportFailure(QString::fromUtf8(failure.what()), timer);
    } catch (...) {
        reportFailure(QStringLiteral("Errore imprevisto."), timer);
    }
    --handling_;
    followFastForward();
    followHand();
    followFocus();
}

void MainWindow::followFocus() {
    // A panel or a screen opened over the focused control: the focus goes back to the cloth.
    QWidget* focused = focusWidget();
    if (focused == nullptr || focused == centralWidget() || ClickableLabel::reachable(focused)) return;
    centralWidget()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::followFastForward() {
    if (events_ == nullptr) return;
    const bool wanted = events_->fastForwarding();
    if (wanted == fastForwardDriver_.isActive()) return;
    if (wanted) {
        fastForwardDriver_.start();
    } else {
        fastForwardDriver_.stop();
    }
}

void MainWindow::reportFailure(const QString& what, QTimer* timer) {
    // A failing tick would fail again on the next one: stop its timer first.
    if (timer != nullptr) timer->stop();
    showMessageBox(what, MessageButtons::Ok);
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
    QTimer* clock = timers_.value(static_cast<int>(timer.id), nullptr);
    dispatch([this, timer] { events_->timerTick(timer); }, clock);
}

bool MainWindow::clickIfOffered(Control c) {
    QWidget* widget = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(c)));
    if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) return false;
    forwardClick(c);
    return true;
}

std::vector<int> MainWindow::heldPlaces() const {
    std::vector<int> held;
    for (int i = 0; i < ctl::Picture2.size(); ++i) {
        const auto* card = findChild<PictureBox*>(QString::fromStdString(zelvaro::objectName(ctl::Picture2[i])));
        if (card != nullptr && card->isVisible() && card->hasPicture()) held.push_back(i);
    }
    return held;
}

void MainWindow::followHand() {
    if (app_ != nullptr) {
        const Hand& hand = app_->session().hands[kHumanSeat];
        for (int i = 0; i < ctl::Picture2.size(); ++i) {
            auto* card = findChild<PictureBox*>(QString::fromStdString(zelvaro::objectName(ctl::Picture2[i])));
            if (card == nullptr) continue;
            const QString name = hand[i].isReal() ? TableSeats::cardName(cardPicture(hand[i])) : QString();
            if (card->accessibleName() != name) card->setAccessibleName(name);
        }
    }
    if (handFocus_ == nullptr || focusedPlace_ < 0) return;
    const std::vector<int> held = heldPlaces();
    if (held.empty()) {
        handFocus_->hide();
        return;
    }
    // A laid card leaves its place: the focus goes to the nearest card still held.
    int place = held.back();
    for (const int i : held) {
        if (i >= focusedPlace_) {
            place = i;
            break;
        }
    }
    focusedPlace_ = place;
    handFocus_->frame(findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Picture2[place]))));
}

bool MainWindow::tableKey(int key) {
    const std::vector<int> held = heldPlaces();
    auto focusOn = [this](int place) {
        QWidget* card = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Picture2[place])));
        if (handFocus_ == nullptr) handFocus_ = new HandFocusFrame(card->parentWidget());
        focusedPlace_ = place;
        handFocus_->frame(card);
    };
    // Where the focus is among the held cards; -1 when it is on none of them.
    const auto at = std::find(held.begin(), held.end(), focusedPlace_);
    const int index = at == held.end() ? -1 : static_cast<int>(at - held.begin());
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right: {
            if (held.empty()) return true;
            const int step = key == Qt::Key_Left ? -1 : 1;
            const int count = static_cast<int>(held.size());
            const int next = index < 0 ? 0 : (index + step + count) % count;
            focusOn(held[next]);
            return true;
        }
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (index < 0) {
                if (!held.empty()) focusOn(held.front());
                return true;
            }
            forwardClick(ctl::Picture2[focusedPlace_]);
            return true;
        case Qt::Key_C: return clickIfOffered(ctl::Command1);
        case Qt::Key_N: return clickIfOffered(ctl::Command2);
        case Qt::Key_F: return clickIfOffered(ctl::Command6) || clickIfOffered(ctl::Command5);
        case Qt::Key_Escape: return clickIfOffered(ctl::Label18);
        default: break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        // 1 to 9 are the first nine cards held, 0 the tenth.
        const int nth = key == Qt::Key_0 ? 9 : key - Qt::Key_1;
        if (nth >= static_cast<int>(held.size())) return true;
        focusOn(held[nth]);
        forwardClick(ctl::Picture2[held[nth]]);
        return true;
    }
    return false;
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
    setWindowState(on ? (windowState() | Qt::WindowFullScreen) : (windowState() & ~Qt::WindowFullScreen));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) Stage::fit(centralWidget());
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
    const auto* table = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Picture1)));
    const bool onTable = table != nullptr && table->isVisible() && isEnabled();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && onTable && openMessages_ == 0 && tableKey(event->key())) {
        event->accept();
        return;
    }
    // The rules open from the menu only, where their entry is; the table and the standings
    // lie over the menu without hiding it.
    const auto* standings = findChild<QWidget*>(QString::fromStdString(zelvaro::objectName(ctl::Picture27)));
    const bool overMenu = onTable || (standings != nullptr && standings->isVisible());
    if (plain && event->key() == Qt::Key_F1 && !overMenu && clickIfOffered(ctl::Label15)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

namespace {

struct BoxButton {
    QMessageBox::StandardButton button;
    const char* caption;  // empty: the system's own word
    MessageAnswer answer;
};

struct BoxButtons {
    std::vector<BoxButton> buttons;
    QMessageBox::StandardButton enter;
    QMessageBox::StandardButton escape;  // also what closing the box answers
};

// Enter never leaves a game or deletes a profile; copying the player's file changes nothing
// of his, so there Enter copies and Esc leaves.
BoxButtons buttonsOf(MessageButtons kind) {
    switch (kind) {
        case MessageButtons::YesNo:
            return {{{QMessageBox::Yes, "S\u00ec", MessageAnswer::Yes}, {QMessageBox::No, "No", MessageAnswer::No}},
                    QMessageBox::No, QMessageBox::No};
        case MessageButtons::CopyOrQuit:
            return {{{QMessageBox::Yes, "Copia", MessageAnswer::Copy}, {QMessageBox::No, "Esci", MessageAnswer::Quit}},
                    QMessageBox::Yes, QMessageBox::No};
        case MessageButtons::Ok: break;
    }
    return {{{QMessageBox::Ok, "", MessageAnswer::Ok}}, QMessageBox::Ok, QMessageBox::Ok};
}

}  // namespace

void MainWindow::placeOverTheTable(QMessageBox& box) const {
    // Over the table a box stands above its middle, where the line of the hand just ended
    // stays readable beside it.
    const QWidget* table = findChild<QWidget*>(QStringLiteral("Picture1"));
    if (table == nullptr || !table->isVisible()) return;
    constexpr QPointF kBoxCentre(515, 190);
    box.adjustSize();
    const QPointF centre = Stage::contentOrigin(table) + kBoxCentre * Stage::scale(table);
    box.move(table->mapToGlobal(centre.toPoint()) - box.rect().center());
}

MessageAnswer MainWindow::showMessageBox(const QString& text, MessageButtons buttons) {
    const BoxButtons offered = buttonsOf(buttons);
    QMessageBox::StandardButtons standard;
    for (const BoxButton& b : offered.buttons) standard |= b.button;
    QMessageBox box(QMessageBox::NoIcon, messageTitle_, text, standard, this);
    box.setDefaultButton(offered.enter);
    box.setEscapeButton(offered.escape);
    for (const BoxButton& b : offered.buttons) {
        if (*b.caption != '\0') box.button(b.button)->setText(QString::fromUtf8(b.caption));
    }
    // The box wears the game's colours: dark cloth, cream text, gold buttons.
    box.setStyle(inputStyle_);
    box.setPalette(Theme::messagePalette(box.palette()));
    // Its words as large as the table's around it.
    box.setFont(Theme::sans(std::max(13, qRound(14 * Stage::scale(centralWidget())))));
    for (QAbstractButton* button : box.buttons()) {
        button->setStyle(inputStyle_);
        button->setIcon(QIcon());  // plain words, as on the game's other buttons
        button->setMinimumWidth(96);
    }
    placeOverTheTable(box);
    ++openMessages_;
    const int pressed = box.exec();
    --openMessages_;
    const BoxButton* escape = nullptr;
    for (const BoxButton& b : offered.buttons) {
        if (pressed == b.button) return b.answer;
        if (b.button == offered.escape) escape = &b;
    }
    return escape->answer;
}

}  // namespace zelvaro::ui

#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <exception>
#include <vector>

#include "engine/display/TableLayout.h"
#include "front/ZelvaroApp.h"
#include "ui/ControlBuilder.h"
#include "ui/FeltWidget.h"
#include "ui/GameStyle.h"
#include "ui/Theme.h"
#include "ui/WindowPanels.h"

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
    bool fastForwarding() override { return app_.fastForwarding(); }
    void fastForwardFor(int ms) override { app_.fastForwardFor(std::chrono::milliseconds(ms)); }

private:
    ZelvaroApp& app_;
};

}  // namespace

MainWindow::MainWindow(const QString& assetFolder, QWidget* parent)
    : QMainWindow(parent), assetFolder_(assetFolder) {
    setWindowTitle(QStringLiteral("Zelvaro"));
    setFixedSize(layout::kWindowWidth, layout::kWindowHeight);

    inputStyle_ = new GameStyle;
    inputStyle_->setParent(this);

    auto* form = new FeltWidget(assetFolder_, this);
    setCentralWidget(form);
    Theme::applyWindowPalette(form);

    ControlBuilder make(*this);
    make.adopt(form, ctl::Form1, QRect());
    WindowPanels(make, *form, *this).build();
    buildTimers();
    applyStartVisibility();

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
    box.setFont(Theme::sans(14));
    for (QAbstractButton* button : box.buttons()) {
        button->setStyle(inputStyle_);
        button->setIcon(QIcon());  // plain words, as on the game's other buttons
        button->setMinimumWidth(96);
    }
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

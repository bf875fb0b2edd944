// The game's one window: it has every control built under its game name (the panels and
// screens by WindowPanels), keeps the three timers, shows the message boxes, and hands each
// click, mouse move, list pick, key and timer tick to the application, one at a time. What
// they mean is the application's to decide; the window draws what it is told.
#pragma once

#include <QKeyEvent>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "primitives/Controls.h"
#include "primitives/Surface.h"
#include "ui/WindowEvents.h"

namespace zelvaro {
class ZelvaroApp;
}

namespace zelvaro::ui {

class CardLift;
class CardMotion;
class GameStyle;
class HandFocusFrame;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Pictures used by the window's own decoration are read from `assetFolder`.
    explicit MainWindow(const QString& assetFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The application that receives the events. Until it is attached events are dropped.
    void attach(ZelvaroApp& app);
    // Any other receiver (tests); it must outlive the window or be detached with nullptr.
    void attach(WindowEvents* events);

    void forwardClick(Control c);
    void forwardMouseMove(Control c);
    void forwardMouseDown(Control c);
    void forwardComboSelected(Control c);
    void forwardTimerTick(Control timer);
    // Whether "Avanti veloce" runs: the window's own timer ticks are held back meanwhile.
    bool fastForwarding() const { return fastForwardDriver_.isActive(); }

    // A modal message box with no icon. No event reaches the application while it is open.
    MessageAnswer showMessageBox(const QString& text, MessageButtons buttons);
    void setMessageTitle(const QString& title) { messageTitle_ = title; }
    const QString& messageTitle() const { return messageTitle_; }
    bool messageOpen() const { return openMessages_ > 0; }
    // The style shared by the window's text boxes, lists and check boxes.
    GameStyle* inputStyle() const { return inputStyle_; }
    // The cards on their way between places, and the player's card lifted under the pointer.
    CardMotion& cardMotion() const { return *cardMotion_; }
    CardLift& cardLift() const { return *cardLift_; }
    // Puts the window where the player left it, or fits it to the screen the first time.
    void restorePlacement();
    void setFullScreen(bool on);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTimers();
    // F11 and the full-screen box, and the keeping of the window's place.
    void buildWindowKeys();
    // Draws the keys' outline on the hand place the game gives, or hides it.
    void followHand();
    void applyStartVisibility();
    void followFocus();

    // Runs one handler of the application; a second event arriving while one runs (from a
    // message box or a pending-events pass) is dropped, so handlers never overlap. A failure
    // goes to the receiver, with the timer whose tick failed.
    template <class Handler>
    void dispatch(Handler&& handler, std::optional<Control> timer = std::nullopt);
    // Starts or stops the stretches of "Avanti veloce" as the game asks.
    void followFastForward();

    QString assetFolder_;
    QString messageTitle_ = QStringLiteral("Zelvaro");
    GameStyle* inputStyle_ = nullptr;
    std::unique_ptr<WindowEvents> appEvents_;
    WindowEvents* events_ = nullptr;
    // Runs one stretch of "Avanti veloce" whenever the window has nothing else to do.
    QTimer fastForwardDriver_;
    // Keeps the window's place a moment after the player stops moving or sizing it.
    QTimer placementSaver_;
    HandFocusFrame* handFocus_ = nullptr;
    CardMotion* cardMotion_ = nullptr;
    CardLift* cardLift_ = nullptr;
    int handling_ = 0;
    int openMessages_ = 0;
};

}  // namespace zelvaro::ui

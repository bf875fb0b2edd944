// The game's one window: it has every control built under its game name (the panels and
// screens by WindowPanels), keeps the three timers, shows the message boxes, and hands each
// click, mouse move, list pick and timer tick to the application, one at a time.
#pragma once

#include <QHash>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>
#include <QString>
#include <memory>
#include <vector>

#include "primitives/Controls.h"
#include "primitives/Surface.h"
#include "ui/WindowEvents.h"

class QMessageBox;

namespace zelvaro {
class ZelvaroApp;
}

namespace zelvaro::ui {

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
    void placeOverTheTable(QMessageBox& box) const;
    void setMessageTitle(const QString& title) { messageTitle_ = title; }
    const QString& messageTitle() const { return messageTitle_; }
    bool messageOpen() const { return openMessages_ > 0; }
    // The style shared by the window's text boxes, lists and check boxes.
    GameStyle* inputStyle() const { return inputStyle_; }
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
    // The table's keys: each one is the click of the control it stands for. False when the
    // key means nothing here.
    bool tableKey(int key);
    // The hand places that hold a card, left to right.
    std::vector<int> heldPlaces() const;
    // Keeps the focus outline on a place that holds a card, and the hand's accessible names
    // on the cards they show.
    void followHand();
    // A click on a control that is shown and enabled; false when it is not.
    bool clickIfOffered(Control c);
    void applyStartVisibility();
    void followFocus();

    // Runs one handler of the application; a second event arriving while one runs (from a
    // message box or a pending-events pass) is dropped, so handlers never overlap.
    template <class Handler>
    void dispatch(Handler&& handler, QTimer* timer = nullptr);
    void reportFailure(const QString& what, QTimer* timer);
    // Starts or stops the stretches of "Avanti veloce" as the game asks.
    void followFastForward();

    QString assetFolder_;
    QString messageTitle_ = QStringLiteral("Zelvaro");
    GameStyle* inputStyle_ = nullptr;
    std::unique_ptr<WindowEvents> appEvents_;
    WindowEvents* events_ = nullptr;
    // The three timers by their control id, looked up once.
    QHash<int, QTimer*> timers_;
    // Runs one stretch of "Avanti veloce" whenever the window has nothing else to do.
    QTimer fastForwardDriver_;
    // Keeps the window's place a moment after the player stops moving or sizing it.
    QTimer placementSaver_;
    ZelvaroApp* app_ = nullptr;
    HandFocusFrame* handFocus_ = nullptr;
    // The hand place under the focus outline; -1 until a table key puts it there.
    int focusedPlace_ = -1;
    int handling_ = 0;
    int openMessages_ = 0;
};

}  // namespace zelvaro::ui

// The window hands every user action and timer tick to the game, one at a time: never while
// a message box is open, never inside another handler, and a failing handler does not take
// the program down.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <exception>
#include <optional>
#include <stdexcept>
#include <vector>

#include "front/FailurePolicy.h"
#include "tests/gui/GuiTestSupport.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"
#include "ui/WindowEvents.h"

using namespace zelvaro;

namespace {

struct Event {
    const char* kind;
    Control control;
};

// Listens in the game's place; what a handler does can be chosen per test. Failures are
// answered by the game's failure policy over the window's surface.
class RecordingEvents : public ui::WindowEvents {
public:
    explicit RecordingEvents(Surface& surface) : failures_(surface) {}
    std::vector<Event> events;
    std::function<void(Control)> onClick;
    std::function<void(Control)> onTick;

    void failed(std::exception_ptr failure, std::optional<Control> timer) override {
        events.push_back({"failed", timer.value_or(ctl::Form1)});
        failures_.answer(failure, timer);
    }

    void click(Control c) override {
        events.push_back({"click", c});
        if (onClick) onClick(c);
    }
    void mouseMove(Control c) override { events.push_back({"move", c}); }
    void mouseDown(Control c) override { events.push_back({"down", c}); }
    void comboSelected(Control c) override { events.push_back({"combo", c}); }
    void timerTick(Control timer) override {
        events.push_back({"tick", timer});
        if (onTick) onTick(timer);
    }

    int count(const char* kind, Control c) const {
        int n = 0;
        for (const Event& e : events)
            n += (QLatin1String(e.kind) == QLatin1String(kind) && e.control == c);
        return n;
    }

private:
    FailurePolicy failures_;
};

void moveOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(widget->rect().center()),
                     widget->mapToGlobal(QPointF(widget->rect().center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class WindowEventsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        window_ = std::make_unique<ui::MainWindow>(guitest::assetFolder());
        surface_ = std::make_unique<ui::QtSurface>(*window_, guitest::assetFolder());
        events_ = std::make_unique<RecordingEvents>(*surface_);
        window_->attach(events_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_->attach(static_cast<ui::WindowEvents*>(nullptr));
        surface_.reset();
        window_.reset();
        events_.reset();
    }

    void clicksOnCaptionsAndButtonsReachTheGame() {
        guitest::clickOn(*window_, ctl::Label2);
        QCOMPARE(events_->count("click", ctl::Label2), 1);
        QCOMPARE(events_->count("down", ctl::Label2), 1);

        surface_->setVisible(ctl::Picture1, true);
        surface_->setVisible(ctl::Command1, true);
        surface_->setVisible(ctl::Picture2[4], true);
        guitest::clickOn(*window_, ctl::Command1);
        guitest::clickOn(*window_, ctl::Picture2[4]);
        QCOMPARE(events_->count("click", ctl::Command1), 1);
        QCOMPARE(events_->count("click", ctl::Picture2[4]), 1);
    }

    void aClickThroughASelectionFrameReachesTheCard() {
        surface_->setVisible(ctl::Picture1, true);
        surface_->setVisible(ctl::Picture2[2], true);
        surface_->setVisible(ctl::Shape3, true);
        auto* card = guitest::find(*window_, ctl::Picture2[2]);
        surface_->setLeft(ctl::Shape3, card->x() * kTwipsPerPixel);
        surface_->setTop(ctl::Shape3, card->y() * kTwipsPerPixel);
        QWidget* table = guitest::find(*window_, ctl::Picture1);
        const QPoint onCard = card->geometry().topLeft() + QPoint(20, 50);
        QCOMPARE(table->childAt(onCard), card);
        QTest::mouseClick(table->childAt(onCard), Qt::LeftButton, Qt::NoModifier, QPoint(20, 50));
        QCOMPARE(events_->count("click", ctl::Picture2[2]), 1);
    }

    void mouseMovesOverCaptionsAndBackgroundsReachTheGame() {
        moveOver(guitest::find(*window_, ctl::Label10));
        moveOver(window_->centralWidget());
        surface_->setVisible(ctl::Frame1, true);
        moveOver(guitest::find(*window_, ctl::Frame1));
        surface_->setVisible(ctl::Frame1, false);
        surface_->setVisible(ctl::Picture1, true);
        moveOver(guitest::find(*window_, ctl::Picture15));
        QCOMPARE(events_->count("move", ctl::Label10), 1);
        QCOMPARE(events_->count("move", ctl::Form1), 1);
        QCOMPARE(events_->count("move", ctl::Frame1), 1);
        QCOMPARE(events_->count("move", ctl::Picture15), 1);
    }

    void listPicksAreReportedForTheGamesThreeLists() {
        surface_->setVisible(ctl::Frame1, true);
        for (const char* item : {"Chips", "Piatto 500"}) surface_->addItem(ctl::Combo2, item);
        for (const char* item : {"Lenta", "Turbo"}) surface_->addItem(ctl::Combo1, item);
        auto* scoring = guitest::find<QComboBox>(*window_, ctl::Combo2);
        auto* speed = guitest::find<QComboBox>(*window_, ctl::Combo1);
        scoring->setCurrentIndex(0);
        speed->setCurrentIndex(0);
        QTest::keyClick(scoring, Qt::Key_Down);
        QTest::keyClick(speed, Qt::Key_Down);
        QCOMPARE(events_->count("combo", ctl::Combo2), 1);
        QCOMPARE(events_->count("combo", ctl::Combo1), 0);
        // Text written by the game is no pick.
        surface_->setCaption(ctl::Combo2, "Chips");
        QCOMPARE(events_->count("combo", ctl::Combo2), 1);
    }

    void timerTicksReachTheGame() {
        surface_->setInterval(ctl::Timer3, 5);
        surface_->setEnabled(ctl::Timer3, true);
        QTRY_VERIFY(events_->count("tick", ctl::Timer3) >= 3);
        surface_->setEnabled(ctl::Timer3, false);
        QCOMPARE(events_->count("tick", ctl::Timer1), 0);
    }

    void noTickReachesTheGameWhileAMessageIsOpen() {
        bool messageOpen = false;
        int ticksDuringMessage = 0;
        events_->onTick = [&](Control) { ticksDuringMessage += messageOpen; };
        events_->onClick = [&](Control) {
            messageOpen = true;
            surface_->showMessage("Vuoi abbandonare la partita? ", MessageButtons::YesNo);
            messageOpen = false;
        };
        surface_->setInterval(ctl::Timer1, 5);
        surface_->setEnabled(ctl::Timer1, true);
        // Leave the box open for a while before answering it.
        QTimer::singleShot(300, [] { guitest::answerNextMessage(QMessageBox::No); });
        guitest::clickOn(*window_, ctl::Label3);
        QCOMPARE(ticksDuringMessage, 0);
        QTRY_VERIFY(events_->count("tick", ctl::Timer1) >= 3);  // and ticks resume afterwards
    }

    void noEventRunsInsideAnotherHandler() {
        int nested = 0;
        bool inside = false;
        events_->onTick = [&](Control) { nested += inside; };
        events_->onClick = [&](Control) {
            // A long handler lets pending events run, as the first start's generation does.
            inside = true;
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 200) surface_->processEvents();
            inside = false;
        };
        surface_->setInterval(ctl::Timer2, 5);
        surface_->setEnabled(ctl::Timer2, true);
        guitest::clickOn(*window_, ctl::Label35);
        QCOMPARE(nested, 0);
        QTRY_VERIFY(events_->count("tick", ctl::Timer2) >= 1);
    }

    void aFailingHandlerIsReportedAndTheWindowGoesOn() {
        events_->onClick = [](Control c) {
            if (c == ctl::Label10) throw std::runtime_error("disco pieno");
        };
        auto report = guitest::answerNextMessage(QMessageBox::Ok);
        guitest::clickOn(*window_, ctl::Label10);
        QVERIFY(report->seen);
        QVERIFY(report->text.contains(QStringLiteral("disco pieno")));
        QCOMPARE(events_->count("failed", ctl::Form1), 1);
        guitest::clickOn(*window_, ctl::Label15);
        QCOMPARE(events_->count("click", ctl::Label15), 1);
    }

    void aFailingTickStopsItsTimer() {
        events_->onTick = [](Control) { throw std::runtime_error("tavolo rotto"); };
        auto report = guitest::answerNextMessage(QMessageBox::Ok);
        surface_->setInterval(ctl::Timer1, 5);
        surface_->setEnabled(ctl::Timer1, true);
        QTRY_VERIFY(report->seen);
        QVERIFY(report->text.contains(QStringLiteral("tavolo rotto")));
        QVERIFY(!surface_->timer(ctl::Timer1)->isActive());
        QVERIFY(!surface_->enabled(ctl::Timer1));
        QCOMPARE(events_->count("tick", ctl::Timer1), 1);
        QCOMPARE(events_->count("failed", ctl::Timer1), 1);
    }

private:
    std::unique_ptr<ui::MainWindow> window_;
    std::unique_ptr<ui::QtSurface> surface_;
    std::unique_ptr<RecordingEvents> events_;
};

QTEST_MAIN(WindowEventsTest)
#include "WindowEventsTest.moc"

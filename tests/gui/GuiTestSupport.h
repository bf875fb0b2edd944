// Helpers shared by the window tests: where the drawn pictures are, finding controls by
// their game names, and answering the modal message boxes the game opens.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "front/ZelvaroApp.h"
#include "primitives/Controls.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

namespace zelvaro::guitest {

// The tests are built into <build>/tests; the pictures lie in <build>.
inline QString assetFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/..");
}

inline QString nameOf(Control c) {
    return QString::fromStdString(objectName(c));
}

template <class W = QWidget>
W* find(QWidget& window, Control c) {
    return window.findChild<W*>(nameOf(c));
}

// Whether the control is on the screen.
inline bool shown(QWidget& window, Control c) {
    return find(window, c)->isVisible();
}

// What happened to a message box answered by answerNextMessage.
struct AnsweredMessage {
    bool seen = false;
    QString title;
    QString text;
    bool hadYes = false;
    bool hadNo = false;
    bool hadOk = false;
    QStringList captions;  // every button's words, sorted
    QString enterCaption;  // the words of the button that Enter presses
};

// Waits (inside the box's own event loop) for the next modal message box, notes what it
// showed, runs `beforeAnswer` (a picture, say) and presses `button` on it. The result is
// filled in once the box has been seen. It stops looking after `polls` looks at the screen
// without a box, or never with a negative number.
inline std::shared_ptr<AnsweredMessage> answerNextMessage(QMessageBox::StandardButton button,
                                                          std::function<void()> beforeAnswer = {},
                                                          int polls = 1000) {
    auto answered = std::make_shared<AnsweredMessage>();
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, answered, button, beforeAnswer, polls, tries = 0]() mutable {
                         auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                         if (box == nullptr) {
                             if (polls >= 0 && ++tries > polls) {
                                 poll->stop();
                                 poll->deleteLater();
                             }
                             return;
                         }
                         poll->stop();
                         poll->deleteLater();
                         answered->seen = true;
                         answered->title = box->windowTitle();
                         answered->text = box->text();
                         answered->hadYes = box->button(QMessageBox::Yes) != nullptr;
                         answered->hadNo = box->button(QMessageBox::No) != nullptr;
                         answered->hadOk = box->button(QMessageBox::Ok) != nullptr;
                         for (QAbstractButton* b : box->buttons())
                             answered->captions.append(b->text());
                         answered->captions.sort();
                         if (box->defaultButton() != nullptr)
                             answered->enterCaption = box->defaultButton()->text();
                         if (beforeAnswer) beforeAnswer();
                         if (QAbstractButton* pressed = box->button(button)) {
                             pressed->click();
                         } else {
                             box->reject();
                         }
                     });
    poll->start();
    return answered;
}

// The real window with the game attached to it, its database in `programFolder`.
struct GameWindow {
    explicit GameWindow(const QString& programFolder)
        : window(assetFolder()),
          surface(window, assetFolder()),
          app(surface, programFolder.toStdString()) {
        window.attach(app);
    }
    ~GameWindow() { window.attach(static_cast<ui::WindowEvents*>(nullptr)); }
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    ui::MainWindow window;
    ui::QtSurface surface;
    ZelvaroApp app;
};

// Shows the window and starts the game behind it (the first start generates the pool).
inline bool showAndStart(GameWindow& game) {
    game.window.show();
    return QTest::qWaitForWindowExposed(&game.window) && game.app.startUp();
}

// A profile made by the user, as the profile panel stores it.
inline void addUserProfile(ZelvaroApp& app, const char* surname, const char* firstName) {
    app.database().appendRow("giocatori", {{"cognome", surname},
                                           {"nome", firstName},
                                           {"nazionalita", "Italia"},
                                           {"anno", 1985},
                                           {"profilo", "1"},
                                           {"cambiocarte", "0"},
                                           {"aggressivita", "0"}});
}

// The base of a window test that plays one started game, in its own folder with the user's
// profile "Ferri Giulia", for the test case's whole run.
class StartedGameTest : public QObject {
protected:
    // Starts the game with the window's preferences in a test folder of settings, never the
    // user's, and those cleared; false when it could not.
    bool openGameWindowWithFreshSettings() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        return openGameWindow();
    }
    // Starts the game; false when it could not.
    bool openGameWindow() {
        if (!folder_.isValid()) return false;
        game_ = std::make_unique<GameWindow>(folder_.path());
        window_ = &game_->window;
        app_ = &game_->app;
        if (!showAndStart(*game_)) return false;
        addUserProfile(*app_, "Ferri", "Giulia");
        return true;
    }
    void closeGameWindow() { game_.reset(); }

    QTemporaryDir folder_;
    std::unique_ptr<GameWindow> game_;
    ui::MainWindow* window_ = nullptr;
    ZelvaroApp* app_ = nullptr;
};

// A left click in the middle of a control, as the user makes it.
inline void clickOn(QWidget& window, Control c) {
    QWidget* target = find(window, c);
    QVERIFY2(target != nullptr, qPrintable(nameOf(c)));
    // A user can only click what is on the screen.
    QVERIFY2(target->isVisible(), qPrintable(nameOf(c) + QStringLiteral(" is not shown")));
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

// "Avanti" on the profile panel starts a new game: a game left saved is dropped at the
// question it asks.
inline void clickToStartNew(QWidget& window, ZelvaroApp& app, Control entry) {
    if (hasCheckpoint(app.database())) answerNextMessage(QMessageBox::Yes);
    clickOn(window, entry);
}

// With ZELVARO_SHOTS set to a folder, saves a picture of the screen there under `name`
// (run under Xvfb with QT_QPA_PLATFORM=xcb to include the message boxes).
inline void saveShot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("ZELVARO_SHOTS");
    if (folder.isEmpty()) return;
    QCoreApplication::processEvents();
    QPixmap shot = QGuiApplication::platformName() == QStringLiteral("xcb")
                       ? QGuiApplication::primaryScreen()->grabWindow(0)
                       : window.grab();
    shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// The names of the shown controls beside `own` (children of the same parent) that lie over
// `area`, the controls of `own` aside: empty when nothing overlaps it.
inline QStringList shownOver(const QRect& area, const QList<const QWidget*>& own) {
    QStringList names;
    for (const QWidget* other :
         own.front()->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (own.contains(other) || !other->isVisible()) continue;
        if (other->geometry().intersects(area)) names << other->objectName();
    }
    return names;
}

}  // namespace zelvaro::guitest

// Zelvaro. A build or a portable copy keeps its pictures, rules text and database beside the
// program; an installed one finds its pictures in ../share/zelvaro and keeps the database in
// the player's data folder.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <exception>

#include "front/GameFolders.h"
#include "front/ZelvaroApp.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

namespace {

void tellAndGoOn(const char* what) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvaro"),
                          QStringLiteral("Errore imprevisto: %1").arg(QString::fromUtf8(what)));
}

// The game's events are guarded where they are handled; anything else thrown inside the
// event loop reaches the user as a message instead of ending the program.
class GameApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            tellAndGoOn(error.what());
        } catch (...) {
            tellAndGoOn("?");
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    GameApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvaro"));
    const zelvaro::GameFolders folders = zelvaro::locateGameFolders(
        QCoreApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    const QString pictures = QString::fromStdString(folders.shared.string());
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("zelvaro"),
        QIcon(pictures + QStringLiteral("/icons/hicolor/256x256/apps/zelvaro.png"))));
    try {
        zelvaro::ui::MainWindow window(pictures);
        zelvaro::ui::QtSurface surface(window, pictures);
        zelvaro::ZelvaroApp app(surface, folders);
        window.attach(app);
        window.setWindowTitle(QStringLiteral("Zelvaro"));
        window.show();
        if (!app.startUp()) return 1;
        // Closed during the first start's long player generation: nothing left to run.
        if (!window.isVisible()) return 0;
        return application.exec();
    } catch (const std::exception& error) {
        tellAndGoOn(error.what());
        return 1;
    }
}

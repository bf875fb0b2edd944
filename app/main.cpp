// Zelvaro: the program folder holds the database, the pictures and the rules text.
#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <exception>

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
    const QString folder = QCoreApplication::applicationDirPath();
    try {
        zelvaro::ui::MainWindow window(folder);
        zelvaro::ui::QtSurface surface(window, folder);
        zelvaro::ZelvaroApp app(surface, folder.toStdString());
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

// Zelvaro: the program folder holds the database, the pictures and the rules text.
#include <QApplication>
#include <QCoreApplication>

#include "front/ZelvaroApp.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvaro"));
    const QString folder = QCoreApplication::applicationDirPath();

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
}

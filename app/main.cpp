// Zelvaro. A build or a portable copy keeps its pictures, rules text and database beside the
// program; an installed one finds its pictures in ../share/zelvaro and keeps the database in
// the player's data folder.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <exception>
#include <memory>
#include <string_view>

#include "front/FailurePolicy.h"
#include "front/GameFolders.h"
#include "front/ZelvaroApp.h"
#include "ui/MainWindow.h"
#include "ui/QtSurface.h"
#include "ui/StopSignals.h"

namespace {

constexpr const char* kUsage =
    "Uso: zelvaro [--help | --version]\n"
    "\n"
    "Zelvaro è un gioco di carte a prese: tu contro cinque avversari guidati dal computer,\n"
    "in partite singole di tredici tipi o in un torneo di 1536 iscritti.\n"
    "Senza opzioni apre la finestra del gioco (serve un desktop grafico).\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help     mostra questo aiuto ed esce\n"
    "  -v, --version  mostra la versione ed esce\n"
    "Le opzioni di Qt (-platform, -style, -session, ...) passano alla finestra.\n"
    "\n"
    "Il database zelvaro.mdb sta accanto al programma in una copia portatile; nel gioco\n"
    "installato sta nella cartella dei dati del giocatore, ~/.local/share/Zelvaro\n"
    "(o $XDG_DATA_HOME/Zelvaro).\n";

// Qt's own options, which QApplication takes out of the command line itself: those that
// carry a value, then the switches. A session manager restores the game with -session.
bool isQtOptionWithValue(std::string_view name) {
    for (const std::string_view option :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
          "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display", "geometry",
          "title"}) {
        if (name == option) return true;
    }
    return false;
}
bool isQtSwitch(std::string_view name) {
    return name == "reverse" || name == "widgetcount";
}

// Answers --help and --version on the terminal, before any window or display is needed.
// Returns the exit status when the program should end here, or -1 to start the game.
int answerCommandLine(int argc, char* argv[]) {
    std::string_view answer;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            if (answer.empty()) answer = kUsage;
            continue;
        }
        if (argument == "-v" || argument == "--version") {
            if (answer.empty()) answer = "zelvaro " ZELVARO_VERSION "\n";
            continue;
        }
        std::string_view name = argument;
        if (name.starts_with("--")) {
            name.remove_prefix(2);
        } else if (name.starts_with('-')) {
            name.remove_prefix(1);
        } else {
            name = {};
        }
        if (isQtSwitch(name)) continue;
        if (isQtOptionWithValue(name)) {
            if (++i < argc) continue;
            std::fprintf(stderr, "zelvaro: l'opzione \"%s\" richiede un valore\n\n%s", argv[i - 1],
                         kUsage);
            return 2;
        }
        const char* what =
            argument.starts_with('-') ? "opzione non riconosciuta" : "argomento inatteso";
        std::fprintf(stderr, "zelvaro: %s \"%s\"\n\n%s", what, argv[i], kUsage);
        return 2;
    }
    if (answer.empty()) return -1;
    std::fwrite(answer.data(), 1, answer.size(), stdout);
    // A full disk or a closed pipe is an answer not given.
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

// Tells the player of a failure when no game is there to answer it.
void tell(std::exception_ptr failure) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvaro"),
                          QString::fromStdString(zelvaro::FailurePolicy::message(failure)));
}

// The game's events are guarded where they are handled; anything else thrown inside the
// event loop is answered by the game's failure policy instead of ending the program.
class GameApplication : public QApplication {
public:
    using QApplication::QApplication;
    // The game that answers failures while it runs; none before and after.
    void answerFailuresWith(zelvaro::ZelvaroApp* game) { game_ = game; }
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            answer(std::current_exception());
        }
        return false;
    }

private:
    void answer(std::exception_ptr failure) {
        if (game_ != nullptr) {
            try {
                game_->failed(failure);
                return;
            } catch (...) {
                // Not even the game's message could be shown: the plain box says it.
            }
        }
        tell(failure);
    }
    zelvaro::ZelvaroApp* game_ = nullptr;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (const int status = answerCommandLine(argc, argv); status >= 0) return status;
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
        // The game answers the event loop's failures for as long as it lives.
        application.answerFailuresWith(&app);
        const std::unique_ptr<GameApplication, void (*)(GameApplication*)> stopAnswering(
            &application, [](GameApplication* a) { a->answerFailuresWith(nullptr); });
        window.attach(app);
        // Stopped by the system, the game closes its window as the close button does.
        const zelvaro::ui::StopSignals stopSignals([&window] { window.close(); });
        window.setWindowTitle(QStringLiteral("Zelvaro"));
        window.restorePlacement();
        window.show();
        if (!app.startUp()) return 1;
        // Closed during the first start's long player generation: nothing left to run.
        if (!window.isVisible()) return 0;
        return application.exec();
    } catch (...) {
        tell(std::current_exception());
        return 1;
    }
}

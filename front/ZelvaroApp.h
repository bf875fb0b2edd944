// The application: owns the database, the random generator and every piece of game state for
// the whole run, and turns the window's events into the game's operations.
#pragma once

#include <chrono>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>

#include "front/GameFolders.h"
#include "front/KeyboardPlay.h"
#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class FailurePolicy;
class FastForward;
class FieldSetup;
class FolderLock;
class GameSession;
class GameStart;
class MainMenu;
class OptionsPanel;
class ProfilePanel;
class Random;
class RoundEnd;
class RulesPanel;
class Simulation;
class Standings;
class StatisticsPanel;
class MatchCheckpoint;
class MatchLife;
class TableDisplay;
class TableEngine;
struct Tournament;

class ZelvaroApp {
public:
    // The database lives in `folders.data`; the rules text is looked for beside the program,
    // then in the shared folder.
    ZelvaroApp(Surface& surface, GameFolders folders);
    // A build or a portable copy: `programFolder` holds the database, pictures and rules.
    ZelvaroApp(Surface& surface, const std::filesystem::path& programFolder)
        : ZelvaroApp(surface, besideTheProgram(programFolder)) {}
    ~ZelvaroApp();
    ZelvaroApp(const ZelvaroApp&) = delete;
    ZelvaroApp& operator=(const ZelvaroApp&) = delete;

    // The start-up sequence. Returns false when the database cannot be used (another copy of
    // the game has it, it cannot be read or written, it is damaged or not the game's) or a
    // first start's writes fail: the user has been told why, and the program should end.
    bool startUp();

    // Events forwarded by the window, each addressed by the control it happened on.
    void click(Control c);
    // Mouse moved over a label, a picture or a panel background (Form1: the window).
    void mouseMove(Control c);
    void mouseDown(Control c);
    // An item picked from a combo box's list (Combo2, Combo4, Combo7).
    void comboSelected(Control c);
    void timerTick(Control timer);
    // A key of the game pressed in the window; false when it means nothing where the player
    // is. The hand place the keys' outline frames, -1 for none.
    bool keyPressed(GameKey key);
    int outlinedPlace() const;
    // A failure, wherever it was caught (in the game's events, the window's, the event loop),
    // told and answered by the one failure policy; `timer` is the timer whose tick failed.
    void failed(std::exception_ptr failure, std::optional<Control> timer = std::nullopt);
    // The window is closing ("Esci", its close button, the desktop's logout): the timers
    // stop, the file is compacted and closed, the folder's lock released. Events after it
    // are ignored.
    void shutDown();
    bool closed() const;

    // "Avanti veloce": whether a run is on, and one stretch of it in the window (the
    // window's own timer ticks are not delivered meanwhile). Returns whether it goes on.
    bool fastForwarding() const;
    bool fastForwardFor(std::chrono::milliseconds budget);
    FastForward& fastForward();

    // A run that nobody watches (a simulation, a benchmark): the table leaves out what only
    // helps a watching player follow the play (the last trick, the turn light, the cards'
    // names, the keys' outline, the "Avanti veloce" offer), and the saved game is kept as
    // suits such a run (MatchCheckpoint::playUnwatched). Cards, scores and standings are as
    // ever.
    void playUnwatched();

    Database& database();
    Random& random();
    GameSession& session();
    Tournament& tournament();
    TableEngine& engine();
    Simulation& simulation();
    Standings& standings();
    MatchCheckpoint& checkpoint();
    const GameFolders& folders() const { return folders_; }

private:
    void exitProgram();
    // "Indietro" on the table: at the player's word the game is kept as it stands and left.
    void leaveTable();
    // Asks whether the stranded database may be copied into the data folder ("Copia") or the
    // program should end with nothing changed ("Esci"); makes the folder on "Copia".
    bool agreeToCopyStrandedFile();
    // Runs an event's operation; a failing statement is answered instead of ending the game.
    template <typename Operation>
    void guarded(Operation&& operation) {
        try {
            operation();
        } catch (...) {
            failed(std::current_exception());
        }
    }
    void dispatchClick(Control c);
    // Returns whether the tick moved anything (see TableEngine::tableTick).
    bool dispatchTick(Control timer);
    void afterEvent();

    Surface& surface_;
    GameFolders folders_;
    std::unique_ptr<FolderLock> folderLock_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<Random> random_;
    std::unique_ptr<GameSession> session_;
    std::unique_ptr<Tournament> tournament_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<OptionsPanel> options_;
    std::unique_ptr<RulesPanel> rules_;
    std::unique_ptr<ProfilePanel> profiles_;
    std::unique_ptr<TableDisplay> display_;
    std::unique_ptr<Standings> standings_;
    std::unique_ptr<MatchLife> matchLife_;
    std::unique_ptr<TableEngine> engine_;
    std::unique_ptr<GameStart> gameStart_;
    std::unique_ptr<FieldSetup> fieldSetup_;
    std::unique_ptr<RoundEnd> roundEnd_;
    std::unique_ptr<Simulation> simulation_;
    std::unique_ptr<FastForward> fastForward_;
    std::unique_ptr<StatisticsPanel> statistics_;
    std::unique_ptr<MatchCheckpoint> checkpoint_;
    std::unique_ptr<KeyboardPlay> keyboard_;
    std::unique_ptr<FailurePolicy> failures_;
    // After a click or a tick: the game kept at its moments, and the saved game offered by
    // "Continua" when the menu may have come back.
    void afterGameEvent(bool menuMayShow);
    void showContinueEntry();
};

}  // namespace zelvaro

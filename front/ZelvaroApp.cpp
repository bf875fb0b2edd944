#include "front/ZelvaroApp.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "engine/GameSession.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "front/FailurePolicy.h"
#include "front/FastForward.h"
#include "front/GameStart.h"
#include "front/MainMenu.h"
#include "front/MatchCheckpoint.h"
#include "front/MatchLife.h"
#include "front/OptionsPanel.h"
#include "front/ProfilePanel.h"
#include "front/RulesPanel.h"
#include "front/StatisticsPanel.h"
#include "primitives/Random.h"
#include "primitives/Screen.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "store/DatabaseCopy.h"
#include "store/FolderLock.h"
#include "store/GameDatabase.h"
#include "store/Nummag.h"
#include "store/PlayerPool.h"
#include "store/StoreMessages.h"
#include "tournament/FieldSetup.h"
#include "tournament/RoundEnd.h"
#include "tournament/Simulation.h"
#include "tournament/Standings.h"

namespace zelvaro {
namespace {

constexpr int kWindowWidthTwips = 15455;
constexpr int kWindowHeightTwips = 11255;
constexpr std::array<Control, 5> kOptionPictures{ctl::Picture15, ctl::Picture18, ctl::Picture19,
                                                 ctl::Picture20, ctl::Picture21};

}  // namespace

ZelvaroApp::ZelvaroApp(Surface& surface, GameFolders folders)
    : surface_(surface),
      folders_(std::move(folders)),
      folderLock_(std::make_unique<FolderLock>()),
      db_(std::make_unique<Database>()),
      random_(std::make_unique<Random>()),
      session_(std::make_unique<GameSession>()),
      tournament_(std::make_unique<Tournament>()),
      menu_(std::make_unique<MainMenu>(surface)),
      options_(std::make_unique<OptionsPanel>(surface, *db_, *random_, *menu_)),
      rules_(std::make_unique<RulesPanel>(
          surface, *db_, *random_, *menu_,
          std::vector<std::filesystem::path>{folders_.program, folders_.shared})),
      profiles_(std::make_unique<ProfilePanel>(surface, *db_)),
      display_(std::make_unique<TableDisplay>(surface, *session_, *tournament_, *db_)),
      standings_(std::make_unique<Standings>(surface, *db_, *session_, *tournament_)),
      matchLife_(std::make_unique<MatchLife>(surface, *db_, *session_, *tournament_, *standings_)),
      engine_(std::make_unique<TableEngine>(*session_, surface, *random_, *db_, *display_,
                                            *tournament_, *matchLife_)),
      gameStart_(std::make_unique<GameStart>(surface, *db_, *random_, *session_, *tournament_,
                                             *profiles_, *display_, *engine_)),
      fieldSetup_(std::make_unique<FieldSetup>(surface, *db_, *random_, *session_, *tournament_,
                                               *display_, *engine_, *standings_)),
      roundEnd_(std::make_unique<RoundEnd>(surface, *db_, *random_, *session_, *tournament_,
                                           *display_, *engine_, *fieldSetup_, *standings_)),
      simulation_(std::make_unique<Simulation>(surface, *db_, *random_, *session_, *tournament_,
                                               *standings_, *roundEnd_)),
      fastForward_(std::make_unique<FastForward>(surface, *session_,
                                                 [this](Control timer) { timerTick(timer); })),
      statistics_(std::make_unique<StatisticsPanel>(surface, *db_, *session_, *profiles_)),
      checkpoint_(std::make_unique<MatchCheckpoint>(
          surface, *db_, *random_, *session_, *tournament_, *engine_, *display_, *simulation_)),
      keyboard_(
          std::make_unique<KeyboardPlay>(surface, *session_, [this](Control c) { click(c); })),
      failures_(std::make_unique<FailurePolicy>(surface, *session_, *display_)) {}

ZelvaroApp::~ZelvaroApp() = default;

Database& ZelvaroApp::database() {
    return *db_;
}
Random& ZelvaroApp::random() {
    return *random_;
}
GameSession& ZelvaroApp::session() {
    return *session_;
}
Tournament& ZelvaroApp::tournament() {
    return *tournament_;
}
TableEngine& ZelvaroApp::engine() {
    return *engine_;
}
Simulation& ZelvaroApp::simulation() {
    return *simulation_;
}
Standings& ZelvaroApp::standings() {
    return *standings_;
}
MatchCheckpoint& ZelvaroApp::checkpoint() {
    return *checkpoint_;
}
void ZelvaroApp::playUnwatched() {
    display_->aids().setWatched(false);
    checkpoint_->playUnwatched();
}
FastForward& ZelvaroApp::fastForward() {
    return *fastForward_;
}
bool ZelvaroApp::fastForwarding() const {
    return fastForward_->active();
}
bool ZelvaroApp::fastForwardFor(std::chrono::milliseconds budget) {
    return fastForward_->runFor(budget);
}

bool ZelvaroApp::startUp() {
    surface_.setWindowSize(kWindowWidthTwips, kWindowHeightTwips);
    surface_.setMessageTitle("Zelvaro");
    const std::filesystem::path file = folders_.data / Database::kFileName;
    const bool copyStranded = !folders_.strandedFile.empty();
    if (copyStranded && !agreeToCopyStrandedFile()) return false;
    try {
        StoreRefusal refusal;
        switch (folderLock_->take(folders_.data)) {
            case FolderLock::Result::InUse:
                refusal = {StoreProblem::InUse, file};
                break;
            case FolderLock::Result::Unavailable:
                refusal = {StoreProblem::FolderUnusable, folders_.data};
                break;
            case FolderLock::Result::Taken:
                // Another start may have made the copy while this one asked.
                if (copyStranded && !std::filesystem::exists(file)) {
                    refusal = copyGameDatabase(folders_.strandedFile, folders_.data);
                }
                if (refusal.problem == StoreProblem::None) refusal = openGameDatabase(*db_, file);
                break;
        }
        if (refusal.problem != StoreProblem::None) {
            folderLock_->release();
            surface_.showMessage(refusalMessage(refusal), MessageButtons::Ok);
            return false;
        }
        if (copyStranded) surface_.showMessage(copiedFileNotice(file), MessageButtons::Ok);
        updateNummag(*db_, *random_, nummag::kStartUp);
        session_->buildMasterDeck();
        options_->populate();
        profiles_->populate();
        ensurePlayerPool(*db_, *random_, surface_);
        showContinueEntry();
        return true;
    } catch (const std::exception&) {
        // A disk that fills up during the first start's writes, say: what was written in the
        // failed burst is rolled back and the next start tries again.
        db_->close();
        folderLock_->release();
        surface_.setWindowEnabled(true);
        surface_.showMessage(FailurePolicy::message(std::current_exception()), MessageButtons::Ok);
        return false;
    }
}

bool ZelvaroApp::agreeToCopyStrandedFile() {
    const std::string question = strandedFileQuestion(folders_.strandedFile, folders_.data);
    if (surface_.showMessage(question, MessageButtons::CopyOrQuit) != MessageAnswer::Copy)
        return false;
    std::error_code ec;
    std::filesystem::create_directories(folders_.data, ec);
    return true;
}

void ZelvaroApp::failed(std::exception_ptr failure, std::optional<Control> timer) {
    // What the failed event wrote since the last save point is undone with the rest.
    try {
        checkpoint_->abandon();
    } catch (...) {
        // The file may not take even the undoing: SQLite undoes it at the next open.
    }
    failures_->answer(failure, timer);
}

bool ZelvaroApp::keyPressed(GameKey key) {
    return !closed() && keyboard_->press(key);
}

int ZelvaroApp::outlinedPlace() const {
    return keyboard_->outlinedPlace();
}

void ZelvaroApp::click(Control c) {
    if (closed()) return;
    // While the window takes no input only the wait panel's "Avanti veloce" can be pressed.
    if (!surface_.enabled(c) || (!surface_.windowEnabled() && !(c == ctl::WaitFastForward))) return;
    guarded([&] { dispatchClick(c); });
    // "Esci" has closed the file: nothing is left to save or show.
    if (closed()) return;
    afterGameEvent(true);
    afterEvent();
}

void ZelvaroApp::afterGameEvent(bool menuMayShow) {
    guarded([&] {
        const MatchLife::Moments moments = matchLife_->takeMoments();
        checkpoint_->afterEvent(moments.handStarted, moments.roundEnded, moments.gameOver);
        if (menuMayShow || moments.gameOver) showContinueEntry();
    });
}

void ZelvaroApp::showContinueEntry() {
    // Only on the menu, and usable when the menu is.
    const bool onMenu = menuShown(shownScreen(surface_));
    // Off the menu the entry is hidden, and stays so until the menu is back.
    if (!onMenu && !surface_.visible(ctl::ContinueEntry)) return;
    const std::string saved = onMenu ? checkpoint_->savedDescription() : std::string();
    for (const Control c : {ctl::ContinueEntry, ctl::ContinueDescription}) {
        if (surface_.visible(c) != !saved.empty()) surface_.setVisible(c, !saved.empty());
        surface_.setEnabled(c, surface_.enabled(ctl::Label2));
    }
    if (!saved.empty() && surface_.caption(ctl::ContinueDescription) != saved)
        surface_.setCaption(ctl::ContinueDescription, saved);
}

void ZelvaroApp::afterEvent() {
    // The "Avanti veloce" offer and the keys' outline are there for a watching player.
    if (!display_->aids().watched()) return;
    fastForward_->refresh();
    keyboard_->followHand();
}

void ZelvaroApp::dispatchClick(Control c) {
    if (c.id == ControlId::Picture2) return engine_->cardClicked(c.index);
    switch (c.id) {
        case ControlId::Label2:
            return gameStart_->openProfilePanel();
        case ControlId::Label35:
            return gameStart_->openTournament();
        case ctl::ContinueEntry.id:
            if (checkpoint_->continueSaved()) menu_->unlightTable();
            return;
        case ControlId::Label10:
            return options_->openOptions();
        case ControlId::Label15:
            return rules_->showRules();
        case ControlId::Label20:
            return rules_->showCredits();
        case ControlId::Label3:
            return exitProgram();
        case ControlId::Label12:
            return options_->acceptOptions();
        case ControlId::Label13:
            return options_->rejectOptions();
        case ControlId::Label17:
            return rules_->closeRules();
        case ControlId::Label9:
            return gameStart_->closeProfilePanel();
        case ControlId::Label37:
            return gameStart_->closeTournamentRules();
        case ControlId::Label21:
            // A new game begins here: one left saved is dropped only at the player's word.
            if (checkpoint_->mayStartNewGame()) gameStart_->confirmProfile();
            return;
        case ControlId::Label36:
            return fieldSetup_->startTournament();
        case ControlId::Label52:
            return standings_->openStandings();
        case ControlId::Label53:
            return standings_->closeStandings();
        case ControlId::Command3:
            return standings_->previousPage();
        case ControlId::Command4:
            return standings_->nextPage();
        case ctl::FirstStandingsPage.id:
            return standings_->firstPage();
        case ctl::LastStandingsPage.id:
            return standings_->lastPage();
        case ControlId::Label26:
            return profiles_->createProfile();
        case ControlId::Label27:
            return profiles_->deleteProfile();
        case ControlId::Label33:
            return display_->toggleSpeed();
        case ControlId::Label18:
            return leaveTable();
        case ControlId::Command1:
            return engine_->changeClicked();
        case ControlId::Command2:
            return engine_->keepClicked();
        case ctl::SuggestionButton.id:
            return display_->aids().showSuggestion();
        case ctl::TableFastForward.id:
        case ctl::WaitFastForward.id:
            return fastForward_->start();
        case ctl::MenuStatistics.id:
            return statistics_->openFromMenu();
        case ctl::ProfileStatisticsButton.id:
            return statistics_->openFromProfiles();
        case ctl::ResetStatistics.id:
            return statistics_->resetStatistics();
        case ctl::CloseStatistics.id:
            return statistics_->closePanel();
        case ctl::PreviousProfile.id:
            return statistics_->previousProfile();
        case ctl::NextProfile.id:
            return statistics_->nextProfile();
        default:
            return;
    }
}

void ZelvaroApp::mouseMove(Control c) {
    if (closed()) return;
    for (Control picture : kOptionPictures) {
        if (c == picture) return display_->showHoverText(c);
    }
    statistics_->mouseMoved(c);
    menu_->mouseMoved(c);
}

void ZelvaroApp::mouseDown(Control c) {
    menu_->mousePressed(c);
}

void ZelvaroApp::comboSelected(Control c) {
    if (closed()) return;
    guarded([&] {
        if (c == ctl::Combo2) options_->applyPotRule();
        if (c == ctl::Combo4) profiles_->showSelectedProfile();
        if (c == ctl::Combo7) standings_->refreshTableStandings();
    });
}

void ZelvaroApp::timerTick(Control timer) {
    if (closed() || !surface_.enabled(timer)) return;
    // A tick brings the menu back only when a game ends, or fails.
    bool menuMayShow = false;
    bool moved = true;
    try {
        moved = dispatchTick(timer);
    } catch (...) {
        failed(std::current_exception(), timer);
        menuMayShow = true;
    }
    // Most of the table's ticks only count down its pauses: nothing to keep, nothing to show.
    if (!moved && !menuMayShow) return;
    afterGameEvent(menuMayShow);
    afterEvent();
}

bool ZelvaroApp::dispatchTick(Control timer) {
    switch (timer.id) {
        case ControlId::Timer1:
            return engine_->tableTick();
        case ControlId::Timer2:
            simulation_->simulationTick();
            return true;
        case ControlId::Timer3:
            standings_->refreshOverallTop();
            return true;
        default:
            return false;
    }
}

void ZelvaroApp::exitProgram() {
    shutDown();
    surface_.closeWindow();
}

void ZelvaroApp::leaveTable() {
    if (!display_->askToLeave()) return;
    // The game is kept as it stands at the player's word, before the table goes.
    checkpoint_->leave();
    display_->leaveTable();
}

void ZelvaroApp::shutDown() {
    if (closed()) return;
    // A game on the table is kept as it stands.
    guarded([&] { checkpoint_->leave(); });
    // The first start's player generation lets the window's events run between its rows: a
    // window closed then leaves the generation to finish its transaction, and the file is
    // closed with the program.
    if (db_->inTransaction()) return;
    for (const Control timer : {ctl::Timer1, ctl::Timer2, ctl::Timer3})
        surface_.setEnabled(timer, false);
    db_->compact();
    db_->close();
    folderLock_->release();
}

bool ZelvaroApp::closed() const {
    return !db_->isOpen();
}

}  // namespace zelvaro

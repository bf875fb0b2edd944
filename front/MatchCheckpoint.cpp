#include "front/MatchCheckpoint.h"

#include <time.h>

#include <algorithm>

#include "engine/GameSession.h"
#include "engine/SessionRecord.h"
#include "engine/TableEngine.h"
#include "engine/display/TableDisplay.h"
#include "primitives/Random.h"
#include "primitives/SurfaceSnapshot.h"
#include "primitives/Tournament.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "tournament/Simulation.h"

namespace zelvaro {
namespace {

// The saved game's player no longer has his profile.
struct MissingPlayer {
    std::string name;
};

bool userProfileExists(Database& db, const PlayerProfile& p) {
    return !db.query("SELECT rowid FROM giocatori where cognome=? and nome=? and profilo='1'",
                     {p.cognome, p.nome})
                .empty();
}

// The clock that spaces save points, read after every event: a coarse one where the system
// has it, which costs next to nothing, where the fine one took a tenth of a headless game's
// time. Its few milliseconds of grain do not matter to half a second.
std::chrono::milliseconds clockNow() {
#ifdef CLOCK_MONOTONIC_COARSE
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::duration_cast<std::chrono::milliseconds>(
                                                  std::chrono::nanoseconds(now.tv_nsec));
#else
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
#endif
}

}  // namespace

void MatchCheckpoint::afterEvent(bool handStarted, bool roundEnded, bool gameOver) {
    if (gameOver) {
        // The end's writes dropped the saved game: they are committed, and nothing is kept.
        if (live_ && db_.inTransaction()) db_.commit();
        live_ = false;
        description_.reset();
        return;
    }
    if (!live_) {
        // The game is kept from its first hand; its first save point comes when one is due.
        if (handStarted && surface_.visible(ctl::Picture1)) {
            if (logIsLong()) db_.foldLog();
            keepFromNow();
        }
        return;
    }
    const bool foldLog = (handStarted || session_.trickIsFull()) && logIsLong();
    if (roundEnded || foldLog || savePointDue()) savePoint(true, foldLog);
}

bool MatchCheckpoint::savePointDue() {
    if (--eventsUntilClock_ > 0) return false;
    eventsUntilClock_ = eventsBetweenClockReads_;
    return clockNow() - lastSave_ >= kSavePointMs;
}

void MatchCheckpoint::playUnwatched() {
    db_.stopFlushingLog();
    eventsBetweenClockReads_ = kUnwatchedEventsBetweenClockReads;
}

bool MatchCheckpoint::logIsLong() const {
    return db_.logFrames() >= kLongLogFrames;
}

void MatchCheckpoint::keepFromNow() {
    if (!db_.inTransaction()) db_.beginTransaction();
    lastSave_ = clockNow();
    live_ = true;
}

void MatchCheckpoint::leave() {
    if (live_) savePoint(false);
}

void MatchCheckpoint::abandon() {
    if (live_ && db_.inTransaction()) db_.rollback();
    live_ = false;
    description_.reset();
}

void MatchCheckpoint::savePoint(bool goOn, bool foldLog) {
    if (!db_.inTransaction()) db_.beginTransaction();
    const PlayerProfile& player = session_.humanprofile;
    const std::string description = describe();
    saveCheckpoint(db_, {description, record(), player.cognome, player.nome});
    db_.commit();
    if (foldLog) db_.foldLog();
    description_ = description;
    describedAt_ = db_.changesMade();
    lastSave_ = clockNow();
    live_ = goOn;
    if (goOn) db_.beginTransaction();
}

std::string MatchCheckpoint::describe() const {
    const std::string& type = session_.options.punteggio;
    if (session_.gamemode == "Torneo") {
        const int rounds = tournament_.rounds();
        const ResultSet self =
            db_.query("SELECT tavolo FROM torneo where cognome=? and nome=?",
                      {session_.humanprofile.cognome, session_.humanprofile.nome});
        return "Torneo " + type + " · Turno " + std::to_string(tournament_.roundnumber) + " di " +
               std::to_string(rounds) + (self.empty() ? "" : " · Tavolo " + self.at(0, 0).text());
    }
    std::string scores;
    for (const SeatStats& seat : session_.seatstats) {
        scores += (scores.empty() ? "" : ", ") + seat.surname + " " + std::to_string(seat.score);
    }
    return "Partita " + type + " · " + scores;
}

std::string MatchCheckpoint::record() const {
    return writeSavedGame({kSavedGameVersion, random_.drawsMade(), readNummag(db_), session_,
                           tournament_, snapshotSurface(surface_)});
}

std::string MatchCheckpoint::savedDescription() {
    // Asked again only when something was written since.
    if (!description_ || describedAt_ != db_.changesMade()) {
        const std::optional<Checkpoint> saved = loadCheckpoint(db_);
        description_ = saved ? saved->description : std::string();
        describedAt_ = db_.changesMade();
    }
    return *description_;
}

bool MatchCheckpoint::exists() {
    return !savedDescription().empty();
}

bool MatchCheckpoint::continueSaved() {
    const std::optional<Checkpoint> saved = loadCheckpoint(db_);
    if (!saved) return false;
    try {
        restore(saved->state);
    } catch (const MissingPlayer& missing) {
        refuse("La partita salvata non può essere ripresa perché il profilo " + missing.name +
               " non esiste più: verrà eliminata.");
        return false;
    } catch (const BadStateRecord&) {
        refuse(
            "La partita salvata non può essere ripresa: è danneggiata o di un'altra versione di "
            "Zelvaro, e verrà eliminata.");
        return false;
    }
    return true;
}

void MatchCheckpoint::restore(const std::string& text) {
    // Everything is read before anything changes.
    SavedGame saved = readSavedGame(text);
    const PlayerProfile& player = saved.session.humanprofile;
    const Tournament& tournament = saved.tournament;
    const bool inTournament = saved.session.gamemode == "Torneo";
    const int entrants = tournament.fieldsize >> std::clamp(tournament.roundnumber - 1, 0, 15);
    const bool copied = saved.version <= kLastVersionWithFieldCopy;
    if (!savedFieldIsWhole(db_, {inTournament, tournament.fieldsize, entrants, player.cognome,
                                 player.nome, copied})) {
        throw BadStateRecord("the saved field is not the round's");
    }
    if (!userProfileExists(db_, player)) throw MissingPlayer{player.displayName()};

    {
        Transaction transaction(db_);
        db_.execute("UPDATE temp SET numero1=? WHERE descrizione='nummag'", {saved.nummag});
        if (copied) restoreCheckpointField(db_);
        transaction.commit();
    }
    session_ = std::move(saved.session);
    tournament_ = saved.tournament;
    random_ = Random();
    random_.discard(saved.draws);
    simulation_.forgetTables();
    applySurface(surface_, saved.window);
    display_.forgetShown();
    engine_.resetMatch();
    engine_.takeUpShownMarks();
    // The game is kept from here on, the record on file being this very moment.
    keepFromNow();
}

void MatchCheckpoint::refuse(const std::string& why) {
    surface_.showMessage(why, MessageButtons::Ok);
    drop();
}

void MatchCheckpoint::drop() {
    Transaction transaction(db_);
    removeCheckpoint(db_);
    transaction.commit();
    description_.reset();
}

bool MatchCheckpoint::mayStartNewGame() {
    if (!exists()) return true;
    if (surface_.showMessage("C'è una partita in corso: vuoi abbandonarla?",
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
        return false;
    }
    drop();
    return true;
}

}  // namespace zelvaro

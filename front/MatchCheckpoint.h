// Keeping the match or tournament in progress as it is played, and continuing it. Everything
// the game holds in memory goes into one record (the table, the tournament, the random
// sequence, the stored number, the window and its timers). While a game is on, the database's
// writes wait in one transaction from one save point to the next; a save point writes the
// record of the moment and commits it with them. So the file and its saved game always agree,
// a crash loses at most the time since the last save point, and continuing takes up the very
// moment saved and plays on exactly as if the game had never stopped.
//
// A game is kept from its first hand. Save points come after an event, at most every
// kSavePointMs of wall time, and at once when a round has ended or the player leaves
// (Indietro, the window closed, the program stopped); a game's end commits at once.
//
// A commit only appends to the database's write-ahead log. Folding the log back into the file
// flushes both to the disk, some milliseconds: it is done where the table pauses anyway (a
// hand's start, a full trick held before it is taken) once the log holds kLongLogFrames
// pages, and never while a trick is being laid.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class GameSession;
class Random;
class Simulation;
class TableDisplay;
class TableEngine;
struct Tournament;

class MatchCheckpoint {
public:
    MatchCheckpoint(Surface& surface, Database& db, Random& random, GameSession& session,
                    Tournament& tournament, TableEngine& engine, TableDisplay& display,
                    Simulation& simulation)
        : surface_(surface),
          db_(db),
          random_(random),
          session_(session),
          tournament_(tournament),
          engine_(engine),
          display_(display),
          simulation_(simulation) {}

    static constexpr std::chrono::milliseconds kSavePointMs{500};
    static constexpr int kLongLogFrames = 1000;  // pages of 1 KB

    // After each event, with what happened in it: the game kept from its first hand, a save
    // point when one is due, and the last commit when the game is over (its end dropped the
    // saved game).
    void afterEvent(bool handStarted, bool roundEnded, bool gameOver);
    // A save point now, and the game kept from here on.
    void saveNow() { savePoint(true); }
    // The player leaves the game (Indietro, the window closed, the program stopped): a save
    // point of the moment as it stands, and the game is no longer kept.
    void leave();
    // A failure stopped the game: its writes since the last save point are undone, so the file
    // and the saved game still agree.
    void abandon();
    // A run nobody plays (a simulation, a benchmark), its events microseconds apart: the
    // commits are left to the system, no longer flushed soon after, and the save points'
    // clock is read at every kUnwatchedEventsBetweenClockReads-th event only, a save point
    // slipping by microseconds.
    static constexpr int kUnwatchedEventsBetweenClockReads = 32;
    void playUnwatched();
    // Whether a game is being kept.
    bool live() const { return live_; }
    // What "Continua" would continue, empty when nothing is saved.
    std::string savedDescription();
    // "Continua": puts the saved game back and plays on. A saved game that cannot be
    // continued is told, removed after the player's OK, and nothing else changes.
    bool continueSaved();
    // Starting a new game while one is saved: asks, and drops the saved one on "Sì".
    bool mayStartNewGame();
    // Whether a saved game exists, as last seen.
    bool exists();

private:
    std::string describe() const;
    std::string record() const;
    void restore(const std::string& record);
    void refuse(const std::string& why);
    void savePoint(bool goOn, bool foldLog = false);
    void keepFromNow();
    bool logIsLong() const;
    bool savePointDue();
    void drop();

    Surface& surface_;
    Database& db_;
    Random& random_;
    GameSession& session_;
    Tournament& tournament_;
    TableEngine& engine_;
    TableDisplay& display_;
    Simulation& simulation_;
    bool live_ = false;
    std::chrono::milliseconds lastSave_{};  // on the coarse clock of the save points
    int eventsBetweenClockReads_ = 1;
    int eventsUntilClock_ = 0;
    // What is saved, as last seen: known, not asked of the file after every event.
    std::optional<std::string> description_;
    std::int64_t describedAt_ = -1;  // the file's changes when it was seen
};

}  // namespace zelvaro

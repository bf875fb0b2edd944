#include "engine/SessionRecord.h"

#include <optional>

namespace zelvaro {
namespace {

// What a record of `version` opens the window's part with, when the window is this one: the
// fingerprint of its controls, or for version 1 the number of their slots.
std::int64_t windowOpening(int version) {
    if (version > 1) return static_cast<std::int64_t>(controlsFingerprint());
    return controlSlotCount();
}

// How many of the window's controls, from the first, a record of `version` whose window's
// part opens with `opening` holds: those of the window that wrote it. -1 for another window.
int controlsOfRecord(int version, std::int64_t opening) {
    return version > 1 ? controlsWithFingerprint(opening)
                       : controlsWithSlotCount(opening, kVersion1Controls);
}

// A table and a tournament that can be: a known mode, seats that exist, a field.
void checkReadable(const SavedGame& game) {
    const GameSession& s = game.session;
    if (s.gamemode != "Partita" && s.gamemode != "Torneo") throw BadStateRecord("no such mode");
    for (const std::int16_t seat : {s.turnseat, s.trickleader, s.trickwinner}) {
        if (seat < 0 || seat >= kSeats) throw BadStateRecord("no such seat");
    }
    if (game.tournament.fieldsize < 1 || game.tournament.roundnumber < 1) {
        throw BadStateRecord("no such tournament");
    }
}

}  // namespace

std::string writeSavedGame(const SavedGame& game) {
    StateWriter out(kSavedGameVersion, StateWriter::Repeats::On);
    RecordWriter io(out);
    io(game);
    expertFields(io, game.session);
    return out.finish();
}

namespace {

// The record read with a window's part of the first `head` controls, opening with `opening`;
// a window's part that opens otherwise throws UnexpectedValue.
SavedGame readRecord(std::string_view record, std::optional<std::int64_t> opening, int head) {
    StateReader in(record, 1, kSavedGameVersion, kFirstVersionWithRepeats);
    SavedGame game;
    game.version = in.version();
    game.window = blankSurface(opening.value_or(windowOpening(in.version())), head);
    RecordReader io(in);
    io(game);
    if (in.version() > kLastVersionBeforeExperts) expertFields(io, game.session);
    in.expectEnd();
    checkReadable(game);
    // Read, the window's part is this window's, whatever it opened with.
    game.window.controls = static_cast<std::int64_t>(controlsFingerprint());
    return game;
}

}  // namespace

SavedGame readSavedGame(std::string_view record) {
    try {
        return readRecord(record, std::nullopt, kControlIdCount);
    } catch (const UnexpectedValue& other) {
        // Written by a window with fewer controls: read again with those it had.
        const int head = controlsOfRecord(
            StateReader(record, 1, kSavedGameVersion, kFirstVersionWithRepeats).version(),
            other.found());
        if (head < 0) throw;
        return readRecord(record, other.found(), head);
    }
}

std::uint64_t savedGameLayout() {
    SavedGame sample;
    ControlLook timer;
    timer.timer = true;
    sample.window.looks = {timer, ControlLook()};
    LayoutWalk walk;
    walk(sample);
    expertFields(walk, sample.session);
    return walk.fingerprint();
}

}  // namespace zelvaro

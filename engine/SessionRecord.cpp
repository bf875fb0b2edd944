#include "engine/SessionRecord.h"

namespace zelvaro {
namespace {

// What a record of `version` opens the window's part with, when the window is this one.
std::int64_t windowOpening(int version) {
    if (version > 1) return static_cast<std::int64_t>(controlsFingerprint());
    // The number of controls, which no fingerprint replaced yet: a count is never negative,
    // so with other controls nothing matches.
    return controlsFingerprint() == kVersion1Controls ? controlSlotCount() : -1;
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
    StateWriter out(kSavedGameVersion);
    RecordWriter io(out);
    io(game);
    return out.finish();
}

SavedGame readSavedGame(std::string_view record) {
    StateReader in(record, 1, kSavedGameVersion);
    SavedGame game;
    game.version = in.version();
    game.window = blankSurface(windowOpening(in.version()));
    RecordReader io(in);
    io(game);
    in.expectEnd();
    checkReadable(game);
    // Read, the window's part is this window's, whatever it opened with.
    game.window.controls = static_cast<std::int64_t>(controlsFingerprint());
    return game;
}

std::uint64_t savedGameLayout() {
    SavedGame sample;
    ControlLook timer;
    timer.timer = true;
    sample.window.looks = {timer, ControlLook()};
    LayoutWalk walk;
    walk(sample);
    return walk.fingerprint();
}

}  // namespace zelvaro

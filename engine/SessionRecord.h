// The table's state and the tournament's, written into a saved game and read back.
#pragma once

#include "engine/GameSession.h"
#include "primitives/StateRecord.h"
#include "primitives/Tournament.h"

namespace zelvaro {

void saveSession(const GameSession& session, StateWriter& out);
// Reads into `session` only once the whole of it has read.
void restoreSession(GameSession& session, StateReader& in);

void saveTournament(const Tournament& tournament, StateWriter& out);
void restoreTournament(Tournament& tournament, StateReader& in);

}  // namespace zelvaro

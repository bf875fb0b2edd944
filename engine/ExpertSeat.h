// The computer seats' level at the player's table, and what a seat sees of the table when the
// expert level decides for it.
#pragma once

#include "engine/GameSession.h"
#include "rules/ExpertView.h"

namespace zelvaro {

// Whether the computer seats play at the expert level ("Esperti"); any other text, "Classici"
// first of all, keeps the game's own model.
bool expertsAtTable(const GameSession& session);

// What `seat` knows: its hand, the trick, the cards gone this hand, the prize cards the table
// shows, every hand's size, the scores and the options. Nothing of the other hands or the pile.
ExpertView expertView(const GameSession& session, int seat);

}  // namespace zelvaro

// How a computer seat decides: whether to change cards, which card to give up, which card
// to lay. Pure functions of the hand, the table and one random draw.
#pragma once

#include <string>

#include "rules/Table.h"

namespace zelvaro {

// One draw as the computer players use it: round(r * 100) + 30, so 30..130, for a draw r of
// the game's random generator.
int computerDraw(double r);

// Changes when aggressivita plus a bonus for a middling hand beats the draw.
bool computerChangeDecision(const Hand& hand, int aggressivita, int draw);
// The slot of the lowest card, the first among equals; -1 for an empty hand.
int chooseDiscard(const Hand& hand);

// What a seat sees when it lays a card.
struct PlayView {
    const Hand& hand;
    const Trick& trick;
    int activeseats = 0;  // seats holding cards, the mover included
    int othercards = 0;   // cards held by the other seats together
    int aggressivita = 0;
    bool twoBeatsAce = false;
    bool potGame = false;
    const std::string& premio;  // which prize cards are face up
    int prize0 = 0;             // value of the top pile card
    int prize1 = 0;             // value of the second pile card
};

// The hand slot the seat lays.
int computerPlayDecision(const PlayView& view, int draw);

}  // namespace zelvaro

// The table played from the keyboard. Each key stands for the click of a control: the cards
// by their place among those held (1 to 9, 0 the tenth) or by a gold outline moved over them
// with the arrows, and the table's buttons by their letter (H "Suggerimento"). A key whose control
// is offered is clicked as the mouse would click it, so a refused key says why as the click does.
#pragma once

#include <functional>
#include <vector>

#include "primitives/Surface.h"

namespace zelvaro {

class GameSession;

// The game's keys, whatever keyboard or toolkit they come from.
enum class GameKey {
    Left,         // the outline to the held card on the left, round to the last
    Right,        // the outline to the held card on the right, round to the first
    Lay,          // Space or Enter: the outlined card, as if clicked
    Change,       // C: "Cambia Carte"
    Keep,         // N: "Non Cambio"
    FastForward,  // F: "Avanti veloce", on the table or on the tournament's waiting notice
    Back,         // Esc: "Indietro"
    Rules,        // F1: "Regole", from the menu
    Hint,         // H: "Suggerimento", the expert's choice marked on the player's cards
    // 1 to 9 and 0: the first to the tenth card held
    Card1,
    Card2,
    Card3,
    Card4,
    Card5,
    Card6,
    Card7,
    Card8,
    Card9,
    Card10,
};

// The key of the `nth` card held, from 0; Card1 to Card10.
GameKey cardKey(int nth);

class KeyboardPlay {
public:
    // `click` is the application's click, with its refusals and their reasons.
    KeyboardPlay(const Surface& surface, const GameSession& session,
                 std::function<void(Control)> click);

    // Acts on the key. False when it means nothing where the player is (the key is the
    // window's to use otherwise).
    bool press(GameKey key);
    // The hand place the outline frames, -1 when none is shown: before a key first puts it
    // on a card, and while the table holds no card of the player's. A laid card takes the
    // outline to the nearest card held after it, or the last one.
    int outlinedPlace() const;
    // Keeps the outline where outlinedPlace() shows it, after each event of the game.
    void followHand();

    // The hand places that hold a card on the table, left to right.
    std::vector<int> heldPlaces() const;

private:
    bool tableKey(GameKey key);
    // Clicks `c` when the player could: shown on its panel (`on`) and enabled.
    bool clickIfOffered(Control c, Control on);

    const Surface& surface_;
    const GameSession& session_;
    std::function<void(Control)> click_;
    int outlined_ = -1;
};

}  // namespace zelvaro

// Which cards a seat may lay: any card it holds, except an Ace to lead while it holds a card
// that is not an Ace.
#pragma once

#include "rules/Table.h"

namespace zelvaro {

// No place of the trick holds a card or a pass: the seat on turn leads.
bool trickIsEmpty(const Trick& trick);
// Whether the seat may lay the card in `slot` of its hand on this trick.
bool mayLay(const Hand& hand, int slot, const Trick& trick);

}  // namespace zelvaro

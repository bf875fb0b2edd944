// What counts as a player's name, for the profiles the user makes and the players generated
// from the name lists alike.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zelvaro {

// A name is at most this many characters: longer texts are not names, and the window's
// boxes could not show them whole.
inline constexpr std::size_t kLongestName = 40;

// Something besides blanks of any kind, not a number, and at most kLongestName characters.
bool isAcceptableName(std::string_view name);

// The text without the blanks of any kind (spaces of every width, the non-breaking ones
// too, tabs, line ends, invisible joiners) at either end.
std::string_view trimBlanks(std::string_view text);

// The number a text reads as when the whole of it is one: an optional sign, digits with at
// most one decimal separator ('.' or ','), an optional exponent ("1e5"), blanks around it
// allowed. "R2D2" is no number.
std::optional<double> wholeTextNumber(std::string_view text);

}  // namespace zelvaro

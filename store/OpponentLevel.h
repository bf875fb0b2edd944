// How the computer seats at the player's table play: "Classici", the game's own model, or
// "Esperti". An option of the game like those of `opzioni`, kept in a table of its own (one
// row) so that the six tables of the game keep their layout.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zelvaro {

class Database;

inline constexpr std::string_view kClassicOpponents = "Classici";
inline constexpr std::string_view kExpertOpponents = "Esperti";
// The levels in the order the options panel lists them.
inline constexpr std::array<std::string_view, 2> kOpponentLevels{kClassicOpponents,
                                                                 kExpertOpponents};

// Creates the table with its one row, "Classici", when the file lacks it.
void ensureOpponentLevelTable(Database& db);
// The level kept; "Classici" for anything that is not one of the levels.
std::string readOpponentLevel(Database& db);
// Keeps `level`, one of kOpponentLevels; anything else is not written.
void writeOpponentLevel(Database& db, std::string_view level);

}  // namespace zelvaro

// The hand limit of a tournament: what Label48 says and how many hands are left to play.
#pragma once

#include <string>

namespace zelvaro {

class Surface;
struct Tournament;

// Who the limit is set for: the human's table only (the end of his match), or the simulated
// tables too (the start of a tournament and of every round).
enum class LimitScope { HumanTable, AllTables };

// "Max 9 Mani al Termine".
std::string handLimitCaption(int hands);
inline constexpr const char* kNoHandLimitCaption = "Nessun Limite di Mani";

// Sets Label48 and the hands left (and, for all tables, the passes left) by the limit text:
// "Senza Limite" -1, "Limite 10 Mani" 10, "Limite 20 Mani" 20. Any other text changes nothing.
void applyHandLimit(Surface& surface, Tournament& tournament, const std::string& limite,
                    LimitScope scope);

}  // namespace zelvaro

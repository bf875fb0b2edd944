// What the wait panel tells the player when his tournament table is over: who of his table
// goes on, in the order the round's advancement takes them (points, then names), and where he
// stands among them, so that what he reads agrees with who goes on.
#pragma once

#include <string>
#include <vector>

namespace zelvaro {

struct TableEntrant {
    std::string surname;
    long long points = 0;
    bool player = false;
};

// `ranked`: the table's six, best first, equal points in name order; `final`: the last table
// of the tournament, where nobody goes on.
std::string tableOutcomeLine(const std::vector<TableEntrant>& ranked, bool final);

}  // namespace zelvaro

// The simulated player's record as the simulator prints it, one "name: value" line a figure.
#pragma once

namespace zelvaro {

class Database;

void printStatistics(Database& db);

}  // namespace zelvaro

// The pool of some 2,500 computer players, generated from the nations' name lists the first
// time the game starts.
#pragma once

namespace zelvaro {

class Database;
class Random;
class Surface;

// Generates the pool when the player table holds 1000 rows or fewer; the window is disabled
// meanwhile and Label39 shows the progress. Returns the number of rows appended.
int ensurePlayerPool(Database& db, Random& random, Surface& surface);

}  // namespace zelvaro

// Bringing the player's database over from a folder that he cannot write (a portable copy
// unpacked by another user, a read-only medium) into his own data folder.
#pragma once

#include <filesystem>

#include "store/GameDatabase.h"

namespace zelvaro {

// Copies `from`, with the log of writes not yet folded into it, into `toFolder` as the
// game's file, and checks the copy as a start-up would before it takes the game's name. The
// original is only read. A refused copy leaves `toFolder` as it was and names the original
// (a file that is not the game's, damaged, unreadable) or the folder (no room, no
// permission). The caller holds the folder and `toFolder` has no game file yet.
StoreRefusal copyGameDatabase(const std::filesystem::path& from,
                              const std::filesystem::path& toFolder);

}  // namespace zelvaro

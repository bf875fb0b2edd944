// What the user is told when the database cannot be used or a statement fails: each cause in
// its own Italian words, naming the file.
#pragma once

#include <exception>
#include <string>

#include "store/GameDatabase.h"

namespace zelvaro {

std::string refusalMessage(const StoreRefusal& refusal);
// A failure during start-up or play: a full disk, a disk error, a file that cannot be
// written any more, or any other error of the database.
std::string failureMessage(const std::exception& error);

}  // namespace zelvaro

// What the user is told when the database cannot be used or a statement fails: each cause in
// its own Italian words, naming the file.
#pragma once

#include <exception>
#include <string>

#include "store/GameDatabase.h"

namespace zelvaro {

std::string refusalMessage(const StoreRefusal& refusal);
// The player's database lies beside a program whose folder he cannot write: may it be
// copied into his data folder? And, after "Copia", where the game now keeps it.
std::string strandedFileQuestion(const std::filesystem::path& file,
                                 const std::filesystem::path& toFolder);
std::string copiedFileNotice(const std::filesystem::path& copy);
// A failure during start-up or play: a full disk, a disk error, a file that cannot be
// written any more, or any other error of the database.
std::string failureMessage(const std::exception& error);

}  // namespace zelvaro

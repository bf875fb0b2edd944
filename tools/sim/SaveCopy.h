// Writing the simulator's database where --save asks, whole or not at all.
#pragma once

#include <filesystem>

namespace zelvaro {

// Copies `from` to `to` through a file beside `to` that is renamed over it only once written
// whole and on the disk: `to` is then the new file or, after a failure, what it was before.
// Prints where the file went, or why it could not be written on stderr.
bool saveCopy(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace zelvaro

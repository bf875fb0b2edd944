// Where the game keeps its database and finds its pictures and rules text: beside the program
// in a build or a portable copy, or the installed way (the program in a bin folder, its data
// in ../share/zelvaro, the database in the player's own data folder).
#pragma once

#include <filesystem>

namespace zelvaro {

struct GameFolders {
    std::filesystem::path data;     // holds zelvaro.mdb
    std::filesystem::path program;  // the program's own folder
    std::filesystem::path shared;   // the pictures and the rules text
    // The player's database beside a program whose folder he cannot write, while his data
    // folder has none: copied there at his word (empty when there is no such file).
    std::filesystem::path strandedFile;
};

// The same folder for everything: a build or a portable copy.
inline GameFolders besideTheProgram(const std::filesystem::path& folder) {
    return {folder, folder, folder, {}};
}

// The folders of a program started from `programFolder`. The pictures are beside it, or else
// in ../share/zelvaro. The database stays beside the program when the program carries its
// pictures there and may write the folder, or when a database the player can use already
// lies there; otherwise it goes to `playerDataFolder` (created when needed), so that an
// installed game never writes into its installation. A database beside a program whose
// folder the player cannot write is never passed over in silence: while his data folder has
// none it is the stranded file, and nothing is created until he says what to do.
GameFolders locateGameFolders(const std::filesystem::path& programFolder,
                              const std::filesystem::path& playerDataFolder);

}  // namespace zelvaro

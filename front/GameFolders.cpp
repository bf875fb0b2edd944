#include "front/GameFolders.h"

#include <unistd.h>

#include <system_error>

#include "store/Database.h"

namespace zelvaro {
namespace fs = std::filesystem;

namespace {

bool writable(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

bool holdsPictures(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "carte", ec);
}

}  // namespace

GameFolders locateGameFolders(const fs::path& programFolder, const fs::path& playerDataFolder) {
    GameFolders folders = besideTheProgram(programFolder);
    const fs::path installed = (programFolder / ".." / "share" / "zelvaro").lexically_normal();
    const bool portable = holdsPictures(programFolder) || !holdsPictures(installed);
    if (!portable) folders.shared = installed;

    const fs::path besideFile = programFolder / Database::kFileName;
    std::error_code ec;
    const bool fileBeside = fs::exists(besideFile, ec);
    const bool existingUsable = fileBeside && writable(besideFile) && writable(programFolder);
    if ((portable && writable(programFolder)) || existingUsable) return folders;

    folders.data = playerDataFolder;
    if (fileBeside && !fs::exists(playerDataFolder / Database::kFileName, ec)) {
        folders.strandedFile = besideFile;
        return folders;
    }
    fs::create_directories(playerDataFolder, ec);
    return folders;
}

}  // namespace zelvaro

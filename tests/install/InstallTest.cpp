// The installed game: `cmake --install` lays out the program, its pictures, rules, desktop
// entry and icons; the installed program, started by a player, makes its database in his
// data folder and writes nothing into the installation; the Debian package carries the same
// tree and names the libraries it needs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>

#include "store/Database.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::TempFolder;

int run(const std::string& command) { return std::system(command.c_str()); }

std::string quoted(const fs::path& path) {
    std::string text = "'";
    text += path.string();
    text += '\'';
    return text;
}

int filesIn(const fs::path& folder, const std::string& extension) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += entry.is_regular_file() && entry.path().extension() == extension ? 1 : 0;
    }
    return count;
}

// Every file and folder of a tree with its size and time, to see that nothing changed.
std::map<std::string, std::string> snapshot(const fs::path& tree) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(tree)) {
        const auto time = fs::last_write_time(entry.path()).time_since_epoch().count();
        std::string sizeAndTime = std::to_string(entry.is_regular_file() ? entry.file_size() : 0);
        sizeAndTime += '@';
        sizeAndTime += std::to_string(time);
        files[entry.path().string()] = sizeAndTime;
    }
    return files;
}

// A PNG's width, from its header.
int pngWidth(const fs::path& file) {
    const std::string bytes = readBytes(file);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return -1;
    return (static_cast<unsigned char>(bytes[18]) << 8) | static_cast<unsigned char>(bytes[19]);
}

int computerPlayers(const fs::path& file) {
    try {
        Database db;
        db.openReadOnly(file);
        return db.query("SELECT * FROM giocatori where profilo='0' ").rows();
    } catch (const DatabaseError&) {
        return 0;
    }
}

TEST(InstallTest, TheInstalledGameKeepsThePlayersDataInHisOwnFolder) {
    TempFolder work;
    const fs::path prefix = work.path() / "prefix";
    ASSERT_EQ(run(ZELVARO_CMAKE " --install " ZELVARO_BUILD_DIR " --prefix " + quoted(prefix) +
                  " > /dev/null"),
              0);

    // The tree.
    const fs::path share = prefix / "share" / "zelvaro";
    EXPECT_EQ(::access((prefix / "bin" / "zelvaro").c_str(), X_OK), 0);
    EXPECT_EQ(filesIn(share / "carte", ".jpg"), 54);
    std::set<std::string> nations;
    for (const NationNames& row : parseNationNames(builtInNationNames())) nations.insert(row.nation);
    EXPECT_EQ(filesIn(share / "bandiere", ".jpg"), static_cast<int>(nations.size()));
    EXPECT_EQ(filesIn(share / "immagini" / "facce", ".jpg"), 91);
    for (const char* option : {"Normale", "50 Punti", "Piatto 2000", "2 Carte", "Duesuperaasso",
                               "Non Cambio Carte"}) {
        EXPECT_TRUE(fs::is_regular_file(share / "immagini" / (std::string(option) + ".jpg"))) << option;
    }
    EXPECT_TRUE(fs::is_regular_file(share / "regolamento.txt"));
    const fs::path entry = prefix / "share" / "applications" / "zelvaro.desktop";
    const std::string desktop = readBytes(entry);
    for (const char* line : {"Name=Zelvaro\n", "Categories=Game;CardGame;\n", "Comment[it]=", "Exec=zelvaro\n"}) {
        EXPECT_NE(desktop.find(line), std::string::npos) << line;
    }
    if (run("command -v desktop-file-validate > /dev/null") == 0) {
        EXPECT_EQ(run("desktop-file-validate " + quoted(entry)), 0);
    }
    for (const int size : {48, 128, 256}) {
        std::string folder = std::to_string(size);
        folder += 'x';
        folder += std::to_string(size);
        EXPECT_EQ(pngWidth(prefix / "share" / "icons" / "hicolor" / folder / "apps" / "zelvaro.png"), size);
    }

    // A player starts the installed game: his data folder gets the database and its pool,
    // the installation (made read-only) nothing at all.
    ASSERT_EQ(run("chmod -R a-w " + quoted(prefix)), 0);
    const auto before = snapshot(prefix);
    const fs::path home = work.path() / "home";
    const fs::path database = home / "data" / "Zelvaro" / Database::kFileName;
    fs::create_directories(home);
    const pid_t game = ::fork();
    if (game == 0) {
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::execl((prefix / "bin" / "zelvaro").c_str(), "zelvaro", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int players = 0;
    for (int wait = 0; wait < 300 && players < 2400; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        players = computerPlayers(database);
    }
    ::kill(game, SIGTERM);
    int status = 0;
    ::waitpid(game, &status, 0);
    EXPECT_GT(players, 2400);
    EXPECT_TRUE(snapshot(prefix) == before) << "the game wrote into its installation";
    EXPECT_FALSE(fs::exists(prefix / "bin" / Database::kFileName));
    run("chmod -R u+w " + quoted(prefix));
}

TEST(InstallTest, TheDebianPackageCarriesTheTreeAndNamesItsLibraries) {
    if (run("command -v dpkg-deb > /dev/null && command -v dpkg-shlibdeps > /dev/null") != 0) {
        GTEST_SKIP() << "dpkg-deb and dpkg-shlibdeps are needed to make and read the package";
    }
    TempFolder work;
    ASSERT_EQ(run("cd " ZELVARO_BUILD_DIR " && " ZELVARO_CPACK " -G DEB -B " + quoted(work.path()) +
                  " > /dev/null"),
              0);
    fs::path package;
    for (const auto& entry : fs::directory_iterator(work.path())) {
        if (entry.path().extension() == ".deb") package = entry.path();
    }
    ASSERT_FALSE(package.empty());
    const fs::path fields = work.path() / "depends.txt";
    const fs::path contents = work.path() / "contents.txt";
    ASSERT_EQ(run("dpkg-deb -f " + quoted(package) + " Depends > " + quoted(fields)), 0);
    ASSERT_EQ(run("dpkg-deb -c " + quoted(package) + " > " + quoted(contents)), 0);
    const std::string depends = readBytes(fields);
    for (const char* library : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libsqlcipher0",
                                "qt6-qpa-plugins", "fonts-dejavu-core"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
    }
    const std::string listing = readBytes(contents);
    for (const char* file : {"./usr/bin/zelvaro", "./usr/share/applications/zelvaro.desktop",
                             "./usr/share/zelvaro/carte/retro.jpg", "./usr/share/zelvaro/regolamento.txt",
                             "./usr/share/icons/hicolor/48x48/apps/zelvaro.png"}) {
        EXPECT_NE(listing.find(file), std::string::npos) << file;
    }
}

}  // namespace
}  // namespace zelvaro

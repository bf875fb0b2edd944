// The installed game: `cmake --install` lays out the program, its pictures, rules, desktop
// entry and icons; the installed program, started by a player, makes its database in his
// data folder and writes nothing into the installation; the Debian package carries the same
// tree, names the libraries it needs and keeps Debian's conventions.
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
#include "tests/install/InstallSupport.h"

namespace zelvaro::installtest {
namespace {

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
    // Every picture three times: at the design size, @2x and @3x.
    EXPECT_EQ(filesIn(share / "carte", ".jpg"), 54 * 3);
    std::set<std::string> nations;
    for (const NationNames& row : parseNationNames(builtInNationNames()))
        nations.insert(row.nation);
    EXPECT_EQ(filesIn(share / "bandiere", ".jpg"), static_cast<int>(nations.size()) * 4);
    EXPECT_EQ(filesIn(share / "immagini" / "facce", ".jpg"), 91 * 3);
    for (const char* option :
         {"Normale", "50 Punti", "Piatto 2000", "2 Carte", "Duesuperaasso", "Non Cambio Carte"}) {
        for (const char* variant : {".jpg", "@2x.jpg", "@3x.jpg"}) {
            EXPECT_TRUE(fs::is_regular_file(share / "immagini" / (option + std::string(variant))))
                << option << variant;
        }
    }
    EXPECT_TRUE(fs::is_regular_file(share / "regolamento.txt"));
    const fs::path entry = prefix / "share" / "applications" / "zelvaro.desktop";
    const std::string desktop = readBytes(entry);
    for (const char* line :
         {"Name=Zelvaro\n", "Categories=Game;CardGame;\n", "Comment[it]=", "Exec=zelvaro\n"}) {
        EXPECT_NE(desktop.find(line), std::string::npos) << line;
    }
    if (hasCommand("desktop-file-validate")) {
        EXPECT_EQ(run("desktop-file-validate " + quoted(entry)), 0);
    }
    for (const int size : {48, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(pngWidth(prefix / "share/icons/hicolor" / folder / "apps/zelvaro.png"), size);
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

// One package for the whole suite, made from this build as a player would make it.
class DebianPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!tools() || run("cd " ZELVARO_BUILD_DIR " && " ZELVARO_CPACK " -G DEB -B " +
                            quoted(work_.path()) + " > /dev/null") != 0) {
            return;
        }
        for (const auto& entry : fs::directory_iterator(work_.path())) {
            if (entry.path().extension() == ".deb") package_ = entry.path();
        }
    }
    void SetUp() override {
        if (!tools())
            GTEST_SKIP() << "dpkg-deb and dpkg-shlibdeps are needed to make and read the package";
        ASSERT_FALSE(package_.empty()) << "cpack made no package";
    }
    static bool tools() { return hasCommand("dpkg-deb") && hasCommand("dpkg-shlibdeps"); }

    static inline TempFolder work_;
    static inline fs::path package_;
};

TEST_F(DebianPackage, CarriesTheTreeAndNamesItsLibraries) {
    EXPECT_EQ(missing(capture("dpkg-deb -f " + quoted(package_) + " Depends").text,
                      {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libsqlcipher0",
                       "qt6-qpa-plugins", "fonts-dejavu-core"}),
              "");
    // Every file `cmake --install` lays out, the manual page and the changelog compressed as
    // Debian's policy asks: gzip -9n, the best compression and no name or time in the header,
    // so that the same sources give the same package.
    const fs::path tree = installedTree();
    ASSERT_FALSE(tree.empty()) << "cmake --install failed";
    const std::string listing = capture("dpkg-deb -c " + quoted(package_)).text;
    EXPECT_EQ(missing(listing, {"/man6/zelvaro.6.gz\n", "/doc/zelvaro/changelog.gz\n"}), "");
    for (const auto& entry : fs::recursive_directory_iterator(tree)) {
        const std::string path = "./usr/" + fs::relative(entry.path(), tree).string();
        if (!entry.is_regular_file() || listing.find(path + '\n') != std::string::npos) continue;
        const Output packed = capture("dpkg-deb --fsys-tarfile " + quoted(package_) +
                                      " | tar -xOf - '" + path + ".gz'");
        EXPECT_EQ(packed.status, 0) << path << " is not in the package";
        EXPECT_TRUE(packed.text == capture("gzip -9nc " + quoted(entry.path())).text)
            << path << ".gz is not the installed file as gzip -9n packs it";
    }
}

// What lintian still reports has one of these causes; any other warning or error fails.
TEST_F(DebianPackage, LintianFindsNothingButTheKnownComplaints) {
    if (!hasCommand("lintian")) GTEST_SKIP() << "lintian is not installed";
    const Output report = capture(
        "lintian --fail-on error,warning --suppress-tags "
        // No maintainer's address unless the builder gives one with
        // -DZELVARO_MAINTAINER="Name <address>"; the changelog's signature line needs it too.
        "malformed-contact,syntax-error-in-debian-changelog,"
        // The program stays in /usr/bin, not /usr/games: on every user's path, root's too, and
        // where a plain `cmake --install` puts it.
        "package-section-games-but-contains-no-game " +
        quoted(package_) + " 2>&1");
    EXPECT_EQ(report.status, 0) << report.text;
}

}  // namespace
}  // namespace zelvaro::installtest

// The program's start and exit as the window drives them: the database created or refused,
// the stored number moved, a compaction stopped half-way recovered, "Esci".
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "engine/GameSession.h"
#include "front/GameFolders.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

using testsupport::readBytes;
using testsupport::TempFolder;
namespace fs = std::filesystem;

double storedNummag(const fs::path& folder) {
    Database db;
    db.open(folder / Database::kFileName);
    return readNummag(db);
}

TEST(StartUpTest, FirstStartCreatesTheDatabaseAndOpensOnTheMenu) {
    TempFolder folder;
    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    ASSERT_TRUE(app.startUp());
    EXPECT_EQ(surface.windowWidth(), 15455);
    EXPECT_EQ(surface.windowHeight(), 11255);
    EXPECT_EQ(surface.messageTitle(), "Zelvaro");
    EXPECT_TRUE(surface.messages().empty());
    EXPECT_TRUE(surface.windowEnabled());
    EXPECT_FALSE(surface.visible(ctl::Label39));
    for (Control c : kMenuLabels) EXPECT_TRUE(surface.enabled(c) && surface.visible(c));
    EXPECT_TRUE(fs::exists(folder.path() / Database::kFileName));
    // The two packs are built: every card twice.
    EXPECT_EQ(app.session().masterdeck[0], (Card{2, 'c'}));
    EXPECT_EQ(app.session().masterdeck[103], (Card{14, 'p'}));
    EXPECT_GT(app.database().query("SELECT * FROM giocatori where profilo='0' ").rows(), 2400);
}

TEST(StartUpTest, EveryStartMovesTheStoredNumberWithinItsFactor) {
    TempFolder folder;
    double previous = 0;
    for (int start = 0; start < 3; ++start) {
        MemorySurface surface;
        ZelvaroApp app(surface, folder.path());
        ASSERT_TRUE(app.startUp());
        app.database().close();
        const double now = storedNummag(folder.path());
        EXPECT_NE(now, previous);
        EXPECT_GE(now, previous);
        EXPECT_LT(now, previous + 1000);
        previous = now;
    }
}

TEST(StartUpTest, AFileThatIsNotOurDatabaseIsNamedAndLeftUntouched) {
    TempFolder folder;
    const fs::path file = folder.path() / Database::kFileName;
    {
        std::ofstream out(file, std::ios::binary);
        out << std::string(4096, 'x') << "not a database";
    }
    const std::string before = readBytes(file);
    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    EXPECT_FALSE(app.startUp());
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.messages()[0].title, "Zelvaro");
    EXPECT_NE(surface.messages()[0].text.find(file.string()), std::string::npos);
    EXPECT_EQ(readBytes(file), before);
}

TEST(StartUpTest, ACompactedCopyLeftWithoutItsOriginalTakesItsPlace) {
    TempFolder folder;
    {
        MemorySurface surface;
        ZelvaroApp app(surface, folder.path());
        ASSERT_TRUE(app.startUp());
        app.database().appendRow("giocatori", {{"cognome", "O'Hara"},
                                               {"nome", "Kate"},
                                               {"nazionalita", "Irlanda"},
                                               {"anno", 1984},
                                               {"profilo", "1"}});
        // Stopped as if the machine went down after the copy took the old file's place
        // under its temporary name.
        ASSERT_FALSE(app.database().compact([](int step) { return step < 3; }));
    }
    fs::rename(folder.path() / Database::kFileName, folder.path() / "moved-away.mdb");
    ASSERT_TRUE(fs::exists(folder.path() / Database::kTempFileName));

    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    ASSERT_TRUE(app.startUp());
    EXPECT_FALSE(fs::exists(folder.path() / Database::kTempFileName));
    EXPECT_EQ(
        app.database()
            .query(
                "SELECT * FROM giocatori where cognome='O''Hara' and nome='Kate' and profilo='1'")
            .rows(),
        1);
}

TEST(StartUpTest, EsciCompactsClosesAndEndsTheProgram) {
    TempFolder folder;
    {
        MemorySurface surface;
        ZelvaroApp app(surface, folder.path());
        ASSERT_TRUE(app.startUp());
        app.database().appendRow("giocatori", {{"cognome", "Esposito"},
                                               {"nome", "Ciro"},
                                               {"nazionalita", "Italia"},
                                               {"anno", 1970},
                                               {"profilo", "1"}});
        app.click(ctl::Label3);
        EXPECT_TRUE(surface.windowClosed());
        EXPECT_FALSE(app.database().isOpen());
    }
    EXPECT_FALSE(fs::exists(folder.path() / Database::kTempFileName));
    EXPECT_FALSE(fs::exists(folder.path() / (std::string(Database::kFileName) + "-wal")));
    Database db;
    db.open(folder.path() / Database::kFileName);
    EXPECT_EQ(
        db.query("SELECT * FROM giocatori where cognome='Esposito' and nome='Ciro' and profilo='1'")
            .rows(),
        1);
}

TEST(StartUpTest, EsciThroughALinkKeepsTheLinkAndTheFilesPermissions) {
    TempFolder folder;
    const fs::path elsewhere = folder.path() / "dati" / "mio.mdb";
    const fs::path game = folder.path() / "gioco";
    fs::create_directories(elsewhere.parent_path());
    fs::create_directories(game);
    fs::create_symlink(elsewhere, game / Database::kFileName);
    {
        MemorySurface surface;
        ZelvaroApp app(surface, game);
        ASSERT_TRUE(app.startUp());
        fs::permissions(elsewhere,
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        app.database().appendRow("giocatori", {{"cognome", "Legato"},
                                               {"nome", "Link"},
                                               {"nazionalita", "Italia"},
                                               {"anno", 1975},
                                               {"profilo", "1"}});
        app.click(ctl::Label3);
        ASSERT_TRUE(surface.windowClosed());
    }
    EXPECT_TRUE(fs::is_symlink(game / Database::kFileName));
    EXPECT_EQ(fs::read_symlink(game / Database::kFileName), elsewhere);
    EXPECT_EQ(fs::status(elsewhere).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    for (const fs::path& place : {game, elsewhere.parent_path()}) {
        EXPECT_FALSE(fs::exists(place / Database::kTempFileName));
    }
    Database db;
    db.open(elsewhere);
    EXPECT_EQ(db.query("SELECT * FROM giocatori where cognome='Legato'").rows(), 1);
}

TEST(StartUpTest, TheDatabaseStaysBesideABuildAndGoesToThePlayersFolderWhenInstalled) {
    TempFolder root;
    const fs::path player = root.path() / "home" / ".local" / "share" / "Zelvaro";
    const fs::path build = root.path() / "build";
    const fs::path prefix = root.path() / "usr";
    for (const fs::path& pictures : {build / "carte", prefix / "share" / "zelvaro" / "carte"}) {
        fs::create_directories(pictures);
    }
    fs::create_directories(prefix / "bin");

    // A build or a portable copy keeps everything beside the program.
    GameFolders folders = locateGameFolders(build, player);
    EXPECT_EQ(folders.data, build);
    EXPECT_EQ(folders.shared, build);
    // An installed program finds its pictures in ../share/zelvaro and keeps the database in
    // the player's folder, made for it.
    folders = locateGameFolders(prefix / "bin", player);
    EXPECT_EQ(folders.shared, prefix / "share" / "zelvaro");
    EXPECT_EQ(folders.data, player);
    EXPECT_TRUE(fs::is_directory(player));
    EXPECT_EQ(folders.program, prefix / "bin");
    // A database the player already keeps beside the program is used where it is.
    testsupport::writeBytes(prefix / "bin" / Database::kFileName, "");
    EXPECT_EQ(locateGameFolders(prefix / "bin", player).data, prefix / "bin");
}

TEST(StartUpTest, ADisabledMenuEntryIgnoresItsClick) {
    TempFolder folder;
    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    ASSERT_TRUE(app.startUp());
    app.click(ctl::Label10);  // options open: the menu is disabled
    ASSERT_TRUE(surface.visible(ctl::Frame1));
    app.click(ctl::Label3);  // "Esci" cannot be reached
    EXPECT_FALSE(surface.windowClosed());
    EXPECT_TRUE(app.database().isOpen());
    app.click(ctl::Label35);
    EXPECT_FALSE(surface.visible(ctl::Frame3));
}

}  // namespace
}  // namespace zelvaro

// Start-up against damaged, foreign, locked, read-only and doubly used database files: each
// gets its own message, ends nothing with a crash, leaves the file byte for byte as it was,
// and once the cause is gone the game starts normally.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlcipher/sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include "front/GameFolders.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/Database.h"
#include "store/StoreMessages.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::TempFolder;
using testsupport::writeBytes;

struct Start {
    bool started = false;
    std::string message;  // the messages shown, one per line, or "" when none
};

// One start of the game on `folders`, its questions answered `answer`.
Start startOn(const GameFolders& folders, MessageAnswer answer = MessageAnswer::No) {
    MemorySurface surface;
    surface.scriptAnswers({answer});
    ZelvaroApp app(surface, folders);
    Start result;
    result.started = app.startUp();
    for (const auto& shown : surface.messages()) {
        result.message += (result.message.empty() ? "" : "\n---\n") + shown.text;
    }
    return result;
}

// `start` run in a child process as an ordinary user (nobody) when the tests run as root,
// who may read and write anything; otherwise in this process.
Start runAsUser(const std::function<Start()>& start) {
    if (::geteuid() != 0) return start();
    int pipe[2];
    if (::pipe(pipe) != 0) throw std::runtime_error("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        const Start result = start();
        const std::string out = (result.started ? "1" : "0") + result.message;
        if (::write(pipe[1], out.data(), out.size()) < 0) ::_exit(4);
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    // A crash (terminate, a signal) is a failure of its own.
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || out.empty()) {
        return {false, "the start ended abnormally, status " + std::to_string(status)};
    }
    return {out[0] == '1', out.substr(1)};
}

Start startAsUser(const fs::path& folder) {
    return runAsUser([&folder] { return startOn(besideTheProgram(folder)); });
}

// Everything below `path` handed to the user the start runs as.
void giveToUser(const fs::path& path) {
    if (::geteuid() != 0) return;
    if (::chown(path.c_str(), 65534, 65534) != 0) throw std::runtime_error("chown");
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::recursive_directory_iterator(path)) {
            if (::lchown(entry.path().c_str(), 65534, 65534) != 0)
                throw std::runtime_error("chown");
        }
    }
}

class StoreRefusalTest : public ::testing::Test {
protected:
    // A game file made by a first start, shared by the suite.
    static void SetUpTestSuite() {
        template_ = new TempFolder;
        MemorySurface surface;
        ZelvaroApp app(surface, template_->path());
        ASSERT_TRUE(app.startUp());
        app.database().close();
    }
    static void TearDownTestSuite() { delete template_; }

    StoreRefusalTest() {
        fs::permissions(folder.path(),
                        fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
        fs::copy_file(template_->path() / Database::kFileName, file);
        giveToUser(folder.path());
    }

    // The start refused with `message`, touched nothing, and starts once `mend` has run.
    void expectRefusedUntouched(const std::string& message, const std::function<void()>& mend) {
        const std::string before = readBytes(file);
        const auto filesBefore = filesOf(folder.path());
        const Start refused = startAsUser(folder.path());
        EXPECT_FALSE(refused.started);
        EXPECT_EQ(refused.message, message);
        EXPECT_TRUE(readBytes(file) == before) << "the file changed";
        EXPECT_EQ(filesOf(folder.path()), filesBefore);
        mend();
        const Start again = startAsUser(folder.path());
        EXPECT_TRUE(again.started) << again.message;
        EXPECT_EQ(again.message, "");
    }

    static std::vector<std::string> filesOf(const fs::path& path) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(path))
            names.push_back(entry.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    void restoreGoodFile() {
        fs::copy_file(template_->path() / Database::kFileName, file,
                      fs::copy_options::overwrite_existing);
        giveToUser(file);
    }

    std::string foreignMessage() const { return refusalMessage({StoreProblem::Foreign, file}); }
    std::string damagedMessage() const { return refusalMessage({StoreProblem::Damaged, file}); }

    static TempFolder* template_;
    TempFolder folder;
    fs::path file = folder.path() / Database::kFileName;
};

TempFolder* StoreRefusalTest::template_ = nullptr;

TEST_F(StoreRefusalTest, DamagedAndForeignFilesAreRefusedUntouched) {
    const std::string good = readBytes(file);
    const std::size_t page = 1024;  // the encrypted file's page size
    ASSERT_GT(good.size(), 8 * page);
    std::mt19937 noise(7);
    std::string random(16 * page, '\0');
    for (char& c : random) c = static_cast<char>(noise());
    std::string firstPage = good, middlePage = good;
    for (std::size_t i = 100; i < 140; ++i) firstPage[i] = static_cast<char>(~firstPage[i]);
    const std::size_t middle = (good.size() / page / 2) * page;
    for (std::size_t i = middle + 200; i < middle + 260; ++i)
        middlePage[i] = static_cast<char>(~middlePage[i]);

    const fs::path plain = folder.path() / "plain.db";
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(plain.c_str(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE giocatori (cognome TEXT, nome TEXT)", nullptr, nullptr,
                     nullptr);
        sqlite3_close(db);
    }
    const fs::path foreign = folder.path() / "foreign.db";
    {
        Database db;
        db.open(foreign);
        db.execute("CREATE TABLE giocatori (nome TEXT, punti INTEGER)");
        db.execute("CREATE TABLE ricette (titolo TEXT)");
        db.close();
    }
    // With the encryption, a first page gone bad cannot be told from a file of another key.
    struct Case {
        const char* what;
        std::string bytes;
        bool gamesFile;
    };
    for (const Case& c : {Case{"random bytes", random, false},
                          Case{"an unencrypted database", readBytes(plain), false},
                          Case{"a truncated file", good.substr(0, good.size() / 2), true},
                          Case{"a damaged first page", firstPage, false},
                          Case{"a damaged middle page", middlePage, true},
                          Case{"a keyed file of another layout", readBytes(foreign), false}}) {
        SCOPED_TRACE(c.what);
        writeBytes(file, c.bytes);
        giveToUser(file);
        expectRefusedUntouched(c.gamesFile ? damagedMessage() : foreignMessage(),
                               [&] { restoreGoodFile(); });
    }
    fs::remove(plain);
    fs::remove(foreign);
}

TEST_F(StoreRefusalTest, ALogLeftByACrashIsFoldedIntoASoundFileOnlyAndADamagedOneKeepsIt) {
    // The file and its log as a game killed right after writing a profile leaves them.
    const fs::path log = file.string() + "-wal";
    std::string crashedFile, crashedLog;
    {
        Database running;
        running.open(file);
        running.execute("PRAGMA wal_autocheckpoint=0");
        running.appendRow("giocatori", {{"cognome", "Scritto"},
                                        {"nome", "Prima"},
                                        {"nazionalita", "Italia"},
                                        {"anno", 1970},
                                        {"profilo", "1"}});
        crashedFile = readBytes(file);
        crashedLog = readBytes(log);
    }
    ASSERT_FALSE(crashedLog.empty());
    const auto crash = [&](std::string fileBytes) {
        writeBytes(file, fileBytes);
        writeBytes(log, crashedLog);
        giveToUser(folder.path());
    };
    // Damaged in a page of the file: refused, and the file and its log stay as they were.
    std::string damaged = crashedFile;
    for (std::size_t i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i)
        damaged[i] = static_cast<char>(~damaged[i]);
    crash(damaged);
    const Start refused = startAsUser(folder.path());
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(refused.message, damagedMessage());
    EXPECT_TRUE(readBytes(file) == damaged) << "the file changed";
    EXPECT_TRUE(readBytes(log) == crashedLog) << "the log changed";
    // Sound: the start takes in the profile the log holds.
    crash(crashedFile);
    ASSERT_TRUE(startAsUser(folder.path()).started);
    Database after;
    after.open(file);
    EXPECT_EQ(after.query("SELECT * FROM giocatori where cognome='Scritto'").rows(), 1);
}

TEST_F(StoreRefusalTest, AReadOnlyFileIsRefusedAndLeavesNothingBehind) {
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    expectRefusedUntouched(
        "Impossibile aprire " + file.string() +
            ".\nIl file non può essere scritto: è di sola lettura o appartiene "
            "a un altro utente. Il programma verrà chiuso senza modificarlo.",
        [&] { fs::permissions(file, fs::perms::owner_write, fs::perm_options::add); });
}

TEST_F(StoreRefusalTest, AReadOnlyFolderIsRefused) {
    fs::permissions(folder.path(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    expectRefusedUntouched("Impossibile usare la cartella " + folder.path().string() +
                               ".\nLa cartella non può essere scritta: mancano i permessi di "
                               "scrittura. Il programma verrà chiuso senza modificare nulla.",
                           [&] { fs::permissions(folder.path(), fs::perms::all); });
}

TEST_F(StoreRefusalTest, AStaleSharedMemoryIndexOfAnotherUserIsCleared) {
    // Left by a start of another user, and not writable for this one.
    const fs::path index = file.string() + "-shm";
    writeBytes(index, std::string(32768, '\0'));
    fs::permissions(index, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Start start = startAsUser(folder.path());
    EXPECT_TRUE(start.started) << start.message;
}

TEST_F(StoreRefusalTest, AFileLockedByAnotherProgramIsRefusedUntouched) {
    Database other;
    other.open(file);
    other.execute("PRAGMA locking_mode=EXCLUSIVE");
    other.execute("BEGIN EXCLUSIVE");
    other.execute("UPDATE temp SET numero1='12' WHERE descrizione= 'nummag'");
    const std::string before = readBytes(file);
    const Start refused = startAsUser(folder.path());
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(refused.message,
              "Impossibile aprire il database " + file.string() +
                  ".\nIl file è bloccato da un altro programma: chiudilo e riprova. "
                  "Il programma verrà chiuso senza modificarlo.");
    EXPECT_TRUE(readBytes(file) == before) << "the file changed";
    other.execute("ROLLBACK");
    other.close();
    EXPECT_TRUE(startAsUser(folder.path()).started);
}

TEST_F(StoreRefusalTest, ASecondCopyOnTheSameFolderStopsAtOnce) {
    MemorySurface firstSurface;
    ZelvaroApp first(firstSurface, folder.path());
    ASSERT_TRUE(first.startUp());
    const std::string before = readBytes(file);
    MemorySurface surface;
    {
        ZelvaroApp second(surface, folder.path());
        EXPECT_FALSE(second.startUp());
    }
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.messages()[0].text,
              "Zelvaro è già aperto: i suoi dati in " + file.string() +
                  " sono in uso da un'altra copia del programma.\nUsa la finestra già aperta, "
                  "oppure chiudila e riprova.");
    EXPECT_TRUE(readBytes(file) == before) << "the file changed";
    first.click(ctl::Label3);  // "Esci" gives the folder back
    MemorySurface again;
    ZelvaroApp third(again, folder.path());
    EXPECT_TRUE(third.startUp());
}

TEST_F(StoreRefusalTest, ADatabaseInAFolderThePlayerCannotWriteIsCopiedOnlyAtHisWord) {
    // A portable copy unpacked where the player may not write, his profile still in the log.
    TempFolder root;
    fs::permissions(root.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    const fs::path program = root.path() / "portatile";
    const fs::path home = root.path() / "casa";
    const fs::path data = home / "Zelvaro";
    fs::create_directories(program);
    fs::create_directories(home);
    giveToUser(home);
    const fs::path stranded = program / Database::kFileName;
    {
        Database running;
        running.open(file);
        running.execute("PRAGMA wal_autocheckpoint=0");
        running.appendRow("giocatori", {{"cognome", "Portatile"},
                                        {"nome", "Ada"},
                                        {"nazionalita", "Italia"},
                                        {"anno", 1970},
                                        {"profilo", "1"}});
        writeBytes(stranded, readBytes(file));
        writeBytes(stranded.string() + "-wal", readBytes(file.string() + "-wal"));
    }
    const auto programFiles = [&] {
        return readBytes(stranded) + readBytes(stranded.string() + "-wal");
    };
    const std::string original = programFiles();
    fs::permissions(program,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const auto start = [&](MessageAnswer answer) {
        return runAsUser([&] { return startOn(locateGameFolders(program, data), answer); });
    };
    const std::string question = strandedFileQuestion(stranded, data);

    const Start quit = start(MessageAnswer::Quit);
    EXPECT_FALSE(quit.started);
    EXPECT_EQ(quit.message, question);
    EXPECT_FALSE(fs::exists(data)) << "\"Esci\" changes nothing anywhere";

    const Start copied = start(MessageAnswer::Copy);
    EXPECT_TRUE(copied.started);
    EXPECT_EQ(copied.message, question + "\n---\n" + copiedFileNotice(data / Database::kFileName));
    EXPECT_EQ(start(MessageAnswer::Quit).message, "") << "asked once";
    EXPECT_TRUE(programFiles() == original) << "the original changed";
    EXPECT_EQ(filesOf(data), std::vector<std::string>{Database::kFileName});
    Database copy;
    copy.open(data / Database::kFileName);
    EXPECT_EQ(
        copy.query("SELECT * FROM giocatori where cognome='Portatile' and profilo='1'").rows(), 1);
    copy.close();

    // A stranded file that is not the game's is refused by its own name, and no copy stays.
    fs::remove_all(data);
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(stranded.string() + "-wal");
    writeBytes(stranded, "not a database, only words of another program");
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
    const Start foreign = start(MessageAnswer::Copy);
    EXPECT_FALSE(foreign.started);
    EXPECT_EQ(foreign.message,
              question + "\n---\n" + refusalMessage({StoreProblem::Foreign, stranded}));
    EXPECT_TRUE(filesOf(data).empty());
    fs::permissions(program, fs::perms::owner_all);
}

}  // namespace
}  // namespace zelvaro

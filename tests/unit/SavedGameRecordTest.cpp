// The saved game's record: its layout held to the version it is written as, the window's part
// tied to the controls it was written with, and the records an earlier version kept
// (tests/data) read and taken up by "Continua" as they were saved.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/SessionRecord.h"
#include "front/MatchCheckpoint.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro {
namespace {

// A type whose fields are the letters of `kinds`, walked in their order: s a 16-bit number,
// S the same within a range, w a 32-bit one, c a byte, t a text, f a flag, r a real, l a list.
struct Probe {
    std::string kinds{};
    std::int16_t small = 0;
    std::int32_t wide = 0;
    char byte = 0;
    std::string text{};
    bool flag = false;
    double real = 0;
    std::vector<std::string> list{};
};

template <class Io, Saved<Probe> P>
void fields(Io& io, P& p) {
    for (const char kind : p.kinds) {
        switch (kind) {
            case 's':
                io(p.small);
                break;
            case 'S':
                io(p.small, -10, 10);
                break;
            case 'w':
                io(p.wide);
                break;
            case 'c':
                io(p.byte);
                break;
            case 't':
                io(p.text);
                break;
            case 'f':
                io(p.flag);
                break;
            case 'r':
                io(p.real);
                break;
            case 'l':
                io(p.list);
                break;
        }
    }
}

namespace fs = std::filesystem;
using testsupport::TempFolder;

std::uint64_t layoutOf(const std::string& kinds) {
    Probe probe{.kinds = kinds};
    LayoutWalk walk;
    walk(probe);
    return walk.fingerprint();
}

TEST(SavedGameRecordTest, TheLayoutIsTheOneItsVersionWasGiven) {
    EXPECT_EQ(savedGameLayout(), kSavedGameLayout)
        << "The saved game's layout changed: raise kSavedGameVersion in engine/SessionRecord.h "
           "(and read the older version there, or let it be refused), then set kSavedGameLayout "
           "to 0x"
        << std::hex << savedGameLayout();
}

TEST(SavedGameRecordTest, TheLayoutSeesAFieldAddedTakenAwayMovedOrOfAnotherKind) {
    const struct {
        const char *before, *after;
        bool same;
    } cases[] =
        {
            {"stf", "stf", true},  {"stf", "stff", false}, {"stf", "st", false},
            {"stf", "sft", false}, {"stf", "wtf", false},  {"stf", "ctf", false},
            {"stf", "srf", false}, {"stf", "slf", false},  {"", "s", false},
            {"stf", "Stf", true},  // a range decides what reads, not how it is laid out
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " / " + c.after);
        EXPECT_EQ(layoutOf(c.before) == layoutOf(c.after), c.same);
    }
}

// `written` through a record and back.
Probe readBack(const Probe& written) {
    StateWriter out(1);
    RecordWriter writer(out);
    writer(written);
    const std::string record = out.finish();
    StateReader in(record, 1);
    RecordReader reader(in);
    Probe read{.kinds = written.kinds};
    reader(read);
    in.expectEnd();
    return read;
}

TEST(SavedGameRecordTest, EveryKindOfFieldReadsBackAsWritten) {
    const Probe written{"swctfrl",    -32768, 2'000'000'000, '\xff',
                        "due\nrighe", true,   0.1,           {"", "a\nb", "c"}};
    const Probe read = readBack(written);
    EXPECT_EQ(
        std::tie(read.small, read.wide, read.byte, read.text, read.flag, read.real, read.list),
        std::tie(written.small, written.wide, written.byte, written.text, written.flag,
                 written.real, written.list));
    // A number given a range, here -10 to 10, reads only within it.
    for (const auto& [value, reads] :
         {std::pair{10, true}, std::pair{11, false}, std::pair{-10, true}, std::pair{-11, false}}) {
        SCOPED_TRACE(value);
        const Probe ranged{.kinds = "S", .small = static_cast<std::int16_t>(value)};
        if (reads) {
            EXPECT_EQ(readBack(ranged).small, value);
        } else {
            EXPECT_THROW(readBack(ranged), BadStateRecord);
        }
    }
}

TEST(SavedGameRecordTest, TheControlsFingerprintChangesWithAnyControlRenamedMovedOrResized) {
    using List = std::array<ControlInfo, 3>;
    const List window{{{"Label1", 0, true}, {"Picture2", 12, false}, {"Timer1", 0, false}}};
    const struct {
        const char* what;
        List list;
        bool same;
    } cases[] = {
        {"the same", window, true},
        {"another shown at start", {{{"Label1", 0, false}, window[1], window[2]}}, true},
        {"one renamed", {{{"Label9", 0, true}, window[1], window[2]}}, false},
        {"two swapped", {{window[1], window[0], window[2]}}, false},
        {"an array of one more", {{window[0], {"Picture2", 13, false}, window[2]}}, false},
        {"an array made single", {{window[0], {"Picture2", 0, false}, window[2]}}, false},
        {"the name and the count run together",
         {{window[0], {"Picture21", 2, false}, window[2]}},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(controlsFingerprint(c.list) == controlsFingerprint(window), c.same);
    }
    EXPECT_NE(controlsFingerprint(std::span(window).first(2)), controlsFingerprint(window));
}

// The records kept as test data, of version 1, as zelvaro-sim left them (see
// tests/sim/KeptSavedGamesTest.cpp).
const char* const kKeptFiles[] = {"saved-game-v1.db", "saved-tournament-v1.db"};

// The saved record of a kept file, read from a copy: even a reader leaves the database's
// shared-memory files beside the file it opens.
std::string keptRecord(const char* file) {
    TempFolder folder;
    fs::copy_file(fs::path(ZELVARO_TEST_DATA) / file, folder.path() / file);
    Database db;
    db.openReadOnly(folder.path() / file);
    return db.query("SELECT stato FROM salvataggio").at(0, 0).text();
}

std::vector<std::string> linesOf(const std::string& record) {
    std::vector<std::string> lines;
    std::istringstream in(record.substr(0, record.size() - 16));  // without the check
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The game with only the first `controls` of its window: those an earlier window had.
SavedGame withControls(SavedGame game, std::size_t controls) {
    game.window.looks.resize(controls);
    return game;
}

// The kept records were written by the window before the controls added since: written
// again, they change their version, the window's opening (the slot count of the first
// records, today's fingerprint) and end with the level and the cards gone of a game played
// against "Classici" with nothing remembered.
// The game as a record of `version` holds it, written plainly: one field a line.
std::string plainRecord(const SavedGame& game, int version = kSavedGameVersion) {
    StateWriter out(version);
    RecordWriter writer(out);
    writer(game);
    if (version > kLastVersionBeforeExperts) expertFields(writer, game.session);
    return out.finish();
}

TEST(SavedGameRecordTest, AKeptRecordIsWrittenAgainWithItsVersionOpeningAndLevelChanged) {
    for (const char* file : kKeptFiles) {
        SCOPED_TRACE(file);
        const std::string kept = keptRecord(file);
        const SavedGame game = readSavedGame(kept);
        EXPECT_EQ(game.session.avversari, "Classici");
        EXPECT_EQ(game.session.cardsgone, ValueCounts{});
        const std::vector<std::string> before = linesOf(kept);
        std::vector<std::string> after = linesOf(plainRecord(game));
        std::vector<std::string> level{"8", "Classici"};
        level.resize(2 + game.session.cardsgone.size(), "0");
        ASSERT_EQ(after.size(), before.size() + level.size());
        EXPECT_EQ(
            std::vector<std::string>(after.end() - static_cast<long>(level.size()), after.end()),
            level);
        std::vector<std::pair<std::string, std::string>> changed;
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i] != after[i]) changed.emplace_back(before[i], after[i]);
        }
        const std::vector<std::pair<std::string, std::string>> expected{
            {"1", std::to_string(kSavedGameVersion)},
            {std::to_string(game.window.looks.size()),
             std::to_string(static_cast<std::int64_t>(controlsFingerprint()))}};
        EXPECT_EQ(changed, expected);
    }
}

TEST(SavedGameRecordTest, TheWindowsPartMustOpenAsItsVersionWrites) {
    // A game of the window before (version 1, its slot count) and one of today's window.
    SavedGame earlier = readSavedGame(keptRecord(kKeptFiles[0]));
    const auto earlierSlots = static_cast<std::int64_t>(earlier.window.looks.size());
    SavedGame today = earlier;
    today.window = snapshotSurface(MemorySurface());
    const auto fingerprint = static_cast<std::int64_t>(controlsFingerprint());
    const struct {
        int version;
        std::int64_t opening;
        SavedGame* game;
        bool reads;
    } cases[] = {
        {kSavedGameVersion, fingerprint, &today, true},
        {kSavedGameVersion, fingerprint ^ 1, &today, false},     // another window
        {kSavedGameVersion, controlSlotCount(), &today, false},  // a count for the fingerprint
        {1, earlierSlots, &earlier, true},
        {1, earlierSlots + 1, &earlier, false},
        {1, fingerprint, &earlier, false},
        {kSavedGameVersion + 1, fingerprint, &today, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("version " + std::to_string(c.version) + ", " + std::to_string(c.opening));
        SavedGame game = *c.game;
        game.window.controls = fingerprint;
        const std::string asRead = writeSavedGame(game);
        game.window.controls = c.opening;
        const std::string record = plainRecord(game, c.version);
        if (c.reads) {
            EXPECT_EQ(writeSavedGame(readSavedGame(record)), asRead);
        } else {
            EXPECT_THROW(readSavedGame(record), BadStateRecord);
        }
    }
}

TEST(SavedGameRecordTest, ContinuaTakesUpAKeptGameAsItWasSaved) {
    for (const char* file : kKeptFiles) {
        SCOPED_TRACE(file);
        TempFolder folder;
        fs::copy_file(fs::path(ZELVARO_TEST_DATA) / file, folder.path() / Database::kFileName);
        MemorySurface surface;
        ZelvaroApp app(surface, folder.path());
        ASSERT_TRUE(app.startUp());
        ASSERT_TRUE(surface.visible(ctl::ContinueEntry));
        const std::string kept = keptRecord(file);
        app.click(ctl::ContinueEntry);
        EXPECT_TRUE(surface.messages().empty());
        EXPECT_TRUE(surface.visible(ctl::Picture1));
        // Saved again at once, the game is the record's to the last field, the controls the
        // window gained since aside.
        app.checkpoint().saveNow();
        const SavedGame keptGame = readSavedGame(kept);
        const SavedGame again =
            readSavedGame(app.database().query("SELECT stato FROM salvataggio").at(0, 0).text());
        EXPECT_EQ(writeSavedGame(withControls(again, keptGame.window.looks.size())),
                  writeSavedGame(keptGame));
    }
}

TEST(SavedGameRecordTest, TheFieldsCopyHasTheColumnsOfBothTablesItKeeps) {
    EXPECT_EQ(gameTableColumns("torneo"),
              (std::vector<std::string>{"cognome", "nome", "tavolo", "punti", "eliminato",
                                        "nazionalita"}));
    EXPECT_EQ(gameTableColumns("classifica"), gameTableColumns("torneo"));
}

}  // namespace
}  // namespace zelvaro

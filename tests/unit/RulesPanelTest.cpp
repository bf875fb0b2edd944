// The rules panel, the credits, and the stored number each menu action moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "front/OptionsPanel.h"
#include "front/RulesPanel.h"
#include "store/Database.h"
#include "store/Nummag.h"
#include "tests/unit/FrontPanelsFixture.h"
#include "tests/unit/TestDatabase.h"

namespace zelvaro::paneltest {
namespace {

namespace fs = std::filesystem;

using testsupport::TempFolder;

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// ---------------------------------------------------------------------------------------
// The stored number moved by the menu actions

class MenuNummagTest : public StoredDatabase {
protected:
    // Runs `action` and checks the stored number moved by one draw times `factor`, wrapped.
    void expectMovedBy(float factor, const std::function<void()>& action) {
        db().execute("UPDATE temp SET numero1='26000'WHERE descrizione= 'nummag'");
        Random preview = random;
        const double draw = preview.next();
        const double before = readNummag(db());
        const std::uint64_t drawsBefore = random.drawsMade();
        action();
        const double after = readNummag(db());
        EXPECT_EQ(random.drawsMade(), drawsBefore + 1);
        const double delta = after >= before ? after - before : after + 27000 - before;
        EXPECT_GE(delta, 0.0);
        EXPECT_LT(delta, factor);
        EXPECT_NEAR(delta, static_cast<double>(static_cast<float>(draw) * factor), 0.01);
        EXPECT_GT(after, 0.0);
        EXPECT_LE(after, 27000.0);
    }
};

TEST_F(MenuNummagTest, EachMenuActionMovesTheNumberByItsOwnFactor) {
    OptionsPanel options(surface, db(), random, menu);
    RulesPanel rules(surface, db(), random, menu, folder());
    // Several rounds, so that a wrong factor cannot hide behind one lucky draw.
    for (int round = 0; round < 8; ++round) {
        expectMovedBy(3000, [&] { options.rejectOptions(); });
        expectMovedBy(2458, [&] { rules.showRules(); });
        expectMovedBy(4790, [&] { rules.closeRules(); });
        expectMovedBy(2458, [&] { rules.showCredits(); });
    }
}

TEST_F(MenuNummagTest, AcceptAndOpenLeaveTheNumberAlone) {
    OptionsPanel options(surface, db(), random, menu);
    options.populate();
    const double before = readNummag(db());
    options.openOptions();
    options.acceptOptions();
    EXPECT_EQ(readNummag(db()), before);
    EXPECT_EQ(random.drawsMade(), 0U);
}

// ---------------------------------------------------------------------------------------
// Rules and credits

class RulesPanelTest : public StoredDatabase {
protected:
    void SetUp() override {
        StoredDatabase::SetUp();
        workFolder_ = std::make_unique<TempFolder>();
        programFolder = workFolder_->path() / "program";
        currentFolder = workFolder_->path() / "current";
        fs::create_directories(programFolder);
        fs::create_directories(currentFolder);
        savedCurrent_ = fs::current_path();
        fs::current_path(currentFolder);
    }
    void TearDown() override { fs::current_path(savedCurrent_); }

    std::string shownRules() {
        rules.showRules();
        return surface.caption(ctl::Label16);
    }

    fs::path programFolder, currentFolder;
    RulesPanel rules{surface, db(), random, menu, fs::path()};

private:
    std::unique_ptr<TempFolder> workFolder_;
    fs::path savedCurrent_;
};

TEST_F(RulesPanelTest, EveryLineEndsWithALineFeedIncludingAnUnterminatedLastOne) {
    writeFile(currentFolder / "regolamento.txt", "Prima riga\nSeconda riga\nUltima senza a capo");
    EXPECT_EQ(shownRules(), "Prima riga\nSeconda riga\nUltima senza a capo\n");
}

TEST_F(RulesPanelTest, TerminatedLastLineGivesNoExtraEmptyLine) {
    writeFile(currentFolder / "regolamento.txt", "Uno\n\nDue\n");
    EXPECT_EQ(shownRules(), "Uno\n\nDue\n");
}

TEST_F(RulesPanelTest, WindowsLineEndsShowNoCarriageReturn) {
    writeFile(currentFolder / "regolamento.txt", "Uno\r\nDue è qui\r\n");
    EXPECT_EQ(shownRules(), "Uno\nDue è qui\n");
}

TEST_F(RulesPanelTest, EmptyFileLeavesThePanelEmpty) {
    writeFile(currentFolder / "regolamento.txt", "");
    surface.setCaption(ctl::Label16, "left over");
    EXPECT_EQ(shownRules(), "");
    EXPECT_TRUE(surface.visible(ctl::Frame2));
}

TEST_F(RulesPanelTest, AHugeFileShowsItsFirstPartAndSaysItWasCut) {
    // Five megabytes of accented lines, and one line of two megabytes with no line end.
    std::string lines;
    while (lines.size() < 5 * 1024 * 1024) lines += "Regola più lunga del solito, è così.\n";
    for (const std::string& text : {lines, std::string(2 * 1024 * 1024, 'x')}) {
        writeFile(currentFolder / "regolamento.txt", text);
        const std::string shown = shownRules();
        const std::string note =
            "\n[...]\nIl regolamento è troppo lungo: ne è mostrata solo la prima parte.\n";
        ASSERT_GT(shown.size(), note.size());
        EXPECT_LE(shown.size(), 64 * 1024 + note.size());
        EXPECT_GE(shown.size(), 63 * 1024);
        const std::string start = shown.substr(0, shown.size() - note.size());
        EXPECT_EQ(shown.substr(start.size()), note);
        EXPECT_EQ(text.compare(0, start.size(), start), 0);
        // Cut between characters, never inside one.
        EXPECT_NE(static_cast<unsigned char>(text[start.size()]) & 0xC0, 0x80);
        rules.closeRules();
    }
}

TEST_F(RulesPanelTest, OpeningTwiceShowsTheTextOnce) {
    writeFile(currentFolder / "regolamento.txt", "Regola unica\n");
    shownRules();
    rules.closeRules();
    EXPECT_EQ(shownRules(), "Regola unica\n");
}

TEST_F(RulesPanelTest, TextIsReadAgainAtEveryOpening) {
    writeFile(currentFolder / "regolamento.txt", "Vecchia\n");
    shownRules();
    rules.closeRules();
    writeFile(currentFolder / "regolamento.txt", "Nuova\n");
    EXPECT_EQ(shownRules(), "Nuova\n");
}

TEST_F(RulesPanelTest, ProgramFolderIsTheFallbackAndTheCurrentFolderComesFirst) {
    RulesPanel fromProgram(surface, db(), random, menu, programFolder);
    writeFile(programFolder / "regolamento.txt", "Dal programma\n");
    fromProgram.showRules();
    EXPECT_EQ(surface.caption(ctl::Label16), "Dal programma\n");

    writeFile(currentFolder / "regolamento.txt", "Dalla cartella corrente\n");
    fromProgram.showRules();
    EXPECT_EQ(surface.caption(ctl::Label16), "Dalla cartella corrente\n");
}

TEST_F(RulesPanelTest, MissingFileIsSaidInOneSentence) {
    RulesPanel fromProgram(surface, db(), random, menu, programFolder);
    fromProgram.showRules();
    EXPECT_EQ(surface.caption(ctl::Label16), "Il file regolamento.txt non è stato trovato.");
    EXPECT_TRUE(surface.visible(ctl::Frame2));
    EXPECT_TRUE(surface.messages().empty());
}

TEST_F(RulesPanelTest, MenuIsLockedWhileTheRulesAreOpen) {
    writeFile(currentFolder / "regolamento.txt", "x\n");
    rules.showRules();
    EXPECT_TRUE(menuIs(surface, false));
    EXPECT_TRUE(surface.visible(ctl::Frame2));
    rules.closeRules();
    EXPECT_TRUE(menuIs(surface, true));
    EXPECT_FALSE(surface.visible(ctl::Frame2));
}

TEST_F(RulesPanelTest, CreditsLockTheMenuOnlyWhileTheMessageIsUp) {
    rules.showCredits();
    ASSERT_EQ(surface.messages().size(), 1U);
    EXPECT_EQ(surface.menuEnabledDuringMessage, std::vector<bool>{false});
    EXPECT_EQ(surface.messages()[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(menuIs(surface, true));
}

TEST_F(RulesPanelTest, CreditsAreThreeLinesNamingTheGame) {
    rules.showCredits();
    ASSERT_EQ(surface.messages().size(), 1U);
    const std::string& text = surface.messages()[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.find("Zelvaro"), std::string::npos);
    EXPECT_EQ(text.find("http"), std::string::npos);
    EXPECT_EQ(text.find('@'), std::string::npos);
}

}  // namespace
}  // namespace zelvaro::paneltest

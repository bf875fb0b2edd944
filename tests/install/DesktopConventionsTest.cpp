// The desktop's conventions in an installed tree: the software centre's page (metainfo), the
// manual page and the desktop entry lie where the desktop looks for them and agree with the
// program, which answers --help and --version on a terminal with no display.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "tests/install/InstallSupport.h"

namespace zelvaro::installtest {
namespace {

const char* const kMetainfo = "share/metainfo/zelvaro.metainfo.xml";
const char* const kManualPage = "share/man/man6/zelvaro.6";
const char* const kDesktopEntry = "share/applications/zelvaro.desktop";

// The first group of the first match of `pattern` in `text`, or "" when there is none.
std::string firstMatch(const std::string& text, const std::string& pattern) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : std::string();
}

class InstalledDesktopFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(prefix_.empty()) << "cmake --install failed";
        ASSERT_FALSE(version_.empty()) << "no project version in the build's cache";
    }
    std::string installed(const std::string& file) const { return readBytes(prefix_ / file); }

    struct Answer {
        int status;
        std::string out, err;
        bool started;  // the game made its data folder
    };
    // The installed program run as a player would from a terminal with no display at all, in
    // a home of its own.
    Answer answer(const std::string& arguments) const {
        const TempFolder home;
        const fs::path err = home.path() / "err.txt";
        const Output out = capture(
            "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= HOME=" + quoted(home.path()) +
            " XDG_DATA_HOME=" + quoted(home.path() / "data") + " " +
            quoted(prefix_ / "bin/zelvaro") + " " + arguments + " 2> " + quoted(err));
        return {out.status, out.text, readBytes(err), fs::exists(home.path() / "data/Zelvaro")};
    }

    const fs::path prefix_ = installedTree();
    const std::string version_ = projectVersion();
};

TEST_F(InstalledDesktopFiles, EachFileLiesWhereTheDesktopLooksForItWithTheBuildsValuesWrittenIn) {
    const std::pair<std::string, std::string> rows[] = {
        {kDesktopEntry, "[Desktop Entry]\n"},
        {kMetainfo, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"},
        {kManualPage, ".\\\" "},
        {"share/doc/zelvaro/copyright", "Format: "},
        {"share/doc/zelvaro/changelog", "zelvaro (" + version_ + ") "},
    };
    for (const auto& [file, opening] : rows) {
        const std::string text = installed(file);
        EXPECT_TRUE(text.starts_with(opening)) << file << ": " << text.substr(0, 60);
        EXPECT_FALSE(std::regex_search(text, std::regex("@[A-Z_]+@"))) << file << ": unwritten";
    }
}

// appstreamcli lets through only that the id is not a reversed domain name: the game has
// none, and its id follows the desktop entry's name. It also demands the name, summary,
// description and metadata licence; the rest a software centre shows is looked for here.
TEST_F(InstalledDesktopFiles, TheMetainfoIsValidAndNamesTheInstalledEntryProgramAndVersion) {
    if (hasCommand("appstreamcli")) {
        const Output report = capture(
            "appstreamcli validate-tree --no-net --no-color "
            "--override=cid-desktopapp-is-not-rdns=info " +
            quoted(prefix_) + " 2>&1");
        EXPECT_EQ(report.status, 0) << report.text;
        EXPECT_NE(report.text.find("zelvaro.metainfo.xml"), std::string::npos) << report.text;
    }
    const std::string metainfo = installed(kMetainfo);
    EXPECT_EQ(
        missing(metainfo, {"<component type=\"desktop-application\">", "<project_license>",
                           "<summary xml:lang=\"it\">", "<p xml:lang=\"it\">", "<developer_name>",
                           "<category>Game</category>", "<category>CardGame</category>",
                           "<content_rating type=\"oars-1.1\""}),
        "");
    // The id names the page's own file and the desktop entry; the binary is the program.
    const std::string id = firstMatch(metainfo, "<id>([^<]*)</id>");
    EXPECT_EQ(id + ".metainfo.xml", fs::path(kMetainfo).filename());
    EXPECT_EQ(firstMatch(metainfo, "<launchable type=\"desktop-id\">([^<]*)<"), id + ".desktop");
    const std::string binary = firstMatch(metainfo, "<binary>([^<]*)</binary>");
    EXPECT_EQ(::access((prefix_ / "bin" / binary).c_str(), X_OK), 0) << binary;
    // The newest release is this build's version, released the day the manual page names.
    EXPECT_EQ(firstMatch(metainfo, "<release version=\"([^\"]*)\""), version_);
    const std::string day = firstMatch(metainfo, "<release version=\"[^\"]*\" date=\"([^\"]*)\"");
    EXPECT_TRUE(std::regex_match(day, std::regex("[0-9]{4}-[0-9]{2}-[0-9]{2}"))) << day;
    EXPECT_EQ(firstMatch(installed(kManualPage), "\n\\.TH ZELVARO 6 \"([^\"]*)\""), day);
}

TEST_F(InstalledDesktopFiles, TheDesktopEntryFindsTheGameByItsKeywordsInBothLanguages) {
    const std::string entry = installed(kDesktopEntry);
    const std::pair<std::string, std::vector<std::string>> rows[] = {
        {"Keywords", {";card;", ";game;", ";tournament;", ";carte;", ";gioco;", ";torneo;"}},
        {"Keywords\\[it\\]", {";carte;", ";gioco;", ";torneo;"}},
    };
    for (const auto& [key, words] : rows) {
        std::string list = ";";  // so that every word has a ';' before it too
        list += firstMatch(entry, "\n" + key + "=([^\n]*)");
        EXPECT_EQ(missing(list, words), "") << key;
    }
}

// groff's warnings, all of them (lintian's test adds man's own); then the sections a reader
// looks for, NAME in the form whatis reads, where the data lies, every option and the statuses
// the program ends with.
TEST_F(InstalledDesktopFiles, TheManualPageRendersWithoutWarnings) {
    if (!hasCommand("groff")) GTEST_SKIP() << "groff (package groff-base) is missing";
    const std::string page = quoted(prefix_ / kManualPage);
    const Output warnings = capture("groff -man -ww -z " + page + " 2>&1");
    EXPECT_EQ(warnings.status, 0);
    EXPECT_EQ(warnings.text, "");
    const std::string text =
        capture("groff -man -rLL=400n -rHY=0 -Tascii -P-cbou " + page + " 2> /dev/null").text;
    EXPECT_EQ(
        missing(text, {"\nNAME\n", "\nSYNOPSIS\n", "\nDESCRIPTION\n", "\nOPTIONS\n", "\nFILES\n",
                       "\n       zelvaro - ", "zelvaro.mdb", "~/.local/share/Zelvaro/zelvaro.mdb",
                       "regolamento.txt", "carte/", " -h", " --help", " -v", " --version"}),
        "");
    EXPECT_EQ(missing(text.substr(std::min(text.find("\nEXIT STATUS\n"), text.size())),
                      {"\n       0 ", "\n       2 "}),
              "");
}

// Every option is answered without the window, which would stop with no display, and without
// starting the game, which would make its data folder.
TEST_F(InstalledDesktopFiles, EveryOptionIsAnsweredWithoutADisplayAndDocumented) {
    const std::string usage = "Uso: zelvaro [--help | --version]";
    const std::string version = "zelvaro " + version_;
    const std::string unknown = "zelvaro: opzione non riconosciuta ";
    struct Row {
        std::string arguments;
        int status;
        std::string out;  // the first line on standard output, "" for none at all
        std::string err;  // the first line on standard error, followed by the usage
    };
    const Row rows[] = {
        {"--version", 0, version, ""},
        {"--help", 0, usage, ""},
        {"-v --help", 0, version, ""},  // the first answer wins
        {"-h --version", 0, usage, ""},
        {"-platform offscreen --version", 0, version, ""},  // a Qt option and its value pass
        {"--version -x", 2, "", unknown + "\"-x\""},
        {"--help=all", 2, "", unknown + "\"--help=all\""},
        {"partita", 2, "", "zelvaro: argomento inatteso \"partita\""},
        {"-style", 2, "", "zelvaro: l'opzione \"-style\" richiede un valore"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        const Answer got = answer(row.arguments);
        EXPECT_EQ(got.status, row.status);
        EXPECT_EQ(row.out.empty() ? got.out : got.out.substr(0, got.out.find('\n')), row.out);
        EXPECT_EQ(row.err.empty() ? got.err : got.err.substr(0, got.err.find('\n')), row.err);
        EXPECT_TRUE(row.err.empty() || got.err.find("\n" + usage + "\n") != std::string::npos)
            << got.err;
        EXPECT_FALSE(got.started) << "the game started";
    }
    // The help also tells where the database is kept.
    EXPECT_EQ(missing(answer("--help").out,
                      {" -h", " --help", " -v", " --version", "zelvaro.mdb", "accanto al programma",
                       "~/.local/share/Zelvaro", "$XDG_DATA_HOME/Zelvaro", "gioco di carte"}),
              "");
}

}  // namespace
}  // namespace zelvaro::installtest

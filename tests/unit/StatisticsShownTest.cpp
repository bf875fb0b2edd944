// What the statistics panel shows of a record: its tables, the tournament places of a kind,
// the dates of the best places, what was played against the experts; and where its arrows go
// among the profiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "front/StatisticsPanel.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "store/StatisticsStore.h"
#include "tests/unit/TestDatabase.h"
#include "tests/unit/TournamentFixture.h"

namespace zelvaro {
namespace {

// The cell of a panel table under `column`, in the row whose second cell is `second`.
std::string cellOf(const Surface::Rows& table, const std::string& second,
                   const std::string& column) {
    const std::vector<std::string>& header = table.at(0);
    const auto at = std::find(header.begin(), header.end(), column) - header.begin();
    for (const std::vector<std::string>& cells : table) {
        if (cells.size() == header.size() && cells[1] == second) return cells.at(at);
    }
    return "no row " + second;
}

TEST(StatisticsShownTest, PanelTablesShowTheMostPlayedAndCountTheRest) {
    // The header, the eight most played, and those left out in one line.
    const struct {
        int types;
        const char* lastShown;
        const char* more;  // the table's last line
    } rows[] = {{10, "Tipo 3", "e altri 2"}, {9, "Tipo 2", "e un altro"}, {8, "Tipo 1", nullptr}};
    for (const auto& row : rows) {
        ProfileStatistics stats;
        for (int i = 1; i <= row.types; ++i)
            stats.games.push_back({"Tipo " + std::to_string(i), i});
        const Surface::Rows table = statisticsTexts(stats).games;
        ASSERT_EQ(table.size(), row.more ? 10U : 9U) << row.types;
        EXPECT_EQ(table[1].at(0), "Tipo " + std::to_string(row.types)) << row.types;
        EXPECT_EQ(table[8].at(0), row.lastShown) << row.types;
        if (row.more) {
            EXPECT_EQ(table[9], std::vector<std::string>{row.more});
        }
    }
}

// After every tournament its kind's "last" is its place and "best" the best of the kind so
// far, whichever came first, in the record and on the panel; the summary's is the best of all.
TEST(StatisticsShownTest, LastAndBestPlaceFollowEveryTournamentOfTheirKind) {
    testsupport::SeededDatabase record;
    record.db.appendRow("giocatori", {{"cognome", "Ferri"}, {"nome", "Giulia"}, {"profilo", "1"}});
    const struct {
        const char* limit;
        int place;
    } run[] = {{"Senza Limite", 412}, {"Senza Limite", 37},   {"Limite 10 Mani", 5},
               {"Senza Limite", 230}, {"Limite 10 Mani", 64}, {"Senza Limite", 12}};
    std::map<std::string, std::vector<int>> places;  // by kind, oldest first
    for (const auto& t : run) {
        recordTournament(record.db,
                         {"Ferri", "Giulia", "50 Punti", t.limit, t.place, 1536, 4, false, 250});
        places[t.limit].push_back(t.place);
        const ProfileStatistics stats = readStatistics(record.db, "Ferri", "Giulia");
        const StatisticsTexts texts = statisticsTexts(stats);
        int bestOfAll = 1536;
        for (const auto& [limit, kind] : places) {
            SCOPED_TRACE(limit + " after " + std::to_string(t.place));
            const int best = *std::min_element(kind.begin(), kind.end());
            bestOfAll = std::min(bestOfAll, best);
            const auto figures =
                std::find_if(stats.tournaments.begin(), stats.tournaments.end(),
                             [&](const TournamentFigures& f) { return f.limite == limit; });
            ASSERT_NE(figures, stats.tournaments.end());
            EXPECT_EQ(std::make_pair(figures->lastPlace, figures->bestPlace),
                      std::make_pair(kind.back(), best));
            EXPECT_EQ(cellOf(texts.tournaments, limit, "Ultimo"),
                      std::to_string(kind.back()) + "\u00b0");
            EXPECT_EQ(cellOf(texts.tournaments, limit, "Migliore"),
                      std::to_string(best) + "\u00b0");
        }
        EXPECT_NE(
            texts.summary.find("miglior piazzamento " + std::to_string(bestOfAll) + "\u00b0,"),
            std::string::npos)
            << texts.summary;
    }
}

// Every date on the panel reads day, month, year, as an Italian writes it; the days are past
// the 12th, so that none could pass for a month.
TEST(StatisticsShownTest, EveryDateShownReadsDayThenMonth) {
    ProfileStatistics stats;
    for (const char* when : {"2025-03-17 21:04:37", "2024-12-31 09:00:00", "2023-11-28 23:59:59",
                             "2025-01-13 08:30:00"}) {
        const int place = static_cast<int>(stats.recentTournaments.size()) + 1;
        stats.recentTournaments.push_back({when, "50 Punti", "Senza Limite", place, 1536, 200, 3});
    }
    const std::string line = statisticsTexts(stats).bestPlaces;
    std::vector<std::string> shown, want;
    for (auto at = line.find(" il "); at != std::string::npos; at = line.find(" il ", at + 1)) {
        shown.push_back(line.substr(at + 4, 10));
    }
    // The best three places are the first three entries.
    for (std::size_t i = 0; i < 3; ++i) {
        int year = 0, month = 0, day = 0;
        std::sscanf(stats.recentTournaments[i].when.c_str(), "%d-%d-%d", &year, &month, &day);
        char date[16];
        std::snprintf(date, sizeof date, "%02d/%02d/%d", day, month, year);
        want.push_back(date);
    }
    EXPECT_EQ(shown, want) << line;
}

TEST(StatisticsShownTest, TheSummaryCountsWhatWasPlayedAgainstTheExpertsOnceThereIsAny) {
    const struct {
        ExpertFigures experts;
        const char* shown;  // nullptr: no word of them
    } rows[] = {
        {{}, nullptr},
        {{1, 1, 0, 0}, "Contro gli Esperti: 1 partita, 1 vinta"},
        {{4, 0, 2, 1}, "Contro gli Esperti: 4 partite, 0 vinte, 2 tornei, 1 vinto"},
        {{0, 0, 1, 0}, "Contro gli Esperti: 0 partite, 0 vinte, 1 torneo, 0 vinti"},
    };
    for (const auto& row : rows) {
        ProfileStatistics stats;
        stats.games.push_back({.punteggio = "50 Punti", .played = 6, .won = 2});
        stats.againstExperts = row.experts;
        const std::string summary = statisticsTexts(stats).summary;
        SCOPED_TRACE(summary);
        EXPECT_NE(summary.find("Partite singole: 6 giocate, 2 vinte"), std::string::npos);
        if (row.shown == nullptr) {
            EXPECT_EQ(summary.find("Esperti"), std::string::npos);
        } else {
            EXPECT_TRUE(summary.ends_with(row.shown));
        }
    }
}

// The arrows go round the profiles in the list's order: "<" on the first shows the last, ">"
// on the last the first. With one profile there is nowhere to go and both are off.
TEST(StatisticsShownTest, TheArrowsGoRoundTheProfilesFromEitherEnd) {
    testsupport::TempFolder folder;
    MemorySurface surface;
    ZelvaroApp app(surface, folder.path());
    ASSERT_TRUE(app.startUp());
    const auto addProfile = [&app](const char* surname) {
        app.database().appendRow("giocatori",
                                 {{"cognome", surname}, {"nome", "Ugo"}, {"profilo", "1"}});
    };
    addProfile("Ferri");
    app.click(ctl::MenuStatistics);
    ASSERT_TRUE(surface.visible(ctl::StatisticsFrame));
    EXPECT_FALSE(surface.enabled(ctl::PreviousProfile) || surface.enabled(ctl::NextProfile));
    app.click(ctl::CloseStatistics);

    addProfile("Sala");
    addProfile("Bruni");
    const std::vector<std::string> listed{"Bruni Ugo", "Ferri Ugo", "Sala Ugo"};
    const int n = static_cast<int>(listed.size());
    for (const int step : {1, -1}) {
        app.click(ctl::MenuStatistics);  // on the first
        for (int i = 0; i <= 2 * n; ++i) {
            EXPECT_EQ(surface.caption(ctl::StatisticsProfile), listed[((i * step) % n + n) % n])
                << step << " " << i;
            app.click(step > 0 ? ctl::NextProfile : ctl::PreviousProfile);
        }
        app.click(ctl::CloseStatistics);
    }
}

}  // namespace
}  // namespace zelvaro

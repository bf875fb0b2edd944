#include "front/StatisticsPanel.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "engine/GameSession.h"
#include "front/ProfilePanel.h"
#include "primitives/Screen.h"
#include "store/Database.h"
#include "store/StatisticsStore.h"

namespace zelvaro {
namespace {

// The tournament places the chart shows, the newest last.
constexpr std::size_t kChartedTournaments = 20;
constexpr std::size_t kBestPlacesListed = 3;
// Rows a table of the panel shows: the most played first, the rest told in one more line.
constexpr std::size_t kTableRows = 8;

std::string placeText(int place) {
    return std::to_string(place) + "\u00b0";
}

// One decimal with a comma, as an Italian reader writes it: 2,3.
std::string average(long long sum, int count) {
    if (count <= 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(sum) / count);
    std::string s = text;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string percent(int part, int whole) {
    return whole <= 0 ? "0%" : std::to_string((part * 100 + whole / 2) / whole) + "%";
}

// "2025-03-12 21:04:37" -> "12/03/2025"
std::string dayOf(const std::string& when) {
    if (when.size() < 10) return when;
    return when.substr(8, 2) + "/" + when.substr(5, 2) + "/" + when.substr(0, 4);
}

std::string joined(const std::vector<std::string>& cells, const char* separator) {
    std::string line;
    for (const std::string& cell : cells) {
        if (!line.empty()) line += separator;
        line += cell;
    }
    return line;
}

// What he played against the expert level, when he did: "  ·  Contro gli Esperti: 4 partite,
// 1 vinta, 1 torneo, 0 vinti".
std::string expertsOf(const ExpertFigures& f) {
    if (f.gamesPlayed == 0 && f.tournamentsEntered == 0) return "";
    const auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + (n == 1 ? one : many);
    };
    std::string line =
        "  \u00b7  Contro gli Esperti: " + count(f.gamesPlayed, " partita, ", " partite, ") +
        count(f.gamesWon, " vinta", " vinte");
    if (f.tournamentsEntered > 0) {
        line += ", " + count(f.tournamentsEntered, " torneo, ", " tornei, ") +
                count(f.tournamentsWon, " vinto", " vinti");
    }
    return line;
}

std::string summaryOf(const ProfileStatistics& stats) {
    const int played = stats.gamesPlayed();
    const int entered = stats.tournamentsEntered();
    if (played == 0 && entered == 0) {
        return "Nessuna partita e nessun torneo conclusi finora con questo profilo.";
    }
    std::string games =
        "Partite singole: " + std::to_string(played) + (played == 1 ? " giocata, " : " giocate, ") +
        std::to_string(stats.gamesWon()) + (stats.gamesWon() == 1 ? " vinta (" : " vinte (") +
        percent(stats.gamesWon(), played) + ")";
    std::string tournaments =
        "Tornei: " + std::to_string(entered) + (entered == 1 ? " disputato" : " disputati");
    if (entered > 0) {
        const int finals = stats.finalsReached();
        tournaments += ", miglior piazzamento " + placeText(stats.bestTournamentPlace()) + ", " +
                       std::to_string(finals) + (finals == 1 ? " finale, " : " finali, ") +
                       std::to_string(stats.tournamentsWon()) +
                       (stats.tournamentsWon() == 1 ? " vinto" : " vinti");
    }
    return games + "  \u00b7  " + tournaments + expertsOf(stats.againstExperts);
}

// A table of `all` under `header`: the most played first (by `count`), as many as the table
// shows, each row made by `row`, and a last row for those left out.
template <typename Figures, typename Count, typename MakeRow>
Surface::Rows mostPlayed(std::vector<std::string> header, std::vector<Figures> all, Count count,
                         MakeRow row) {
    std::stable_sort(all.begin(), all.end(),
                     [&](const Figures& a, const Figures& b) { return count(a) > count(b); });
    Surface::Rows table{std::move(header)};
    for (std::size_t i = 0; i < all.size() && i < kTableRows; ++i) table.push_back(row(all[i]));
    if (all.size() > kTableRows) {
        const std::size_t left = all.size() - kTableRows;
        table.push_back({left == 1 ? "e un altro" : "e altri " + std::to_string(left)});
    }
    return table;
}

Surface::Rows gamesTable(const ProfileStatistics& stats) {
    return mostPlayed(
        {"Tipo", "Giocate", "Vinte", "Posti 1\u00b0-6\u00b0", "Posto medio", "Punti migliori",
         "Punti medi", "Serie", "Serie record"},
        stats.games, [](const GameTypeFigures& f) { return f.played; },
        [](const GameTypeFigures& g) -> std::vector<std::string> {
            std::vector<std::string> places;
            for (int count : g.places) places.push_back(std::to_string(count));
            return {g.punteggio,
                    std::to_string(g.played),
                    std::to_string(g.won),
                    joined(places, " "),
                    average(g.placeSum, g.played),
                    std::to_string(g.bestScore),
                    average(g.scoreSum, g.played),
                    std::to_string(g.streak),
                    std::to_string(g.longestStreak)};
        });
}

Surface::Rows tournamentsTable(const ProfileStatistics& stats) {
    return mostPlayed(
        {"Torneo", "Limite", "Disputati", "Turno max", "Ultimo", "Migliore", "Medio", "Finali",
         "Vinti"},
        stats.tournaments, [](const TournamentFigures& f) { return f.entered; },
        [](const TournamentFigures& t) -> std::vector<std::string> {
            return {t.punteggio,
                    t.limite,
                    std::to_string(t.entered),
                    std::to_string(t.bestRound),
                    placeText(t.lastPlace),
                    placeText(t.bestPlace),
                    average(t.placeSum, t.entered),
                    std::to_string(t.finals),
                    std::to_string(t.won)};
        });
}

std::string bestPlacesOf(const ProfileStatistics& stats) {
    std::vector<HistoryEntry> best = stats.recentTournaments;
    if (best.empty()) return "";
    // The best places first; of two alike the newer first, as the list holds them.
    std::stable_sort(best.begin(), best.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        return a.place < b.place;
    });
    best.resize(std::min(best.size(), kBestPlacesListed));
    std::vector<std::string> items;
    for (const HistoryEntry& entry : best) {
        items.push_back(placeText(entry.place) + " il " + dayOf(entry.when) + " (" +
                        entry.punteggio + ")");
    }
    return "Migliori piazzamenti: " + joined(items, "  \u00b7  ");
}

std::string chartOf(const ProfileStatistics& stats) {
    const std::size_t shown = std::min(stats.recentTournaments.size(), kChartedTournaments);
    std::vector<std::string> places;
    for (std::size_t i = shown; i-- > 0;)
        places.push_back(std::to_string(stats.recentTournaments[i].place));
    return joined(places, " ");
}

}  // namespace

StatisticsTexts statisticsTexts(const ProfileStatistics& stats) {
    return {summaryOf(stats), gamesTable(stats), tournamentsTable(stats), bestPlacesOf(stats),
            chartOf(stats)};
}

bool StatisticsPanel::menuIsFree() const {
    // "Statistiche" opens only on the bare menu.
    return surface_.enabled(ctl::Label2) && surface_.windowEnabled() &&
           shownScreen(surface_) == Screen::Menu;
}

void StatisticsPanel::openFromMenu() {
    if (!menuIsFree()) return;
    fromMenu_ = true;
    for (Control label : kMenuLabels) surface_.setEnabled(label, false);
    // The profile of the last game, when there was one.
    open({session_.humanprofile.cognome, session_.humanprofile.nome});
}

void StatisticsPanel::openFromProfiles() {
    if (!surface_.visible(ctl::Frame3) || surface_.visible(ctl::StatisticsFrame)) return;
    fromMenu_ = false;
    PlayerProfile shown;
    open(profiles_.loadShownProfile(shown) ? Name{shown.cognome, shown.nome} : Name{});
}

void StatisticsPanel::open(const Name& first) {
    listed_.clear();
    shown_ = 0;
    const ResultSet rows = db_.query(
        "SELECT cognome, nome FROM giocatori where profilo='1' order by cognome asc,nome asc ");
    for (int r = 0; r < rows.rows(); ++r) {
        listed_.emplace_back(rows.at(0, r).text(), rows.at(1, r).text());
        if (listed_.back() == first) shown_ = listed_.size() - 1;
    }
    showProfile();
    surface_.setVisible(ctl::StatisticsFrame, true);
}

void StatisticsPanel::showProfile() {
    const bool any = !listed_.empty();
    for (Control arrow : {ctl::PreviousProfile, ctl::NextProfile})
        surface_.setEnabled(arrow, listed_.size() > 1);
    surface_.setEnabled(ctl::ResetStatistics, any);
    if (!any) {
        surface_.setCaption(ctl::StatisticsProfile, "Nessun profilo");
        surface_.setCaption(ctl::StatisticsSummary,
                            "Crea un profilo per raccogliere le sue statistiche.");
        for (Control c : {ctl::BestPlaces, ctl::PlaceChart}) surface_.setCaption(c, "");
        for (Control c : {ctl::GameTypesTable, ctl::TournamentsTable}) surface_.setRows(c, {});
        return;
    }
    const Name& name = listed_[shown_];
    const StatisticsTexts texts = statisticsTexts(readStatistics(db_, name.first, name.second));
    surface_.setCaption(ctl::StatisticsProfile, name.first + " " + name.second);
    surface_.setCaption(ctl::StatisticsSummary, texts.summary);
    surface_.setRows(ctl::GameTypesTable, texts.games);
    surface_.setRows(ctl::TournamentsTable, texts.tournaments);
    surface_.setCaption(ctl::BestPlaces, texts.bestPlaces);
    surface_.setCaption(ctl::PlaceChart, texts.chart);
}

void StatisticsPanel::previousProfile() {
    if (listed_.empty() || !surface_.visible(ctl::StatisticsFrame)) return;
    shown_ = (shown_ + listed_.size() - 1) % listed_.size();
    showProfile();
}

void StatisticsPanel::nextProfile() {
    if (listed_.empty() || !surface_.visible(ctl::StatisticsFrame)) return;
    shown_ = (shown_ + 1) % listed_.size();
    showProfile();
}

void StatisticsPanel::resetStatistics() {
    if (listed_.empty() || !surface_.visible(ctl::StatisticsFrame)) return;
    if (surface_.showMessage("Vuoi davvero azzerare le statistiche di questo profilo?",
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    clearStatistics(db_, listed_[shown_].first, listed_[shown_].second);
    showProfile();
}

void StatisticsPanel::closePanel() {
    if (!surface_.visible(ctl::StatisticsFrame)) return;
    surface_.setVisible(ctl::StatisticsFrame, false);
    if (fromMenu_) {
        for (Control label : kMenuLabels) surface_.setEnabled(label, true);
    }
}

void StatisticsPanel::mouseMoved(Control over) {
    const auto light = [this](Control lit, std::initializer_list<Control> others) {
        if (!(lit == ctl::Form1)) surface_.setForeColor(lit, kHighlightColor);
        for (Control c : others) surface_.setForeColor(c, kButtonTextColor);
    };
    if (over == ctl::MenuStatistics) {
        light(ctl::MenuStatistics,
              {ctl::Label2, ctl::Label3, ctl::Label10, ctl::Label15, ctl::Label20, ctl::Label35});
    } else if (over == ctl::Form1 ||
               std::find(kMenuLabels.begin(), kMenuLabels.end(), over) != kMenuLabels.end()) {
        surface_.setForeColor(ctl::MenuStatistics, kButtonTextColor);
    } else if (over == ctl::StatisticsFrame) {
        light(ctl::Form1, {ctl::ResetStatistics, ctl::CloseStatistics});
    } else if (over == ctl::ResetStatistics) {
        light(ctl::ResetStatistics, {ctl::CloseStatistics});
    } else if (over == ctl::CloseStatistics) {
        light(ctl::CloseStatistics, {ctl::ResetStatistics});
    } else if (over == ctl::ProfileStatisticsButton) {
        light(ctl::ProfileStatisticsButton, {});
    } else if (over == ctl::Frame3 || over == ctl::Frame4) {
        surface_.setForeColor(ctl::ProfileStatisticsButton, kButtonTextColor);
    }
}

}  // namespace zelvaro

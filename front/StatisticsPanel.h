// The statistics panel (Frame7): one user profile's record, reached from the main menu
// ("Statistiche", Label65) and from the profile panel (Label66); its own arrows go through
// the user's profiles, "Azzera" clears the record shown after a question, "Indietro" closes.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class GameSession;
class ProfilePanel;
struct ProfileStatistics;

// The texts the panel shows for a record; the tables as rows of cells, the header first and
// those left out told in a last row of one cell; and the chart as the places of the last
// tournaments, oldest first.
struct StatisticsTexts {
    std::string summary;
    Surface::Rows games;
    Surface::Rows tournaments;
    std::string bestPlaces;
    std::string chart;
};
StatisticsTexts statisticsTexts(const ProfileStatistics& stats);

class StatisticsPanel {
public:
    StatisticsPanel(Surface& surface, Database& db, GameSession& session, ProfilePanel& profiles)
        : surface_(surface), db_(db), session_(session), profiles_(profiles) {}

    void openFromMenu();      // Label65, on the bare menu only
    void openFromProfiles();  // Label66 on the profile panel
    void previousProfile();   // Command9
    void nextProfile();       // Command10
    void resetStatistics();   // Label74 "Azzera"
    void closePanel();        // Label75 "Indietro"
    // The hover light of the panel's buttons and of the menu entry.
    void mouseMoved(Control over);

private:
    using Name = std::pair<std::string, std::string>;
    void open(const Name& first);
    void showProfile();
    bool menuIsFree() const;

    Surface& surface_;
    Database& db_;
    GameSession& session_;
    ProfilePanel& profiles_;
    std::vector<Name> listed_;  // the user's profiles, surname and first name
    std::size_t shown_ = 0;
    bool fromMenu_ = false;
};

}  // namespace zelvaro

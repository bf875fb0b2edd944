// The tournament's three rankings: one chosen table and the overall top six on the table
// screen, and the paged full standings screen, which pauses the tournament while it is open.
#pragma once

#include "primitives/Surface.h"

namespace zelvaro {

class Database;
class ResultSet;
class GameSession;
struct Tournament;

inline constexpr int kStandingsRowsPerPage = 20;

class Standings {
public:
    Standings(Surface& surface, Database& db, GameSession& session, Tournament& tournament)
        : surface_(surface), db_(db), session_(session), tournament_(tournament) {}

    // The table shown in Combo7: surnames, points and flags, best first.
    void refreshTableStandings();
    // Combo7 turns to the player's own table, or to table 1 when he is not in the field.
    void showPlayersTable();
    // Whether `table` is the one shown in Combo7.
    bool isShown(int table) const;
    // The shown table is the player's, which changes with every hand he plays.
    bool shownTableIsLive() const { return shownTableIsLive_; }
    // The best six of the whole field, with their tables, and where the player stands
    // (Timer3).
    void refreshOverallTop();

    // The standings screen: "Classifica" opens it with a snapshot of the field on the page
    // that holds the player, his row lit (page 1 while he is not in the field); "|<<", "<<",
    // ">>" and ">>|" turn the pages, never past the first or the last; "Indietro" drops the
    // snapshot and resumes play.
    void openStandings();
    void showStandingsPage();
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void closeStandings();
    // At the end of the player's tournament: the standings opened on his page, his row lit;
    // "Indietro" then leads back to the menu.
    void openFinalStandings();

    // An entrant's points over the whole tournament: what he scored this round plus the goal
    // of every round he has passed.
    int totalPoints(int punti) const;

private:
    void openAt(bool finalView);
    void showPlayersPlace();
    // The player's row in `torneo` (tavolo, punti), empty once he is out of the field.
    ResultSet playersEntry() const;
    int shownPage() const;
    int pageCount() const;
    // Shows `page`, kept between the first page and the last; a page already shown stays.
    void turnTo(int page);
    bool isThePlayer(const ResultSet& rows, int row) const;

    Surface& surface_;
    Database& db_;
    GameSession& session_;
    Tournament& tournament_;
    bool finalView_ = false;
    bool shownTableIsLive_ = false;
};

}  // namespace zelvaro

// What the table panel shows: the display operations the engine and the game start call
// after each change of the table state. They only read the state (the ranking mark aside).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/GameSession.h"
#include "engine/display/PlayerAids.h"
#include "primitives/Surface.h"
#include "rules/Showdown.h"

namespace zelvaro {

class Database;
struct Tournament;

// The picture of a flag, a face, an option value.
std::string flagPicture(const std::string& nation);
std::string facePicture(int foto);
std::string optionPicture(const std::string& optionText);

class TableDisplay {
public:
    TableDisplay(Surface& surface, GameSession& session, Tournament& tournament, Database& db)
        : surface_(surface),
          session_(session),
          tournament_(tournament),
          db_(db),
          aids_(surface, session) {}

    void showHumanPanel();
    void showOpponentPanels();
    void showHands();
    // After a change to one seat's hand only.
    void showHand(int seat);
    void showPrizeCards();
    // Runs on every tick: unchanged scores, unchanged ranking.
    void showTableStandings() {
        if (standingsChanged()) drawTableStandings();
    }
    void showOptionBadges();
    void showRoundHeader();
    // Mouse over one of the five option pictures.
    void showHoverText(Control picture);
    void toggleSpeed();  // Label33
    // "Indietro" (Label18): asks "Vuoi abbandonare la partita? "; confirmQuit leaves on "Sì".
    bool askToLeave();
    void confirmQuit();
    // Back to the menu from the table: its timers off, the table gone.
    void leaveTable();

    // Markers and labels the engine moves from seat to seat. The turn marker blinks at every
    // tick, for a watching player: moving it leaves it as it is, showing it makes it visible
    // there.
    void moveTurnMarkerTo(int seat);
    void showTurnMarkerAt(int seat);
    void blinkTurnMarker();
    void showWinningMarkerAt(int seat);
    void showDecision(int seat, const std::string& text);
    void showLaidCard(int seat, Card card);
    void hideTablePlaces();
    // The pot caption of the table's cards; written again only when it changes.
    void showPot(const PotResult& pot);
    // "Piatto" over the pot at the start of a match, or nothing in the other game types.
    void showPotTitle(const std::string& title);
    // The hand place a change mark stands over, -1 when it is hidden.
    int shownSelectionMark(Control shape) const;
    void showSelectionMark(Control shape, int slot);

    // The last trick, the hints and the turn prompt.
    PlayerAids& aids() { return aids_; }
    // The window was put back as a saved game left it: what was last drawn is not known, so
    // everything is drawn again at its next change.
    void forgetShown();

private:
    Surface& surface_;
    GameSession& session_;
    Tournament& tournament_;
    Database& db_;
    PlayerAids aids_;

    // What a hand's pictures show, four places a word: the human's cards, or for an
    // opponent only which places hold a card. Redrawing an unchanged place is skipped.
    static constexpr int kWordsPerHand = 3;
    using HandLook = std::array<std::uint64_t, kWordsPerHand>;
    HandLook lookOf(int seat) const;
    void showHandOf(int seat);
    std::array<HandLook, kSeats> shownLooks_{};
    bool handsShown_ = false;

    bool standingsChanged() const;
    void drawTableStandings();
    // The seats' scores when the ranking was last written.
    std::array<int, kSeats> shownSeatScores_{};
    bool standingsShown_ = false;

    // What the markers, the table places and the prize area show, so an unchanged one is
    // not set again: the seats where the turn and the winning-card markers stand (-1 for
    // unknown or hidden), the table places that may show a card (every one at first), and
    // the picture strings the two prize cards show.
    int turnMarkerSeat_ = -1;
    int winningMarkerSeat_ = -1;
    unsigned shownTablePlaces_ = (1u << kSeats) - 1;
    std::array<const std::string*, 2> shownPrizePictures_{};
    void showPrizePicture(int place, const std::string& picture);

    // The pot the caption shows, while it shows one.
    PotResult shownPot_{};
    bool potShown_ = false;
};

}  // namespace zelvaro

#include "engine/display/TableDisplay.h"

#include <cstdint>
#include <cstring>

#include "engine/display/TableLayout.h"
#include "primitives/Tournament.h"
#include "rules/CardWords.h"
#include "rules/Rounding.h"
#include "store/Database.h"

namespace zelvaro {
namespace {

// The hand pictures of seats 0 to 5.
constexpr std::array<ControlId, kSeats> kHandPictures{ControlId::Picture2, ControlId::Picture4,
                                                      ControlId::Picture3, ControlId::Picture8,
                                                      ControlId::Picture7, ControlId::Picture5};
// Faces of opponent slots 0 to 4.
constexpr std::array<Control, kSeats - 1> kFacePictures{
    ctl::Picture22, ctl::Picture23, ctl::Picture24, ctl::Picture25, ctl::Picture26};
constexpr std::array<Control, 3> kTimers{ctl::Timer1, ctl::Timer2, ctl::Timer3};

}  // namespace

std::string flagPicture(const std::string& nation) {
    return "bandiere/" + nation + ".jpg";
}
std::string facePicture(int foto) {
    return "immagini/facce/" + std::to_string(foto) + ".jpg";
}
std::string optionPicture(const std::string& optionText) {
    return "immagini/" + optionText + ".jpg";
}

void TableDisplay::showHumanPanel() {
    // A new match: no trick or hand of it has been played yet.
    aids_.hideLastTrick();
    aids_.hideResultLines();
    const PlayerProfile& human = session_.humanprofile;
    surface_.setCaption(ctl::Label4, human.displayName());
    surface_.setPicture(ctl::Image3, flagPicture(human.nazionalita));
    surface_.setCaption(ctl::Label28, human.anno);
    standingsShown_ = false;
    handsShown_ = false;
}

void TableDisplay::showOpponentPanels() {
    // The seats may be other players now: their names under the last trick's cards too.
    for (int seat = 0; seat < kSeats; ++seat) {
        surface_.setCaption(ctl::LastTrickNames[seat], session_.seatstats[seat].surname);
    }
    for (int j = 0; j < kSeats - 1; ++j) {
        const PlayerProfile& opponent = session_.opponents[j];
        surface_.setCaption(ctl::Label6[j], opponent.displayName());
        surface_.setPicture(ctl::Image1[j], flagPicture(opponent.nazionalita));
        surface_.setCaption(ctl::Label5[j], opponent.anno);
        surface_.setWidth(ctl::Label8[j],
                          opponent.aggressivita * 50 + opponent.cambiocarte * 21 + 5);
        surface_.setPicture(kFacePictures[j], facePicture(opponent.foto));
    }
    standingsShown_ = false;
}

TableDisplay::HandLook TableDisplay::lookOf(int seat) const {
    // The human sees the faces; an opponent's places show a back or nothing.
    HandLook look{};
    const Hand& hand = session_.hands[seat];
    static_assert(sizeof look == sizeof hand);
    std::memcpy(look.data(), hand.data(), sizeof look);
    if (seat != kHumanSeat) {
        for (std::uint64_t& word : look) word = cardwords::cardLanes(word & cardwords::kValueBytes);
    }
    return look;
}

void TableDisplay::showHands() {
    for (int seat = 0; seat < kSeats; ++seat) showHandOf(seat);
    handsShown_ = true;
}

void TableDisplay::showHand(int seat) {
    if (!handsShown_) return showHands();
    showHandOf(seat);
}

void TableDisplay::showHandOf(int seat) {
    const HandLook look = lookOf(seat);
    if (handsShown_ && look == shownLooks_[seat]) return;
    for (int w = 0; w < kWordsPerHand; ++w) {
        // Only the places whose lane changed are drawn again.
        std::uint64_t changed = handsShown_ ? look[w] ^ shownLooks_[seat][w] : ~0ull;
        while (changed != 0) {
            const int lane = cardwords::lowestLane(changed);
            changed &= ~(0xFFFFull << (lane * cardwords::kLaneBits));
            const int slot = w * cardwords::kCardsPerWord + lane;
            const Card card = session_.hands[seat][slot];
            const Control picture{kHandPictures[seat], slot};
            if (card.empty()) {
                surface_.setVisible(picture, false);
            } else {
                surface_.setPicture(picture, seat == kHumanSeat ? cardPicture(card) : kCardBack);
                surface_.setVisible(picture, true);
            }
            // The player's cards are named for a screen reader; the backs say nothing.
            if (seat == kHumanSeat && aids_.watched())
                surface_.setDescription(picture, cardName(card));
        }
    }
    shownLooks_[seat] = look;
}

void TableDisplay::showPrizeCards() {
    const std::string& premio = session_.options.premio;
    if (isText(premio, "Nascosto")) {
        showPrizePicture(0, kCardBack);
        showPrizePicture(1, kCardBack);
    } else if (isText(premio, "1 Carta")) {
        showPrizePicture(0, kCardBack);
        showPrizePicture(1, cardPicture(session_.deck[0]));
    } else if (isText(premio, "2 Carte")) {
        showPrizePicture(0, cardPicture(session_.deck[0]));
        showPrizePicture(1, cardPicture(session_.deck[1]));
    }
}

void TableDisplay::showPrizePicture(int place, const std::string& picture) {
    // Card pictures and the back are kept strings: the same string is the same picture.
    if (shownPrizePictures_[place] == &picture) return;
    surface_.setPicture(place == 0 ? ctl::Picture16 : ctl::Picture17, picture);
    shownPrizePictures_[place] = &picture;
}

bool TableDisplay::standingsChanged() const {
    if (!standingsShown_) return true;
    for (int i = 0; i < kSeats; ++i) {
        if (session_.seatstats[i].score != shownSeatScores_[i]) return true;
    }
    return false;
}

void TableDisplay::drawTableStandings() {
    for (int i = 0; i < kSeats; ++i) shownSeatScores_[i] = session_.seatstats[i].score;

    // Selection by score, six times; ties go to the higher seat number.
    std::array<int, kSeats> order{};
    std::array<int, kSeats> scores{};
    for (SeatStats& seat : session_.seatstats) seat.mark = 1;
    for (int rank = 0; rank < kSeats; ++rank) {
        int best = -10000;
        int chosen = -1;
        for (int i = 0; i < kSeats; ++i) {
            const SeatStats& seat = session_.seatstats[i];
            const auto score = static_cast<std::int16_t>(seat.score);
            if (seat.mark != 0 && (score >= best || chosen < 0)) {
                best = score;
                chosen = i;
            }
        }
        session_.seatstats[chosen].mark = 0;
        order[rank] = chosen;
        scores[rank] = best;
    }
    std::string names, points;
    for (int rank = 0; rank < kSeats; ++rank) {
        const SeatStats& seat = session_.seatstats[order[rank]];
        names += seat.surname + "\n";
        points += std::to_string(scores[rank]) + "\n";
        std::string flag = flagPicture(session_.humanprofile.nazionalita);
        for (const PlayerProfile& opponent : session_.opponents) {
            if (opponent.cognome == seat.surname) flag = flagPicture(opponent.nazionalita);
        }
        surface_.setPicture(ctl::Image4[rank], flag);
    }
    surface_.setCaption(ctl::Label31, names);
    surface_.setCaption(ctl::Label32, points);
    standingsShown_ = true;
}

void TableDisplay::showOptionBadges() {
    const MatchOptions& options = session_.options;
    surface_.setPicture(ctl::Picture15, optionPicture(options.tipopartita));
    surface_.setPicture(ctl::Picture18, optionPicture(options.punteggio));
    surface_.setPicture(ctl::Picture20, options.duesuperaasso == "Si"
                                            ? "immagini/Duesuperaasso.jpg"
                                            : "immagini/Duenonsuperaasso.jpg");
    surface_.setPicture(ctl::Picture21, optionPicture(options.premio));
}

void TableDisplay::showRoundHeader() {
    const auto n = static_cast<int>(db_.query("SELECT count(*) FROM torneo").at(0, 0).integer());
    surface_.setCaption(ctl::Label47, std::to_string(tournament_.roundnumber) + "* Turno - " +
                                          std::to_string(n) + " Giocatori - " +
                                          formatNumber(n / 6.0) + " Tavoli");
}

void TableDisplay::showHoverText(Control picture) {
    const MatchOptions& options = session_.options;
    std::string caption;
    int left = surface_.left(picture);
    if (picture == ctl::Picture15) {
        caption = options.tipopartita;
    } else if (picture == ctl::Picture18) {
        caption = options.punteggio;
    } else if (picture == ctl::Picture19) {
        caption = options.cambiocarte == "Si" ? "Cambio Carte" : "No Cambio Carte";
    } else if (picture == ctl::Picture20) {
        caption = options.duesuperaasso == "Si" ? "2 supera Asso" : "2 non supera asso";
    } else if (picture == ctl::Picture21) {
        caption = options.premio;
    } else {
        return;
    }
    surface_.setCaption(ctl::Label19, caption);
    surface_.setVisible(ctl::Label19, true);
    surface_.setTop(ctl::Label19, 840);
    if (picture == ctl::Picture21) {
        // Right-aligned with the picture.
        left = left + surface_.width(ctl::Picture15) - surface_.width(ctl::Label19);
    }
    surface_.setLeft(ctl::Label19, left);
}

void TableDisplay::toggleSpeed() {
    const bool tournament = session_.gamemode == "Torneo";
    const float fieldsize = tournament_.fieldsize;
    if (surface_.interval(ctl::Timer1) == 1000) {
        surface_.setInterval(ctl::Timer1, 100);
        if (tournament) {
            surface_.setInterval(ctl::Timer2,
                                 static_cast<int>(roundHalfEven(30000.0f / (fieldsize / 5.0f))));
        }
        surface_.setCaption(ctl::Label33, "Rallenta");
    } else {
        surface_.setInterval(ctl::Timer1, 1000);
        if (tournament) {
            surface_.setInterval(
                ctl::Timer2, 4 * static_cast<int>(roundHalfEven(30000.0f / (fieldsize / 6.0f))));
        }
        surface_.setCaption(ctl::Label33, "Velocizza");
    }
}

bool TableDisplay::askToLeave() {
    return surface_.showMessage("Vuoi abbandonare la partita? ", MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void TableDisplay::confirmQuit() {
    if (askToLeave()) leaveTable();
}

void TableDisplay::forgetShown() {
    shownLooks_ = {};
    handsShown_ = false;
    standingsShown_ = false;
    turnMarkerSeat_ = -1;
    winningMarkerSeat_ = -1;
    shownTablePlaces_ = (1u << kSeats) - 1;
    shownPrizePictures_ = {};
    potShown_ = false;
    aids_.readShown();
    // The names of the player's cards are no part of a saved window.
    for (int slot = 0; slot < kHandSlots; ++slot) {
        surface_.setDescription(ctl::Picture2[slot], cardName(session_.hands[kHumanSeat][slot]));
    }
}

void TableDisplay::leaveTable() {
    for (Control timer : kTimers) surface_.setEnabled(timer, false);
    // Kept as it stood in the saved game; the next table starts with no trick held.
    aids_.unlightTableNames();
    surface_.setVisible(ctl::Label52, true);
    surface_.setVisible(ctl::Picture1, false);
}

void TableDisplay::moveTurnMarkerTo(int seat) {
    if (seat == turnMarkerSeat_ || !aids_.watched()) return;
    layout::placeAt(surface_, ctl::Shape5, layout::kTurnMarker[seat]);
    turnMarkerSeat_ = seat;
}

void TableDisplay::showTurnMarkerAt(int seat) {
    if (!aids_.watched()) return;
    moveTurnMarkerTo(seat);
    surface_.setVisible(ctl::Shape5, true);
}

void TableDisplay::blinkTurnMarker() {
    if (aids_.watched()) surface_.setVisible(ctl::Shape5, !surface_.visible(ctl::Shape5));
}

void TableDisplay::showWinningMarkerAt(int seat) {
    if (seat == winningMarkerSeat_ || !aids_.watched()) return;
    winningMarkerSeat_ = seat;
    const layout::Point place = layout::kTablePlace[seat];
    layout::placeAt(surface_, ctl::Shape6,
                    {place.x - layout::kWinMarkerMargin, place.y - layout::kWinMarkerMargin});
    surface_.setVisible(ctl::Shape6, true);
}

void TableDisplay::showDecision(int seat, const std::string& text) {
    layout::placeAt(surface_, ctl::Label29, layout::kDecisionLabel[seat]);
    surface_.setCaption(ctl::Label29, text);
    surface_.setVisible(ctl::Label29, true);
}

void TableDisplay::showLaidCard(int seat, Card card) {
    aids_.hideResultLines();
    const Control place = layout::kTablePlaceControl[seat];
    surface_.setPicture(place, cardPicture(card));
    surface_.setVisible(place, true);
    shownTablePlaces_ |= 1u << seat;
}

void TableDisplay::hideTablePlaces() {
    // Only the places that show a card; a trick of passes leaves most of them empty.
    for (int seat = 0; seat < kSeats; ++seat) {
        if ((shownTablePlaces_ & (1u << seat)) != 0) {
            surface_.setVisible(layout::kTablePlaceControl[seat], false);
        }
    }
    shownTablePlaces_ = 0;
    surface_.setVisible(ctl::Shape6, false);
    winningMarkerSeat_ = -1;
}

void TableDisplay::showPot(const PotResult& pot) {
    // The caption shows the pot and the share, which the winners' number decides.
    if (potShown_ && pot.pot == shownPot_.pot && pot.winnercount == shownPot_.winnercount) return;
    surface_.setCaption(ctl::Label34, potCaption(pot));
    shownPot_ = pot;
    potShown_ = true;
}

void TableDisplay::showPotTitle(const std::string& title) {
    surface_.setCaption(ctl::Label34, title);
    potShown_ = false;
}

int TableDisplay::shownSelectionMark(Control shape) const {
    return layout::markedHandPlace(surface_, shape);
}

void TableDisplay::showSelectionMark(Control shape, int slot) {
    layout::markHandPlace(surface_, shape, slot);
}

}  // namespace zelvaro

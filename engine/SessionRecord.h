// The saved game's record: the draws made of the random sequence, the stored number, the
// table, the tournament and the window. Each saved type lists its fields once, below (the
// window's in primitives/SurfaceSnapshot.h), and that one list writes the record, reads it
// back and measures its layout: a field added to a saved type is one line in its fields().
// The layout then no longer matches kSavedGameLayout and SavedGameRecordTest asks for the
// version to be raised.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/GameSession.h"
#include "primitives/StateRecord.h"
#include "primitives/SurfaceSnapshot.h"
#include "primitives/Tournament.h"

namespace zelvaro {

// Version 2 opens the window's part with the fingerprint of the window's controls; version 1
// opened it with their number. Version 3 has version 2's layout, and its field and standings
// are the file's own tables as the record's moment left them; a record of 1 or 2 keeps a copy
// of them beside it. Version 4 ends with the computer seats' level and the cards the expert
// seats saw go (expertFields); a game of an earlier record was played against "Classici".
// Version 5 has version 4's layout, written with repeats (StateWriter::Repeats) and checked
// by words: a save point writes some 10 KB instead of 18.
inline constexpr int kSavedGameVersion = 5;
inline constexpr int kFirstVersionWithRepeats = 5;
inline constexpr int kLastVersionWithFieldCopy = 2;
inline constexpr int kLastVersionBeforeExperts = 3;
// savedGameLayout() of this version.
inline constexpr std::uint64_t kSavedGameLayout = 0x70a3d6472e6984ea;
// The fingerprint of the controls the records of version 1 were written with.
inline constexpr std::uint64_t kVersion1Controls = 0x94a5294dd3433fcf;

struct SavedGame {
    int version = kSavedGameVersion;  // the record's, as read
    std::uint64_t draws = 0;          // of the random sequence
    double nummag = 0;                // the stored number
    GameSession session;
    Tournament tournament;
    SavedSurface window;
};

template <class Io, Saved<Card> C>
void fields(Io& io, C& card) {
    io(card.value);
    io(card.suit);
}

template <class Io, Saved<Pile> P>
void fields(Io& io, P& pile) {
    Pile::Places places = pile.places();
    io(places);
    if constexpr (!std::is_const_v<P>) pile = places;
}

template <class Io, Saved<SeatStats> S>
void fields(Io& io, S& seat) {
    constexpr std::int64_t kMostPoints = 1'000'000;
    io(seat.surname);
    io(seat.score, -kMostPoints, kMostPoints);
    io(seat.mark, -kMostPoints, kMostPoints);
    io(seat.firstName);
}

template <class Io, Saved<PlayerProfile> P>
void fields(Io& io, P& p) {
    for (auto* text : {&p.cognome, &p.nome, &p.nazionalita, &p.anno, &p.profilo}) io(*text);
    for (auto* number : {&p.cambiocarte, &p.aggressivita, &p.foto}) io(*number, 0, 1000);
}

template <class Io, Saved<MatchOptions> O>
void fields(Io& io, O& o) {
    for (auto* text :
         {&o.tipopartita, &o.cambiocarte, &o.duesuperaasso, &o.punteggio, &o.premio, &o.limite}) {
        io(*text);
    }
}

template <class Io, Saved<GameSession> S>
void fields(Io& io, S& s) {
    io(s.masterdeck);
    io(s.deck);
    io(s.hands);
    io(s.trick);
    io(s.seatstats);
    io(s.opponents);
    io(s.humanprofile);
    io(s.options);
    io(s.gamemode);
    for (auto* counter :
         {&s.turnseat, &s.trickleader, &s.trickwinner, &s.secondwinner, &s.tiecount, &s.trickmax,
          &s.chosenslot, &s.pulsanticambio, &s.changedecisions, &s.tickcount, &s.winningvalue,
          &s.winnercount, &s.dealcount, &s.dealpos, &s.drawseat}) {
        io(*counter);
    }
    io(s.pot, -2'000'000'000, 2'000'000'000);
}

// What version 4 adds at the record's end: the level the computer seats play at, and what
// the expert seats remember of the hand, so that a continued hand plays on as it would have.
template <class Io, Saved<GameSession> S>
void expertFields(Io& io, S& s) {
    io(s.avversari);
    for (auto& count : s.cardsgone) io(count, 0, INT16_MAX);
}

template <class Io, Saved<Tournament> T>
void fields(Io& io, T& t) {
    for (auto* value : {&t.tournamentflag, &t.fieldsize, &t.roundnumber, &t.tablecursor,
                        &t.handsleft, &t.passesleft}) {
        io(*value);
    }
    io(t.seatings);
}

template <class Io, Saved<SavedGame> G>
void fields(Io& io, G& game) {
    io(game.draws);
    io(game.nummag);
    io(game.session);
    io(game.tournament);
    io(game.window);
}

std::string writeSavedGame(const SavedGame& game);
// A record of this version or an older one still read; throws BadStateRecord for one that
// does not read, whatever the cause, and for one that reads to a table or tournament that
// cannot be.
SavedGame readSavedGame(std::string_view record);
// The fingerprint of the record's layout: the kind of every field it holds, in order.
std::uint64_t savedGameLayout();

}  // namespace zelvaro

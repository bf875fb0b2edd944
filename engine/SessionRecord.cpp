#include "engine/SessionRecord.h"

#include <array>

namespace zelvaro {
namespace {

void saveCard(Card card, StateWriter& out) {
    out.number(card.value);
    out.number(static_cast<unsigned char>(card.suit));
}

Card readCard(StateReader& in) {
    const auto value = static_cast<int>(in.number(-128, 127));
    const auto suit = static_cast<char>(in.number(0, 255));
    return Card{value, suit};
}

template <std::size_t N>
void saveCards(const std::array<Card, N>& cards, StateWriter& out) {
    for (const Card card : cards) saveCard(card, out);
}

template <std::size_t N>
void readCards(std::array<Card, N>& cards, StateReader& in) {
    for (Card& card : cards) card = readCard(in);
}

void saveProfile(const PlayerProfile& p, StateWriter& out) {
    for (const std::string* text : {&p.cognome, &p.nome, &p.nazionalita, &p.anno, &p.profilo}) out.text(*text);
    for (const int number : {p.cambiocarte, p.aggressivita, p.foto}) out.number(number);
}

PlayerProfile readProfile(StateReader& in) {
    PlayerProfile p;
    for (std::string* text : {&p.cognome, &p.nome, &p.nazionalita, &p.anno, &p.profilo}) *text = in.text();
    for (int* number : {&p.cambiocarte, &p.aggressivita, &p.foto}) *number = static_cast<int>(in.number(0, 1000));
    return p;
}

// The counters of the table, in one list so that saving and reading cannot drift apart.
template <typename Session>
auto countersOf(Session& s) {
    return std::array{&s.turnseat,        &s.trickleader, &s.trickwinner, &s.secondwinner,
                      &s.tiecount,        &s.trickmax,    &s.chosenslot,  &s.pulsanticambio,
                      &s.changedecisions, &s.tickcount,   &s.winningvalue, &s.winnercount,
                      &s.dealcount,       &s.dealpos,     &s.drawseat};
}

}  // namespace

void saveSession(const GameSession& session, StateWriter& out) {
    saveCards(session.masterdeck, out);
    saveCards(session.deck.places(), out);
    for (const Hand& hand : session.hands) saveCards(hand, out);
    saveCards(session.trick, out);
    for (const SeatStats& seat : session.seatstats) {
        out.text(seat.surname);
        out.number(seat.score);
        out.number(seat.mark);
        out.text(seat.firstName);
    }
    for (const PlayerProfile& opponent : session.opponents) saveProfile(opponent, out);
    saveProfile(session.humanprofile, out);
    const MatchOptions& o = session.options;
    for (const std::string* text : {&o.tipopartita, &o.cambiocarte, &o.duesuperaasso, &o.punteggio, &o.premio, &o.limite}) {
        out.text(*text);
    }
    out.text(session.gamemode);
    for (const std::int16_t* counter : countersOf(session)) out.number(*counter);
    out.number(session.pot);
}

void restoreSession(GameSession& session, StateReader& in) {
    GameSession read = session;
    readCards(read.masterdeck, in);
    Pile::Places places{};
    readCards(places, in);
    read.deck = places;
    for (Hand& hand : read.hands) readCards(hand, in);
    readCards(read.trick, in);
    for (SeatStats& seat : read.seatstats) {
        seat.surname = in.text();
        seat.score = static_cast<int>(in.number(-1'000'000, 1'000'000));
        seat.mark = static_cast<int>(in.number(-1'000'000, 1'000'000));
        seat.firstName = in.text();
    }
    for (PlayerProfile& opponent : read.opponents) opponent = readProfile(in);
    read.humanprofile = readProfile(in);
    MatchOptions& o = read.options;
    for (std::string* text : {&o.tipopartita, &o.cambiocarte, &o.duesuperaasso, &o.punteggio, &o.premio, &o.limite}) {
        *text = in.text();
    }
    read.gamemode = in.text();
    if (read.gamemode != "Partita" && read.gamemode != "Torneo") throw BadStateRecord("no such mode");
    for (std::int16_t* counter : countersOf(read)) *counter = static_cast<std::int16_t>(in.number(-32768, 32767));
    read.pot = static_cast<std::int32_t>(in.number(-2'000'000'000, 2'000'000'000));
    for (const std::int16_t seat : {read.turnseat, read.trickleader, read.trickwinner}) {
        if (seat < 0 || seat >= kSeats) throw BadStateRecord("no such seat");
    }
    session = std::move(read);
}

void saveTournament(const Tournament& t, StateWriter& out) {
    for (const std::int64_t value : {std::int64_t{t.tournamentflag}, std::int64_t{t.fieldsize}, std::int64_t{t.roundnumber},
                                     std::int64_t{t.tablecursor}, std::int64_t{t.handsleft}, std::int64_t{t.passesleft},
                                     std::int64_t{t.seatings}}) {
        out.number(value);
    }
}

void restoreTournament(Tournament& t, StateReader& in) {
    Tournament read;
    for (std::int16_t* value : {&read.tournamentflag, &read.fieldsize, &read.roundnumber, &read.tablecursor,
                                &read.handsleft, &read.passesleft}) {
        *value = static_cast<std::int16_t>(in.number(-32768, 32767));
    }
    read.seatings = static_cast<std::uint32_t>(in.number(0, 0xFFFFFFFF));
    if (read.fieldsize < 1 || read.roundnumber < 1) throw BadStateRecord("no such tournament");
    t = read;
}

}  // namespace zelvaro

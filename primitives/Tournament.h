// The state of a running tournament.
#pragma once

#include <cstdint>

namespace zelvaro {

struct Tournament {
    // The entrants of a whole tournament: 256 tables of six.
    static constexpr int kFullField = 1536;

    std::int16_t tournamentflag = 0;  // 1 while the profile panel was opened for a tournament
    std::int16_t fieldsize = kFullField;
    std::int16_t roundnumber = 1;
    std::int16_t tablecursor = 1;
    std::int16_t handsleft = 0;   // hands still to play at the human's table; -1 no limit
    std::int16_t passesleft = 0;  // the same limit for the simulated tables
    // Counts every new seating of the field (a tournament started, a round advanced), so that
    // what is known of its tables can be kept until the next one.
    std::uint32_t seatings = 0;

    // The rounds the whole tournament takes: the field halves every round down to one table.
    int rounds() const {
        int count = 1;
        for (int field = fieldsize; field > kTableSeats; field /= 2) ++count;
        return count;
    }
    static constexpr int kTableSeats = 6;
};

}  // namespace zelvaro

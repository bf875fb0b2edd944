// The wait panel's line: who of the player's table goes on, his place, and the tie rule only
// where names decided.
#include <gtest/gtest.h>

#include "engine/TableOutcome.h"

namespace zelvaro {
namespace {

TEST(TableOutcomeTest, NamesTheThreeWhoGoOnThePlayersPlaceAndTheTieRuleWhereNamesDecided) {
    const auto table = [](std::vector<long long> points, int player) {
        const char* names[] = {"Michiels", "Flores",  "Lauridsen",
                               "Rossi",    "Schmidt", "Van den Berg"};
        std::vector<TableEntrant> ranked;
        for (std::size_t i = 0; i < points.size(); ++i)
            ranked.push_back({names[i], points[i], int(i) == player});
        return ranked;
    };
    const std::string goOn = "Passano al turno successivo Michiels, Flores e Lauridsen";
    const std::string tie = "\nA pari punti passa chi viene prima in ordine alfabetico.";
    const struct {
        const char* what;
        std::vector<TableEntrant> ranked;
        bool final;
        std::string line;
    } cases[] = {
        {"out on a tie at the cut", table({34, 0, 0, 0, 0, 0}, 3), false,
         goOn + "; tu sei 4° al tavolo." + tie},
        {"out below the cut", table({34, 20, 12, 5, 0, 0}, 5), false,
         goOn + "; tu sei 6° al tavolo."},
        {"through on a tie at the cut", table({34, 10, 9, 9, 0, 0}, 2), false,
         goOn + ": ci sei anche tu." + tie},
        {"first", table({34, 10, 9, 8, 0, 0}, 0), false, goOn + ": ci sei anche tu."},
        {"the final, level with another", table({40, 30, 30, 10, 0, -5}, 2), true,
         "Sei 3° al tavolo finale.\nA pari punti viene prima chi precede in ordine alfabetico."},
        {"the final, alone on his points", table({40, 30, 20, 10, 0, -5}, 5), true,
         "Sei 6° al tavolo finale."},
        {"not at this table", table({40, 30, 20, 10, 0, -5}, -1), false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(tableOutcomeLine(c.ranked, c.final), c.line);
    }
}

}  // namespace
}  // namespace zelvaro

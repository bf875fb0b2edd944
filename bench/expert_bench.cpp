// The expert level's cost: the time of one decision (a card change or a card to lay), each
// timed on its own, over the positions the computer seats of real games met. Games of every
// type at an expert table, with the three speeds in turn (a slow game deals ten cards) and the
// three ways of showing the prize. A decision is made between two ticks of the table, so it
// must stay well inside one: the target is a 99th percentile under 20 ms.
//
// Usage: expert_bench [hands per game type]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/ExpertSeat.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "rules/ExpertPlayer.h"
#include "rules/MatchOptions.h"
#include "store/CheckpointStore.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"

namespace fs = std::filesystem;
using namespace zelvaro;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kPlayerName = "Banco Esperto";

struct Position {
    ExpertView view;
    bool change = false;
};

// Plays `hands` hands of `type` at an expert table, in single games, and keeps what every
// computer seat saw just before it decided.
void collect(ZelvaroApp& app, MemorySurface& surface, const std::string& type, int variant,
             long hands, std::vector<Position>& positions) {
    Database& db = app.database();
    db.execute("UPDATE opzioni SET punteggio='" + type + "', tipopartita='" +
               std::string(kSpeeds[variant % 3]) + "', premio='" +
               std::string(kPrizes[(variant / 3) % 3]) + "'");
    TableEngine& engine = app.engine();
    const long last = engine.handsPlayed() + hands;
    while (engine.handsPlayed() < last) {
        if (!surface.enabled(ctl::Timer1)) {
            if (hasCheckpoint(db)) surface.scriptAnswers({MessageAnswer::Yes});
            app.click(ctl::Label2);
            pickProfile(app, surface, kPlayerName);
            app.click(ctl::Label21);
            app.session().avversari = "Esperti";
            surface.clearMessages();
        }
        const GameSession& session = app.session();
        const int seat = session.turnseat;
        if (seat != kHumanSeat && session.tickcount == 2 && session.holdsCards(seat)) {
            const bool change = session.options.changeAllowed() && session.changedecisions != 6;
            positions.push_back({expertView(session, seat), change});
        }
        playHumanTurn(app, surface);
        app.timerTick(ctl::Timer1);
    }
    if (surface.enabled(ctl::Timer1)) {
        surface.scriptAnswers({MessageAnswer::Yes});
        app.click(ctl::Label18);
    }
}

double nanosOf(const Position& p) {
    const auto start = Clock::now();
    if (p.change) {
        const ExpertChange c = expertChangeDecision(p.view);
        if (c.changes && c.first == c.second) std::abort();
    } else if (expertPlayDecision(p.view) < 0) {
        std::abort();
    }
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> nanos) {
    if (nanos.empty()) return;
    std::sort(nanos.begin(), nanos.end());
    const auto at = [&nanos](double p) {
        return nanos[static_cast<std::size_t>(p * static_cast<double>(nanos.size() - 1))] / 1e6;
    };
    std::printf("%-18s %7zu decisions  median %6.2f ms  p99 %6.2f ms  worst %6.2f ms\n", what,
                nanos.size(), at(0.5), at(0.99), nanos.back() / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    const long hands = argc > 1 ? std::atol(argv[1]) : 20;
    if (hands < 1) {
        std::fprintf(stderr, "usage: expert_bench [hands per game type]\n");
        return 2;
    }
    const fs::path folder =
        fs::temp_directory_path() / ("zelvaro-expert-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    int status = 0;
    {
        MemorySurface surface;
        ZelvaroApp app(surface, folder);
        if (!app.startUp()) {
            std::fprintf(stderr, "expert_bench: the database did not open\n");
            status = 1;
        } else {
            app.playUnwatched();
            app.database().appendRow("giocatori", {{"cognome", "Banco"},
                                                   {"nome", "Esperto"},
                                                   {"nazionalita", "Italia"},
                                                   {"anno", 1980},
                                                   {"profilo", "1"},
                                                   {"cambiocarte", "0"},
                                                   {"aggressivita", "0"}});
            std::vector<double> all, changes, plays;
            int variant = 0;
            for (std::string_view type : kGameTypes) {
                std::vector<Position> positions;
                collect(app, surface, std::string(type), variant++, hands, positions);
                std::vector<double> nanos;
                for (const Position& p : positions) {
                    nanos.push_back(nanosOf(p));
                    (p.change ? changes : plays).push_back(nanos.back());
                }
                all.insert(all.end(), nanos.begin(), nanos.end());
                report(std::string(type).c_str(), nanos);
            }
            report("card changes", changes);
            report("cards laid", plays);
            report("every decision", all);
            std::printf("target: p99 under 20 ms\n");
            app.database().close();
        }
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    return status;
}

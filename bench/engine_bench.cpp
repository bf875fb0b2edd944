// Engine throughput: whole hands per second through the hand cycle on the in-memory surface,
// for each game type and for all of them together, and the cost of one Timer1 tick (median,
// 99th percentile, worst).
//
// Usage: engine_bench [hands per game type] [one game type]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/MatchOptions.h"
#include "engine/MemorySurface.h"
#include "engine/TableEngine.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"

namespace fs = std::filesystem;
using namespace zelvaro;
using Clock = std::chrono::steady_clock;

namespace {

constexpr const char* kHumanName = "Banco Prova";

struct Figures {
    long hands = 0;
    long ticks = 0;
    double seconds = 0;
};

void startSingleGame(ZelvaroApp& app, MemorySurface& surface) {
    app.click(ctl::Label2);
    surface.setCaption(ctl::Label22, kHumanName);
    app.click(ctl::Label21);
}

void abandonMatch(ZelvaroApp& app, MemorySurface& surface) {
    if (!surface.enabled(ctl::Timer1)) return;
    surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label18);
}

// Plays `hands` hands of the game type set in the options, in single games. Starting a match
// is the game start, not the hand cycle, and stays off the clock; the hands that follow within
// a match are prepared inside the tick and count. With `tickNanos` every tick is timed on its
// own and recorded there.
Figures playHands(ZelvaroApp& app, MemorySurface& surface, long hands,
                  std::vector<double>* tickNanos) {
    Figures figures;
    TableEngine& engine = app.engine();
    while (figures.hands < hands) {
        startSingleGame(app, surface);
        const long first = engine.handsPlayed();
        const long wanted = hands - figures.hands;
        const auto start = Clock::now();
        while (surface.enabled(ctl::Timer1) && engine.handsPlayed() - first < wanted) {
            playHumanTurn(app, surface);
            if (tickNanos == nullptr) {
                app.timerTick(ctl::Timer1);
            } else {
                const auto t0 = Clock::now();
                app.timerTick(ctl::Timer1);
                tickNanos->push_back(
                    std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
            }
            ++figures.ticks;
        }
        figures.seconds += std::chrono::duration<double>(Clock::now() - start).count();
        figures.hands += engine.handsPlayed() - first;
        abandonMatch(app, surface);
        surface.clearMessages();
    }
    return figures;
}

void setGameType(Database& db, std::string_view type) {
    db.execute("UPDATE opzioni SET punteggio='" + std::string(type) + "'");
}

}  // namespace

int main(int argc, char** argv) {
    const long handsPerType = argc > 1 ? std::atol(argv[1]) : 20000;
    std::vector<std::string_view> types(kGameTypes.begin(), kGameTypes.end());
    if (argc > 2) types.assign(1, argv[2]);
    if (handsPerType < 1 || std::find(kGameTypes.begin(), kGameTypes.end(), types[0]) == kGameTypes.end()) {
        std::fprintf(stderr, "usage: engine_bench [hands per game type] [one game type]\n");
        return 2;
    }
    std::error_code ec;
    const fs::path folder =
        fs::temp_directory_path() / ("zelvaro-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder, ec);
    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    if (!app.startUp()) return 1;
    Database& db = app.database();
    db.appendRow("giocatori", {{"cognome", "Banco"},
                               {"nome", "Prova"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});

    std::printf("%-18s %14s %12s\n", "game type", "hands/second", "ticks/hand");
    Figures all;
    for (std::string_view type : types) {
        setGameType(db, type);
        const Figures f = playHands(app, surface, handsPerType, nullptr);
        std::printf("%-18.*s %14.0f %12.0f\n", static_cast<int>(type.size()), type.data(),
                    static_cast<double>(f.hands) / f.seconds,
                    static_cast<double>(f.ticks) / static_cast<double>(f.hands));
        all.hands += f.hands;
        all.ticks += f.ticks;
        all.seconds += f.seconds;
    }
    std::printf("%zu game types: %ld hands, %.0f ticks a hand, %.2f s\n", types.size(), all.hands,
                static_cast<double>(all.ticks) / static_cast<double>(all.hands), all.seconds);
    std::printf("engine hands per second: %.0f (target >= 20000)\n",
                static_cast<double>(all.hands) / all.seconds);

    // The cost of single ticks, each timed on its own, over every game type.
    std::vector<double> tickNanos;
    for (std::string_view type : types) {
        setGameType(db, type);
        playHands(app, surface, std::max(1L, handsPerType / 20), &tickNanos);
    }
    std::sort(tickNanos.begin(), tickNanos.end());
    auto percentile = [&](double p) {
        return tickNanos[static_cast<std::size_t>(p * static_cast<double>(tickNanos.size() - 1))] /
               1000.0;
    };
    std::printf("tableTick over %zu ticks: median %.2f us  p99 %.2f us (target < 20)  max %.1f us\n",
                tickNanos.size(), percentile(0.5), percentile(0.99), tickNanos.back() / 1000.0);
    db.close();
    fs::remove_all(folder, ec);
    return 0;
}

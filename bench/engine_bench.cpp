// Engine throughput: whole hands per second through the hand cycle on the in-memory surface,
// and the cost of one Timer1 tick (median, 99th percentile, worst).
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/MemorySurface.h"
#include "engine/TableEngine.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"

namespace fs = std::filesystem;
using namespace zelvaro;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
    const long targetHands = argc > 1 ? std::atol(argv[1]) : 200000;
    std::error_code ec;
    const fs::path folder =
        fs::temp_directory_path() / ("zelvaro-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder, ec);
    MemorySurface surface;
    ZelvaroApp app(surface, folder);
    if (!app.startUp()) return 1;
    Database& db = app.database();
    db.execute("UPDATE opzioni SET punteggio='Chips'");
    db.appendRow("giocatori", {{"cognome", "Banco"},
                               {"nome", "Prova"},
                               {"nazionalita", "Italia"},
                               {"anno", 1980},
                               {"profilo", "1"},
                               {"cambiocarte", "0"},
                               {"aggressivita", "0"}});
    app.click(ctl::Label2);
    surface.setCaption(ctl::Label22, "Banco Prova");
    app.click(ctl::Label21);

    // "Chips" never ends by itself: one long match is the whole hand cycle, hand after hand.
    // Throughput first, with nothing but the game in the loop.
    long first = app.engine().handsPlayed();
    long ticks = 0;
    auto start = Clock::now();
    while (app.engine().handsPlayed() - first < targetHands) {
        playHumanTurn(app, surface);
        app.timerTick(ctl::Timer1);
        ++ticks;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const long hands = app.engine().handsPlayed() - first;
    std::printf("hands: %ld  ticks: %ld (%.0f a hand)  time: %.2f s\n", hands, ticks,
                static_cast<double>(ticks) / static_cast<double>(hands), seconds);
    std::printf("engine hands per second: %.0f (target >= 20000)\n",
                static_cast<double>(hands) / seconds);

    // Then the cost of single ticks, each timed on its own.
    const long timedHands = std::max(1L, targetHands / 10);
    std::vector<double> tickNanos;
    tickNanos.reserve(static_cast<std::size_t>(timedHands) * 1000);
    first = app.engine().handsPlayed();
    while (app.engine().handsPlayed() - first < timedHands) {
        playHumanTurn(app, surface);
        const auto t0 = Clock::now();
        app.timerTick(ctl::Timer1);
        tickNanos.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
    }
    std::sort(tickNanos.begin(), tickNanos.end());
    auto percentile = [&](double p) {
        return tickNanos[static_cast<std::size_t>(p * static_cast<double>(tickNanos.size() - 1))] /
               1000.0;
    };
    std::printf("tableTick: median %.2f us  p99 %.2f us (target < 20)  max %.1f us\n",
                percentile(0.5), percentile(0.99), tickNanos.back() / 1000.0);
    db.close();
    fs::remove_all(folder, ec);
    return 0;
}

// Engine throughput: whole hands per second through the hand cycle on the in-memory surface,
// for each game type and for all of them together, on one core and then with one table on
// every core of the machine; and the cost of one Timer1 tick (median, 99th percentile, worst).
//
// Usage: engine_bench [hands per game type] [one game type]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "engine/TableEngine.h"
#include "primitives/MemorySurface.h"
#include "rules/MatchOptions.h"
#include "store/CheckpointStore.h"
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
    // A match left at the table stays saved: a new one drops it.
    if (hasCheckpoint(app.database())) surface.scriptAnswers({MessageAnswer::Yes});
    app.click(ctl::Label2);
    pickProfile(app, surface, kHumanName);
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

// One table with its own database in a folder of its own, ready to start single games.
class BenchTable {
public:
    explicit BenchTable(int index)
        : folder_(fs::temp_directory_path() /
                  ("zelvaro-bench-" + std::to_string(::getpid()) + "-" + std::to_string(index))),
          app_(surface_, makeFolder(folder_)) {
        ready_ = app_.startUp();
        if (!ready_) return;
        app_.playUnwatched();
        app_.database().appendRow("giocatori", {{"cognome", "Banco"},
                                                {"nome", "Prova"},
                                                {"nazionalita", "Italia"},
                                                {"anno", 1980},
                                                {"profilo", "1"},
                                                {"cambiocarte", "0"},
                                                {"aggressivita", "0"}});
    }
    ~BenchTable() {
        app_.database().close();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    BenchTable(const BenchTable&) = delete;
    BenchTable& operator=(const BenchTable&) = delete;

    bool ready() const { return ready_; }
    Figures play(std::string_view type, long hands, std::vector<double>* tickNanos = nullptr) {
        setGameType(app_.database(), type);
        return playHands(app_, surface_, hands, tickNanos);
    }

private:
    static const fs::path& makeFolder(const fs::path& folder) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        return folder;
    }

    fs::path folder_;
    MemorySurface surface_;
    ZelvaroApp app_;
    bool ready_ = false;
};

double handsPerSecond(const Figures& f) {
    return static_cast<double>(f.hands) / f.seconds;
}

void add(Figures& total, const Figures& f) {
    total.hands += f.hands;
    total.ticks += f.ticks;
    total.seconds += f.seconds;
}

// Every table plays all the game types at once, each on its own thread. Each table's rate
// counts its own time on the clock; with no more tables than cores they add up to the
// machine's rate.
double ratesOnEveryCore(int tables, const std::vector<std::string_view>& types, long handsPerType) {
    std::vector<std::unique_ptr<BenchTable>> benchTables;
    for (int t = 0; t < tables; ++t) {
        benchTables.push_back(std::make_unique<BenchTable>(t + 1));
        if (!benchTables.back()->ready()) return 0;
    }
    std::vector<Figures> figures(static_cast<std::size_t>(tables));
    std::vector<std::thread> threads;
    for (int t = 0; t < tables; ++t) {
        threads.emplace_back([&, t] {
            for (std::string_view type : types)
                add(figures[t], benchTables[t]->play(type, handsPerType));
        });
    }
    for (std::thread& thread : threads) thread.join();
    double total = 0;
    for (const Figures& f : figures) total += handsPerSecond(f);
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    const long handsPerType = argc > 1 ? std::atol(argv[1]) : 20000;
    std::vector<std::string_view> types(kGameTypes.begin(), kGameTypes.end());
    if (argc > 2) types.assign(1, argv[2]);
    if (handsPerType < 1 ||
        std::find(kGameTypes.begin(), kGameTypes.end(), types[0]) == kGameTypes.end()) {
        std::fprintf(stderr, "usage: engine_bench [hands per game type] [one game type]\n");
        return 2;
    }
    BenchTable table(0);
    if (!table.ready()) return 1;

    std::printf("%-18s %14s %12s\n", "game type", "hands/second", "ticks/hand");
    Figures all;
    for (std::string_view type : types) {
        const Figures f = table.play(type, handsPerType);
        std::printf("%-18.*s %14.0f %12.0f\n", static_cast<int>(type.size()), type.data(),
                    handsPerSecond(f), static_cast<double>(f.ticks) / static_cast<double>(f.hands));
        add(all, f);
    }
    std::printf("%zu game types: %ld hands, %.0f ticks a hand, %.2f s\n", types.size(), all.hands,
                static_cast<double>(all.ticks) / static_cast<double>(all.hands), all.seconds);
    std::printf("engine hands per second, one core: %.0f\n", handsPerSecond(all));
    const int cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    std::printf("engine hands per second, one table on each of %d cores: %.0f (target >= 20000)\n",
                cores, ratesOnEveryCore(cores, types, handsPerType));

    // The cost of single ticks, each timed on its own, over every game type.
    std::vector<double> tickNanos;
    for (std::string_view type : types)
        table.play(type, std::max(1L, handsPerType / 20), &tickNanos);
    std::sort(tickNanos.begin(), tickNanos.end());
    auto percentile = [&](double p) {
        return tickNanos[static_cast<std::size_t>(p * static_cast<double>(tickNanos.size() - 1))] /
               1000.0;
    };
    std::printf(
        "tableTick over %zu ticks: median %.2f us  p99 %.2f us (target < 20)  max %.1f us\n",
        tickNanos.size(), percentile(0.5), percentile(0.99), tickNanos.back() / 1000.0);
    return 0;
}

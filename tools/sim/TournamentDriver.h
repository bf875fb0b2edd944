// Plays a tournament headless through the program's own controls: the menu, the profile and
// rules panels, the human's clicks (the simple policy) and the three timers fired by the
// headless clock. Shared by the simulator, the benchmark and the tests.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "engine/GameSession.h"
#include "engine/HeadlessClock.h"
#include "engine/TableEngine.h"
#include "front/ZelvaroApp.h"
#include "primitives/MemorySurface.h"
#include "primitives/Tournament.h"
#include "store/Database.h"
#include "tools/sim/HumanPolicy.h"

namespace zelvaro {

// Raises the human's points, when he does not lead his table, to one above its leader's,
// so that he goes on to the next round.
inline void leadHumansTable(ZelvaroApp& app) {
    Database& db = app.database();
    const PlayerProfile& human = app.session().humanprofile;
    const std::string who = "cognome='" + Database::fApici(human.cognome) + "' and nome='" +
                            Database::fApici(human.nome) + "'";
    const ResultSet self = db.query("SELECT * FROM torneo where " + who);
    const std::string table = self.at("tavolo", 0).text();
    const ResultSet best =
        db.query("SELECT max(punti) FROM torneo where tavolo='" + table + "' and not(" + who + ")");
    const long long others = best.at(0, 0).integer();
    if (self.at("punti", 0).integer() <= others) {
        db.execute("UPDATE torneo SET punti='" + std::to_string(others + 1) + "' WHERE " + who);
    }
}

class TournamentDriver {
public:
    TournamentDriver(ZelvaroApp& app, MemorySurface& surface)
        : app_(app), surface_(surface), clock_(surface, [this](Control t) {
              if (beforeTick_) beforeTick_(t);
              app_.timerTick(t);
          }) {}

    // Runs before every timer tick the driver fires.
    void beforeEveryTick(std::function<void(Control timer)> look) { beforeTick_ = std::move(look); }
    // Runs before every look at the player's turn, so a question shown stands unanswered.
    void beforeEveryMove(std::function<void()> look) { beforeMove_ = std::move(look); }

    // "Torneo", the user's profile named `profile`, "Avanti", and the rules panel's "Avanti".
    // Returns false when the game refused to start (its message is on the surface).
    bool start(const std::string& profile) {
        app_.click(ctl::Label35);
        if (!surface_.visible(ctl::Frame3)) return false;
        pickProfile(app_, surface_, profile);
        app_.click(ctl::Label21);
        if (!surface_.visible(ctl::Frame5)) return false;
        app_.click(ctl::Label36);
        return surface_.enabled(ctl::Timer2);
    }

    // Plays until the round number moves on (true) or the tournament is over for the human
    // (false). `atMatchEnd` runs once when the human's match ends, before the round does.
    bool playRound(const std::function<void()>& atMatchEnd = {}) {
        const int round = app_.tournament().roundnumber;
        bool waiting = surface_.visible(ctl::Frame6);
        while (true) {
            if (beforeMove_) beforeMove_();
            if (surface_.enabled(ctl::Timer1)) playHumanTurn(app_, surface_);
            const bool nowWaiting = surface_.visible(ctl::Frame6);
            if (nowWaiting && !waiting && atMatchEnd) atMatchEnd();
            waiting = nowWaiting;
            if (!clock_.fireNext()) return false;
            if (app_.tournament().roundnumber != round) return surface_.enabled(ctl::Timer2);
        }
    }

    HeadlessClock& clock() { return clock_; }

private:
    ZelvaroApp& app_;
    MemorySurface& surface_;
    std::function<void(Control)> beforeTick_;
    std::function<void()> beforeMove_;
    HeadlessClock clock_;
};

}  // namespace zelvaro

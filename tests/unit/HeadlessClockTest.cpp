// The headless clock fires the window's timers in the order of their due times.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/HeadlessClock.h"
#include "primitives/MemorySurface.h"

namespace zelvaro {
namespace {

struct Fired {
    std::string timer;
    std::int64_t at;
    bool operator==(const Fired&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Fired& f) {
        return out << f.timer << "@" << f.at;
    }
};

class HeadlessClockTest : public ::testing::Test {
protected:
    HeadlessClockTest()
        : clock(surface, [this](Control timer) {
              fired.push_back({objectName(timer), clock.now()});
              if (onFire) onFire(timer);
          }) {}

    void run(Control timer, int interval) {
        surface.setInterval(timer, interval);
        surface.setEnabled(timer, true);
    }
    std::vector<Fired> fire(int times) {
        fired.clear();
        for (int i = 0; i < times; ++i) clock.fireNext();
        return fired;
    }

    MemorySurface surface;
    std::vector<Fired> fired;
    std::function<void(Control)> onFire;
    HeadlessClock clock;
};

TEST_F(HeadlessClockTest, TimersFireByDueTimeWithTiesInTimerOrder) {
    EXPECT_FALSE(clock.fireNext());
    run(ctl::Timer1, 100);
    run(ctl::Timer2, 98);
    run(ctl::Timer3, 200);
    EXPECT_EQ(fire(8), (std::vector<Fired>{{"Timer2", 98},
                                           {"Timer1", 100},
                                           {"Timer2", 196},
                                           {"Timer1", 200},
                                           {"Timer3", 200},
                                           {"Timer2", 294},
                                           {"Timer1", 300},
                                           {"Timer2", 392}}));
}

TEST_F(HeadlessClockTest, StartsStopsAndNewIntervalsCountFromTheMomentTheyHappen) {
    run(ctl::Timer1, 100);
    run(ctl::Timer2, 500);
    // At its first tick Timer1 slows to 1000 ms and stops Timer2, which the second starts
    // again; restarting a running timer's same interval changes nothing.
    int ticks = 0;
    onFire = [&](Control timer) {
        if (timer != ctl::Timer1) return;
        if (++ticks == 1) {
            surface.setInterval(ctl::Timer1, 1000);
            surface.setEnabled(ctl::Timer2, false);
        } else {
            surface.setEnabled(ctl::Timer2, true);
            surface.setEnabled(ctl::Timer1, true);
        }
    };
    EXPECT_EQ(fire(4), (std::vector<Fired>{
                           {"Timer1", 100}, {"Timer1", 1100}, {"Timer2", 1600}, {"Timer1", 2100}}));
    surface.setEnabled(ctl::Timer1, false);
    surface.setEnabled(ctl::Timer2, false);
    EXPECT_FALSE(clock.fireNext());
}

}  // namespace
}  // namespace zelvaro

// The four clocks: each side's step clock (this turn) and total clock (the whole game), counting
// whole seconds while that side is to move. Nothing happens at any reading: there is no time
// control.
#pragma once

#include <QString>

class QLabel;

namespace xq {

struct GameState;
class PeriodTimer;

// mm:ss, the minutes growing past 99 rather than folding into hours: 6000 gives "100:00".
QString formatClock(int seconds);

struct ClockParts {
    PeriodTimer* timer;
    QLabel* label;
};

class Clocks {
  public:
    Clocks(GameState& state, ClockParts redStep, ClockParts redTotal, ClockParts blackStep,
           ClockParts blackTotal);

    // The turn passes to `side` (Red 1, Black 0): its step counter restarts from 0 and its two
    // clocks run; the other side's stop. A label keeps its reading until its clock's next tick.
    void handClocksTo(int side);
    void stopAll();
    // All four counters to 0, for a new game; the labels and timers are left as they are.
    void resetCounters();

  private:
    void connectTick(ClockParts parts, int GameState::*counter, const char* prefix);

    GameState& state_;
    ClockParts redStep_, redTotal_, blackStep_, blackTotal_;
};

}  // namespace xq

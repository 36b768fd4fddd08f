#include "ui/clocks.h"

#include <QLabel>

#include "ui/game_state.h"
#include "ui/platform/period_timer.h"

namespace xq {

namespace {

constexpr int RunningPeriodMs = 1000;

}  // namespace

QString formatClock(int seconds) {
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

Clocks::Clocks(GameState& state, ClockParts redStep, ClockParts redTotal, ClockParts blackStep,
               ClockParts blackTotal)
    : state_(state),
      redStep_(redStep),
      redTotal_(redTotal),
      blackStep_(blackStep),
      blackTotal_(blackTotal) {
    connectTick(redStep_, &GameState::redStepSeconds, "步时:[");
    connectTick(redTotal_, &GameState::redTotalSeconds, "总时:[");
    connectTick(blackStep_, &GameState::blackStepSeconds, "步时:[");
    connectTick(blackTotal_, &GameState::blackTotalSeconds, "总时:[");
}

void Clocks::connectTick(ClockParts parts, int GameState::*counter, const char* prefix) {
    const QString labelPrefix = QString::fromUtf8(prefix);
    QObject::connect(
        parts.timer, &PeriodTimer::ticked, parts.label, [this, parts, counter, labelPrefix] {
            int& seconds = state_.*counter;
            ++seconds;
            parts.label->setText(labelPrefix + formatClock(seconds) + QLatin1Char(']'));
        });
}

void Clocks::handClocksTo(int side) {
    const bool red = side != 0;
    (red ? state_.redStepSeconds : state_.blackStepSeconds) = 0;
    const ClockParts* mover[2] = {red ? &redStep_ : &blackStep_, red ? &redTotal_ : &blackTotal_};
    const ClockParts* waiting[2] = {red ? &blackStep_ : &redStep_, red ? &blackTotal_ : &redTotal_};
    for (const ClockParts* parts : mover) parts->timer->setPeriod(RunningPeriodMs);
    for (const ClockParts* parts : waiting) parts->timer->setPeriod(0);
}

void Clocks::stopAll() {
    for (const ClockParts* parts : {&redStep_, &redTotal_, &blackStep_, &blackTotal_})
        parts->timer->setPeriod(0);
}

void Clocks::resetCounters() {
    state_.redStepSeconds = state_.redTotalSeconds = 0;
    state_.blackStepSeconds = state_.blackTotalSeconds = 0;
}

}  // namespace xq

#include "ui/platform/period_timer.h"

namespace xq {

PeriodTimer::PeriodTimer(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PeriodTimer::ticked);
}

void PeriodTimer::setPeriod(int ms) {
    if (ms < 0) ms = 0;
    if (ms == period_) return;
    period_ = ms;
    if (ms == 0)
        timer_.stop();
    else
        timer_.start(ms);
}

void PeriodTimer::deliverTick() {
    if (isRunning()) emit ticked();
}

}  // namespace xq

// A window timer driven by its period: 0 stops it, a period starts it.
#pragma once

#include <QObject>
#include <QTimer>

namespace xq {

class PeriodTimer : public QObject {
    Q_OBJECT

  public:
    explicit PeriodTimer(const QString& name, QObject* parent = nullptr);

    // A stopped timer given a period starts afresh, its first tick one period later. A running
    // timer given the period it already has runs on untouched. 0 stops it and drops the part of
    // a period it had counted.
    void setPeriod(int ms);
    int period() const { return period_; }
    bool isRunning() const { return period_ != 0; }

    // For tests: the tick a running timer would give at the end of its period; nothing when
    // the timer is stopped.
    void deliverTick();

  signals:
    void ticked();

  private:
    QTimer timer_;
    int period_ = 0;
};

}  // namespace xq

#pragma once

#include "platform/Scheduler.h"

#include <map>

namespace otthon {

// Time moves only through advance(): every timer that falls due fires in time order (timers due at the same
// moment in the order they were started), with now() at its due time. A timer started by a firing timer fires
// within the same advance when it falls due before its end.
class VirtualScheduler final : public Scheduler {
public:
    TimerId start(double seconds, bool repeats, std::function<void()> action) override;
    void invalidate(TimerId id) override;
    bool isValid(TimerId id) const override;
    int activeTimers() const override { return int(timers_.size()); }
    double now() const override { return now_; }
    // The wall clock starts at setWallClock()'s moment (by default 2026-06-15 12:00 local time) and moves
    // with advance().
    QDateTime wallClock() const override { return wallStart_.addMSecs(qint64(now_ * 1000.0)); }
    void setWallClock(const QDateTime& at) { wallStart_ = at.addMSecs(-qint64(now_ * 1000.0)); }

    void advance(double seconds);
    // Fires what is due now (delayed calls of 0 s) without moving time.
    void runDue() { advance(0); }

private:
    struct Entry {
        double due;
        double interval;
        bool repeats;
        quint64 order;
        std::function<void()> action;
    };
    std::map<TimerId, Entry> timers_;
    double now_ = 0;
    QDateTime wallStart_{QDate(2026, 6, 15), QTime(12, 0)};
    TimerId nextId_ = 1;
    quint64 nextOrder_ = 0;
};

} // namespace otthon

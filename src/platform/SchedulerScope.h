#pragma once

#include "platform/Scheduler.h"

#include <set>

namespace otthon {

// A scheduler for one part of the app that passes every timer on to the real one and keeps account of those
// that may still fire. end() (and destruction) stops them all: nothing started through the scope fires after
// it, whoever else still holds an id, and a timer started after it never fires (its id is 0).
class SchedulerScope final : public Scheduler {
public:
    explicit SchedulerScope(Scheduler& inner) : inner_(inner) {}
    ~SchedulerScope() override { end(); }
    SchedulerScope(const SchedulerScope&) = delete;
    SchedulerScope& operator=(const SchedulerScope&) = delete;

    TimerId start(double seconds, bool repeats, std::function<void()> action) override;
    void invalidate(TimerId id) override;
    bool isValid(TimerId id) const override { return pending_.count(id) != 0 && inner_.isValid(id); }
    int activeTimers() const override { return int(pending_.size()); }
    double now() const override { return inner_.now(); }
    QDateTime wallClock() const override { return inner_.wallClock(); }

    void end();

private:
    Scheduler& inner_;
    std::set<TimerId> pending_;
    bool ended_ = false;
};

} // namespace otthon

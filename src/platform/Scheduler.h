#pragma once

#include <QDateTime>
#include <QtGlobal>

#include <cmath>
#include <functional>
#include <limits>

namespace otthon {

using TimerId = quint64;

// Seconds as the whole milliseconds that Qt's timers count in an int: at least 0 (also for NaN), and at
// most the longest interval they take (about 24.8 days), so that no time turns negative.
inline int timerMilliseconds(double seconds) {
    constexpr int longest = std::numeric_limits<int>::max();
    const double milliseconds = std::round(seconds * 1000.0);
    if (!(milliseconds > 0))
        return 0;
    return milliseconds >= double(longest) ? longest : int(milliseconds);
}

// Timers and delayed calls on the main thread. The app runs on QtScheduler (Qt's event loop); tests run on
// VirtualScheduler, where time moves only when the test advances it.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Fires `action` once `seconds` from now and, when `repeats`, every `seconds` after that until
    // invalidated. A one-shot timer is invalid once it has fired. Ids are never reused.
    virtual TimerId start(double seconds, bool repeats, std::function<void()> action) = 0;
    // Stops a timer; harmless for an id that already fired or was invalidated, and for 0.
    virtual void invalidate(TimerId id) = 0;
    virtual bool isValid(TimerId id) const = 0;
    // Timers that may still fire.
    virtual int activeTimers() const = 0;
    // Seconds since the scheduler was made.
    virtual double now() const = 0;
    // The local date and time, for what the user reads as a time of day ("Utolsó adat: 14:05").
    virtual QDateTime wallClock() const = 0;

    // A delayed call: fires once, `seconds` from now (0: after the current handler has returned).
    TimerId after(double seconds, std::function<void()> action) {
        return start(seconds, false, std::move(action));
    }
};

// Owns one timer: invalidates it when replaced or destroyed. Pages keep their refresh timer in one of these,
// so a page that is discarded stops its timer.
class ScopedTimer {
public:
    ScopedTimer() = default;
    ScopedTimer(Scheduler& scheduler, TimerId id) : scheduler_(&scheduler), id_(id) {}
    ScopedTimer(const ScopedTimer&) = delete;
    ScopedTimer& operator=(const ScopedTimer&) = delete;
    ScopedTimer(ScopedTimer&& other) noexcept : scheduler_(other.scheduler_), id_(other.id_) {
        other.id_ = 0;
    }
    ScopedTimer& operator=(ScopedTimer&& other) noexcept {
        if (this != &other) {
            stop();
            scheduler_ = other.scheduler_;
            id_ = other.id_;
            other.id_ = 0;
        }
        return *this;
    }
    ~ScopedTimer() { stop(); }

    void stop() {
        if (scheduler_ && id_)
            scheduler_->invalidate(id_);
        id_ = 0;
    }
    TimerId id() const { return id_; }
    bool isActive() const { return scheduler_ && id_ && scheduler_->isValid(id_); }

private:
    Scheduler* scheduler_ = nullptr;
    TimerId id_ = 0;
};

} // namespace otthon

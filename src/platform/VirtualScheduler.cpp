#include "platform/VirtualScheduler.h"

#include <algorithm>

namespace otthon {

namespace {
// A repeating timer needs a period, or advance() would never end.
constexpr double kMinimumPeriod = 0.001;
} // namespace

TimerId VirtualScheduler::start(double seconds, bool repeats, std::function<void()> action) {
    if (!(seconds > 0)) // also NaN
        seconds = 0;
    if (repeats)
        seconds = std::max(seconds, kMinimumPeriod);
    const TimerId id = nextId_++;
    timers_.emplace(id, Entry{now_ + seconds, seconds, repeats, nextOrder_++, std::move(action)});
    return id;
}

void VirtualScheduler::invalidate(TimerId id) {
    timers_.erase(id);
}

bool VirtualScheduler::isValid(TimerId id) const {
    return timers_.count(id) != 0;
}

void VirtualScheduler::advance(double seconds) {
    const double end = now_ + std::max(seconds, 0.0);
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due > end)
                continue;
            if (next == timers_.end() || it->second.due < next->second.due ||
                (it->second.due == next->second.due && it->second.order < next->second.order))
                next = it;
        }
        if (next == timers_.end())
            break;
        now_ = std::max(now_, next->second.due);
        std::function<void()> action = next->second.action;
        if (next->second.repeats) {
            next->second.due += next->second.interval;
            next->second.order = nextOrder_++;
        } else {
            timers_.erase(next);
        }
        action();
    }
    now_ = end;
}

} // namespace otthon

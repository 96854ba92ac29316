#include "platform/SchedulerScope.h"

#include <memory>

namespace otthon {

TimerId SchedulerScope::start(double seconds, bool repeats, std::function<void()> action) {
    if (ended_)
        return 0;
    // A timer never fires within start(), so the id is known before the action can run.
    auto id = std::make_shared<TimerId>(0);
    *id = inner_.start(seconds, repeats, [this, id, repeats, action = std::move(action)] {
        if (!repeats)
            pending_.erase(*id); // a one-shot is over once it fires
        action();
    });
    pending_.insert(*id);
    return *id;
}

void SchedulerScope::invalidate(TimerId id) {
    if (pending_.erase(id) != 0)
        inner_.invalidate(id);
}

void SchedulerScope::end() {
    ended_ = true;
    for (const TimerId id : std::exchange(pending_, {}))
        inner_.invalidate(id);
}

} // namespace otthon

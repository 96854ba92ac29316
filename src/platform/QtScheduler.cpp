#include "platform/QtScheduler.h"

#include <QTimer>

namespace otthon {

QtScheduler::QtScheduler(QObject* parent) : QObject(parent) {
    clock_.start();
}

QtScheduler::~QtScheduler() {
    for (auto& [id, entry] : timers_)
        delete entry.timer;
}

TimerId QtScheduler::start(double seconds, bool repeats, std::function<void()> action) {
    const TimerId id = nextId_++;
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeats);
    // A time beyond what a QTimer takes is clamped to its longest interval.
    timer->setInterval(timerMilliseconds(seconds));
    connect(timer, &QTimer::timeout, this, [this, id] { fire(id); });
    timers_.emplace(id, Entry{timer, repeats, std::move(action)});
    timer->start();
    return id;
}

void QtScheduler::fire(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    // Copy the action first: it may invalidate its own timer, or start new ones.
    std::function<void()> action = it->second.action;
    if (!it->second.repeats)
        invalidate(id);
    action();
}

void QtScheduler::invalidate(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second.timer->stop();
    // The timer may be the one whose timeout is running right now.
    it->second.timer->deleteLater();
    timers_.erase(it);
}

bool QtScheduler::isValid(TimerId id) const {
    return timers_.count(id) != 0;
}

double QtScheduler::now() const {
    return double(clock_.nsecsElapsed()) / 1e9;
}

} // namespace otthon

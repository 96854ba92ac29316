#pragma once

#include "platform/Scheduler.h"

#include <QElapsedTimer>
#include <QObject>

#include <map>

class QTimer;

namespace otthon {

// Scheduler on Qt's event loop: one QTimer per timer, all on the thread that made the scheduler.
class QtScheduler final : public QObject, public Scheduler {
    Q_OBJECT
public:
    explicit QtScheduler(QObject* parent = nullptr);
    ~QtScheduler() override;

    TimerId start(double seconds, bool repeats, std::function<void()> action) override;
    void invalidate(TimerId id) override;
    bool isValid(TimerId id) const override;
    int activeTimers() const override { return int(timers_.size()); }
    double now() const override;
    QDateTime wallClock() const override { return QDateTime::currentDateTime(); }

private:
    void fire(TimerId id);

    struct Entry {
        QTimer* timer;
        bool repeats;
        std::function<void()> action;
    };
    std::map<TimerId, Entry> timers_;
    QElapsedTimer clock_;
    TimerId nextId_ = 1;
};

} // namespace otthon

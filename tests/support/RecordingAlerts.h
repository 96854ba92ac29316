#pragma once

#include "platform/AlertPort.h"
#include "platform/Scheduler.h"

#include <vector>

namespace otthon::testing {

// Records the alerts shown and their dismissals, stamped with the clock's time when it has one; the test can
// press a button of an open alert.
class RecordingAlerts final : public AlertPort {
public:
    explicit RecordingAlerts(const Scheduler* clock = nullptr) : clock_(clock) {}

    struct Shown {
        AlertId id;
        AlertSpec content;
        double shownAt;
        bool open = true;
    };
    struct Dismissal {
        AlertId id;
        int buttonIndex;
        double at;
    };

    AlertId show(AlertSpec alert) override;
    void dismiss(AlertId id, int buttonIndex) override;

    // Closes an open alert as the user would, calling its handler; false when it is not open.
    bool press(AlertId id, int buttonIndex);

    const std::vector<Shown>& shown() const { return shown_; }
    const std::vector<Dismissal>& dismissals() const { return dismissals_; }
    int openCount() const;
    bool isOpen(AlertId id) const;

private:
    Shown* find(AlertId id);
    double now() const { return clock_ ? clock_->now() : 0.0; }

    const Scheduler* clock_;

    std::vector<Shown> shown_;
    std::vector<Dismissal> dismissals_;
    AlertId nextId_ = 1;
};

} // namespace otthon::testing

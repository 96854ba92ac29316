#include "support/RecordingAlerts.h"

#include <algorithm>

namespace otthon::testing {

AlertId RecordingAlerts::show(AlertSpec alert) {
    const AlertId id = nextId_++;
    shown_.push_back(Shown{id, std::move(alert), now()});
    return id;
}

void RecordingAlerts::dismiss(AlertId id, int buttonIndex) {
    dismissals_.push_back(Dismissal{id, buttonIndex, now()});
    if (Shown* alert = find(id))
        alert->open = false;
}

bool RecordingAlerts::press(AlertId id, int buttonIndex) {
    Shown* alert = find(id);
    if (!alert || !alert->open)
        return false;
    alert->open = false;
    // Copy the handler: it may show another alert, which can move the vector.
    const std::function<void(int)> handler = alert->content.onButton;
    if (handler)
        handler(buttonIndex);
    return true;
}

int RecordingAlerts::openCount() const {
    return int(std::count_if(shown_.begin(), shown_.end(), [](const Shown& s) { return s.open; }));
}

bool RecordingAlerts::isOpen(AlertId id) const {
    return std::any_of(shown_.begin(), shown_.end(), [id](const Shown& s) { return s.id == id && s.open; });
}

RecordingAlerts::Shown* RecordingAlerts::find(AlertId id) {
    auto it = std::find_if(shown_.begin(), shown_.end(), [id](const Shown& s) { return s.id == id; });
    return it == shown_.end() ? nullptr : &*it;
}

} // namespace otthon::testing

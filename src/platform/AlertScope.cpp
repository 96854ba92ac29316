#include "platform/AlertScope.h"

namespace otthon {

AlertId AlertScope::show(AlertSpec alert) {
    if (ended_)
        return 0;
    auto id = std::make_shared<AlertId>(0);
    alert.onButton = [open = std::weak_ptr(open_), id, onButton = std::move(alert.onButton)](int index) {
        if (const auto ids = open.lock())
            ids->erase(*id);
        if (onButton)
            onButton(index);
    };
    *id = inner_.show(std::move(alert));
    open_->insert(*id);
    return *id;
}

void AlertScope::dismiss(AlertId id, int buttonIndex) {
    open_->erase(id);
    inner_.dismiss(id, buttonIndex);
}

void AlertScope::end() {
    ended_ = true;
    for (const AlertId id : std::exchange(*open_, {}))
        inner_.dismiss(id, 0);
}

} // namespace otthon

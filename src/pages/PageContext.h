#pragma once

#include "link/Link.h"
#include "pages/AppState.h"

namespace otthon {

class NotificationCenter;
class Navigation;

// What a page reaches beyond its own elements: the process-wide state and the platform services. Owned by the
// application (or a test) and outliving every page.
struct PageContext {
    AppState& state;
    Link link;
    NotificationCenter& notifications;
    Navigation& navigation;

    StatusModel& model() const { return state.model; }
    Scheduler& scheduler() const { return link.scheduler; }
    AlertPort& alerts() const { return link.alerts; }
};

} // namespace otthon

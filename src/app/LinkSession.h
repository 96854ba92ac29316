#pragma once

#include "app/RecordingTransport.h"
#include "app/RootViewController.h"
#include "link/LinkEvents.h"
#include "pages/AppState.h"
#include "pages/PageContext.h"
#include "platform/AlertScope.h"
#include "platform/SchedulerScope.h"
#include "platform/TransportScope.h"
#include "platform/ui/Navigation.h"
#include "platform/ui/NotificationCenter.h"

#include <optional>

namespace otthon {

// The link to one controller address and everything that lives on it: the model and page state, the
// carousel with its pages and the poll, the sub-screens. The address is read once, here; another address
// means another session. Timers, exchanges and alerts go through scopes of the session's own, so once it has
// ended nothing of it fires, sends or answers: no request of a later session meets one of this.
//
// With `recording` (the automation mode) the session keeps a record of its last requests for sent().
class LinkSession {
public:
    LinkSession(const QString& baseUrl, Scheduler& scheduler, HttpTransport& transport, AlertPort& alerts,
                bool recording);
    ~LinkSession();
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // The start-up sequence: choice lists, the first page, the poll timer.
    void start();
    // Stops every timer, cancels every exchange and dismisses every alert of the session. Its objects stay
    // until it is destroyed (QML may still hold them for a moment), but nothing of it runs any more.
    void end();

    const QString& baseUrl() const { return state_.model.BaseUrl; }
    AppState& state() { return state_; }
    RootViewController& root() { return root_; }
    Navigation& navigation() { return navigation_; }
    // The commands of the last requests, oldest first (RecordingTransport); none without recording.
    QStringList sent() const { return recorder_ ? recorder_->sent() : QStringList(); }

private:
    // Declared first, destroyed last: whatever goes before may still stop its timers.
    SchedulerScope scheduler_;
    TransportScope exchanges_;
    std::optional<RecordingTransport> recorder_;
    AlertScope alerts_;
    NotificationCenter notifications_;
    Navigation navigation_;
    AppState state_;
    LinkEvents events_;
    PageContext context_;
    RootViewController root_;
};

} // namespace otthon

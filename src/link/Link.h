#pragma once

namespace otthon {

struct StatusModel;
class HttpTransport;
class AlertPort;
class Scheduler;
class LinkEvents;

// What a request needs to reach the controller and report back: the model it writes, the HTTP client, the
// alert port for refused settings and undelivered commands, the scheduler that dismisses those alerts, and
// the events that tell the screens and the poll.
struct Link {
    StatusModel& model;
    HttpTransport& transport;
    AlertPort& alerts;
    Scheduler& scheduler;
    LinkEvents& events;
};

// A command was sent: the poll waits until its hold ends, and a draft on screen is over.
void beginSettling(StatusModel& model);
// A command's hold has ended: the poll goes at once.
void endSettling(const Link& link);

} // namespace otthon

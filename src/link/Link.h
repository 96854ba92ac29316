#pragma once

namespace otthon {

struct StatusModel;
class HttpTransport;
class AlertPort;
class Scheduler;

// What a request needs to reach the controller and report back: the model it writes, the HTTP client, the
// alert port for refused settings and the scheduler that dismisses those alerts.
struct Link {
    StatusModel& model;
    HttpTransport& transport;
    AlertPort& alerts;
    Scheduler& scheduler;
};

} // namespace otthon

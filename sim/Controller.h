#pragma once

#include "sim/Faults.h"
#include "sim/Household.h"
#include "sim/RequestLog.h"
#include "sim/Weather.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace otthon::sim {

struct ControllerOptions {
    std::uint64_t seed = 1;
    bool steady = false;      // no drift, no rain change
    Millis gateOpenFor{6000}; // how long a gate stays open after its command
    FaultRates faults;
    // Qt's HTTP stack sends a request once more, at once, when its connection closes without a reply. The
    // first repeat of a dropped command that arrives within this time is dropped as well, so that the
    // remote sees the failure. Zero turns this off (for clients that do not resend).
    Millis dropRepeatWithin{250};
};

// What the server does with one request: wait, then send `status`, `contentType` and `body`, or close the
// connection without a reply when `dropConnection` is set. A body is sent one byte every `dripEvery` when
// that is set; an `endless` reply streams chunks until the connection or the server ends.
struct Reply {
    FaultKind fault = FaultKind::None;
    Millis wait{0};
    bool dropConnection = false;
    Millis dripEvery{0};
    bool endless = false;
    int status = 200;
    std::string contentType;
    std::string body;
};

// The substitute household controller without its HTTP front: receives command texts at given times,
// carries them out and writes the replies. Every member is safe to call from any thread.
class Controller {
public:
    explicit Controller(ControllerOptions options = {});

    // `command` is the dt value ("" for a poll), or the raw query when the request had no single dt
    // parameter. `now` is the controller's time since it started. Commands are carried out only when the
    // reply carries the status document, that is without a fault, late or dripping.
    Reply receive(std::string_view command, Millis now);

    Household household() const;
    void change(const std::function<void(Household&)>& edit);

    void pushFault(FaultKind kind, Millis wait = Millis{0});
    void clearFaults();

    const RequestLog& log() const { return log_; }
    RequestLog& log() { return log_; }

    const ControllerOptions& options() const { return options_; }

private:
    Fault decideFault(std::string_view command, Millis now);

    ControllerOptions options_;
    mutable std::mutex mutex_;
    Household household_;
    Weather weather_;
    FaultPlan faults_;
    std::optional<std::pair<std::string, Millis>> lastDrop_;
    RequestLog log_;
};

} // namespace otthon::sim

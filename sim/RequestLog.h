#pragma once

#include "sim/Faults.h"

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace otthon::sim {

struct LoggedRequest {
    std::string command; // the dt value, "" for a poll, or the raw query ("?...") when it has no single dt
    FaultKind fault = FaultKind::None;
    std::string refused; // the setting refused in the reply, "" when none
    Millis at{0};        // controller time of arrival
};

// Every request the controller received, in order. Safe to read from any thread while the server runs.
class RequestLog {
public:
    void add(LoggedRequest entry);
    void clear();

    std::vector<LoggedRequest> entries() const;
    std::vector<std::string> commands() const;
    std::size_t size() const;

    // Waits until at least `count` requests are logged or `timeout` has passed; true when they are.
    bool waitForSize(std::size_t count, Millis timeout) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable grown_;
    std::vector<LoggedRequest> entries_;
};

} // namespace otthon::sim

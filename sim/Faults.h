#pragma once

#include "sim/Household.h"

#include <cstdint>
#include <deque>
#include <random>
#include <string_view>

namespace otthon::sim {

enum class FaultKind {
    None,        // a normal reply
    Delay,       // a normal reply, sent late
    Drop,        // the connection is closed without a reply
    NotJson,     // status 200 with a body that is not JSON
    ServerError, // status 500 with an HTML body
    Hang,        // no reply for a long time, then the connection is closed
    Drip,        // a normal reply whose body comes one byte at a time, slowly
    Endless,     // status 200 and a chunked body that never ends
};

std::string_view faultName(FaultKind kind);

struct Fault {
    FaultKind kind = FaultKind::None;
    Millis wait{0}; // Delay: how late the reply comes; Hang: how long it is held; Drip: time between bytes
};

// How often each fault strikes, as probabilities per request (their sum at most 1), and how long the
// waits last.
struct FaultRates {
    Millis latency{0}; // added to every reply, faulty or not
    double delay = 0;
    Millis delayFor{2000};
    double drop = 0;
    double notJson = 0;
    double serverError = 0;
    double hang = 0;
    Millis hangFor{15'000}; // beyond the remote's ten-second timeout
    double drip = 0;
    Millis dripEvery{1000};
    double endless = 0;
};

// Decides the fault of each request: first from the queue that tests fill, otherwise by chance from the
// seeded generator, so the same seed gives the same faults in the same order.
class FaultPlan {
public:
    FaultPlan(std::uint64_t seed, FaultRates rates);

    // The next request that is not queued behind others gets this fault. A zero wait takes the rates' one.
    void push(FaultKind kind, Millis wait = Millis{0});
    void clear();
    std::size_t queued() const { return queue_.size(); }

    Fault next();
    const FaultRates& rates() const { return rates_; }

private:
    Fault withWait(FaultKind kind, Millis wait) const;

    std::mt19937_64 random_;
    FaultRates rates_;
    std::deque<Fault> queue_;
};

} // namespace otthon::sim

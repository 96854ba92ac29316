#include "sim/Faults.h"

#include <array>
#include <utility>

namespace otthon::sim {

std::string_view faultName(FaultKind kind) {
    switch (kind) {
    case FaultKind::None:
        return "none";
    case FaultKind::Delay:
        return "delay";
    case FaultKind::Drop:
        return "drop";
    case FaultKind::NotJson:
        return "not-json";
    case FaultKind::ServerError:
        return "server-error";
    case FaultKind::Hang:
        return "hang";
    case FaultKind::Drip:
        return "drip";
    case FaultKind::Endless:
        return "endless";
    }
    return "none";
}

FaultPlan::FaultPlan(std::uint64_t seed, FaultRates rates)
    : random_(seed ^ 0x6b617075'6d656465ULL), rates_(rates) {}

void FaultPlan::push(FaultKind kind, Millis wait) {
    queue_.push_back(withWait(kind, wait));
}

void FaultPlan::clear() {
    queue_.clear();
}

Fault FaultPlan::next() {
    if (!queue_.empty()) {
        const Fault fault = queue_.front();
        queue_.pop_front();
        return fault;
    }
    // 53 random bits give a uniform number in [0, 1).
    const double draw = static_cast<double>(random_() >> 11) * 0x1.0p-53;
    const std::array<std::pair<double, FaultKind>, 7> chances{{{rates_.delay, FaultKind::Delay},
                                                               {rates_.drop, FaultKind::Drop},
                                                               {rates_.notJson, FaultKind::NotJson},
                                                               {rates_.serverError, FaultKind::ServerError},
                                                               {rates_.hang, FaultKind::Hang},
                                                               {rates_.drip, FaultKind::Drip},
                                                               {rates_.endless, FaultKind::Endless}}};
    double below = 0;
    for (const auto& [chance, kind] : chances) {
        below += chance;
        if (draw < below)
            return withWait(kind, Millis{0});
    }
    return {};
}

Fault FaultPlan::withWait(FaultKind kind, Millis wait) const {
    if (wait == Millis{0}) {
        if (kind == FaultKind::Delay)
            wait = rates_.delayFor;
        else if (kind == FaultKind::Hang)
            wait = rates_.hangFor;
        else if (kind == FaultKind::Drip)
            wait = rates_.dripEvery;
    }
    return {kind, wait};
}

} // namespace otthon::sim

#pragma once

#include "sim/Household.h"

#include <cstdint>
#include <random>

namespace otthon::sim {

// Moves the readings in small steps, one step per ten seconds of controller time, drawn from a seeded
// generator: the same seed and the same request times give the same readings. Room temperatures follow
// their thermostat setpoints; rain comes and goes. A steady weather changes nothing.
class Weather {
public:
    static constexpr Millis step{10'000};

    Weather(std::uint64_t seed, bool steady);

    // Brings the readings up to `now`; times earlier than the last call change nothing.
    void advance(Household& household, Millis now);

private:
    void stepOnce(Household& household);
    int between(int low, int high);
    bool chance(int oneIn);
    void drift(int& value, int target, int spread);

    std::mt19937_64 random_;
    bool steady_;
    Millis reached_{0};
};

} // namespace otthon::sim

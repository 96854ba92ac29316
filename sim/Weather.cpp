#include "sim/Weather.h"

namespace otthon::sim {

namespace {
// A controller left alone for a long time catches up with at most this many steps.
constexpr std::int64_t maxCatchUp = 1000;
} // namespace

Weather::Weather(std::uint64_t seed, bool steady) : random_(seed), steady_(steady) {}

void Weather::advance(Household& household, Millis now) {
    if (now <= reached_)
        return;
    std::int64_t steps = (now - reached_) / step;
    reached_ += step * steps;
    if (steady_)
        return;
    for (steps = std::min(steps, maxCatchUp); steps > 0; --steps)
        stepOnce(household);
}

void Weather::stepOnce(Household& h) {
    drift(h.bedroom.tenths, h.thermostats[Bedroom].setpoint * 10 - 3, 4);
    drift(h.livingRoom.tenths, h.thermostats[LivingRoom].setpoint * 10 - 3, 4);
    drift(h.bedroom.humidity, 46, 4);
    drift(h.livingRoom.humidity, 43, 4);
    drift(h.outside.tenths, h.raining ? 60 : 90, 30);
    drift(h.outside.humidity, h.raining ? 90 : 70, 6);
    drift(h.cellar.tenths, 128, 5);
    drift(h.cellar.humidity, 67, 3);
    if (chance(6))
        drift(h.pressure, h.raining ? 1004 : 1016, 6);
    if (chance(3))
        drift(h.poolTenths, 255, 12);
    // Showers last about five minutes, dry spells about a quarter of an hour.
    if (chance(h.raining ? 30 : 90))
        h.raining = !h.raining;
}

int Weather::between(int low, int high) {
    return low + static_cast<int>(random_() % static_cast<std::uint64_t>(high - low + 1));
}

bool Weather::chance(int oneIn) {
    return between(1, oneIn) == 1;
}

// A random walk of at most one unit per step that returns towards `target` once it strays past `spread`.
void Weather::drift(int& value, int target, int spread) {
    if (value > target + spread)
        value -= 1;
    else if (value < target - spread)
        value += 1;
    else
        value += between(-1, 1);
}

} // namespace otthon::sim

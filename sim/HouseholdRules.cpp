#include "sim/HouseholdRules.h"

#include <algorithm>

namespace otthon::sim {

namespace {

struct Rules {
    Household& h;
    Millis now;
    Millis gateOpenFor;

    std::string operator()(const Poll&) const { return {}; }

    std::string operator()(const OpenGate& c) const {
        Gate& gate = h.gates[static_cast<std::size_t>(c.gate)];
        gate.locked = false;
        gate.relockAt = now + gateOpenFor;
        return {};
    }

    std::string operator()(const SetThermostat& c) const {
        h.thermostats[c.row] = Thermostat{c.setpoint, c.heating};
        return {};
    }

    std::string operator()(const RadioOn& c) const {
        if (c.station < 0 || static_cast<std::size_t>(c.station) >= h.stations.size())
            return std::string(refusal::radio);
        h.radio = Radio{c.volume, c.station, true};
        return {};
    }

    std::string operator()(const RadioOff&) const {
        h.radio.playing = false;
        return {};
    }

    std::string operator()(const SetPoolPump& c) const {
        h.poolPump = c.on;
        return {};
    }

    std::string operator()(const SetIrrigation& c) const {
        h.irrigation = c.switches;
        return {};
    }

    std::string operator()(const AddPoolSlot& c) const {
        return add(h.poolSchedule, c.slot, poolPlaceholder, refusal::poolSchedule);
    }
    std::string operator()(const DeletePoolSlot& c) const {
        return remove(h.poolSchedule, c.slot, refusal::poolSchedule);
    }
    std::string operator()(const UpdatePoolSlot& c) const {
        return update(h.poolSchedule, c.old, c.slot, refusal::poolSchedule);
    }
    std::string operator()(const AddIrrigationSlot& c) const {
        return add(h.irrigationSchedule, c.slot, irrigationPlaceholder, refusal::irrigationSchedule);
    }
    std::string operator()(const DeleteIrrigationSlot& c) const {
        return remove(h.irrigationSchedule, c.slot, refusal::irrigationSchedule);
    }
    std::string operator()(const UpdateIrrigationSlot& c) const {
        return update(h.irrigationSchedule, c.old, c.slot, refusal::irrigationSchedule);
    }

    // A new slot goes to the end; the lists expect it after the slots they already show.
    template <typename Slot>
    static std::string add(std::vector<Slot>& slots, const Slot& slot, const Slot& placeholder,
                           std::string_view setting) {
        if (std::find(slots.begin(), slots.end(), placeholder) != slots.end())
            return std::string(setting);
        slots.push_back(slot);
        return {};
    }

    template <typename Slot>
    static std::string remove(std::vector<Slot>& slots, const Slot& slot, std::string_view setting) {
        const auto found = std::find(slots.begin(), slots.end(), slot);
        if (found == slots.end())
            return std::string(setting);
        slots.erase(found);
        return {};
    }

    // The slot keeps its place, so the lists' row numbers stay valid.
    template <typename Slot>
    static std::string update(std::vector<Slot>& slots, const Slot& old, const Slot& slot,
                              std::string_view setting) {
        const auto found = std::find(slots.begin(), slots.end(), old);
        if (found == slots.end())
            return std::string(setting);
        *found = slot;
        return {};
    }
};

} // namespace

std::string applyCommand(Household& household, const Command& command, Millis now, Millis gateOpenFor) {
    return std::visit(Rules{household, now, gateOpenFor}, command);
}

void relockGates(Household& household, Millis now) {
    for (Gate& gate : household.gates) {
        if (gate.relockAt && now >= *gate.relockAt) {
            gate.locked = true;
            gate.relockAt.reset();
        }
    }
}

} // namespace otthon::sim

#include "sim/Command.h"

#include <optional>
#include <vector>

namespace otthon::sim {

namespace {

using Fields = std::vector<std::string_view>;

Fields split(std::string_view text) {
    Fields fields;
    std::size_t from = 0;
    for (;;) {
        const std::size_t colon = text.find(':', from);
        fields.push_back(text.substr(from, colon - from));
        if (colon == std::string_view::npos)
            return fields;
        from = colon + 1;
    }
}

// Decimal digits without sign and without leading zeros, as the remote writes whole numbers.
std::optional<int> wholeNumber(std::string_view text, int min, int max) {
    if (text.empty() || text.size() > 6 || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<bool> flag(std::string_view text) {
    if (text == "0" || text == "1")
        return text == "1";
    return std::nullopt;
}

std::optional<int> zone(std::string_view text) {
    if (text.size() == 2 && text[0] == 'Z' && text[1] >= '1' && text[1] <= '6')
        return text[1] - '0';
    return std::nullopt;
}

// A start time (two fields, hour and minute) followed by a duration.
std::optional<PoolSlot> poolSlot(const Fields& f, std::size_t at) {
    const auto hour = wholeNumber(f[at], 0, 23);
    const auto minute = wholeNumber(f[at + 1], 0, 59);
    const auto minutes = wholeNumber(f[at + 2], 0, 59);
    if (!hour || !minute || !minutes)
        return std::nullopt;
    return PoolSlot{{*hour, *minute}, *minutes};
}

// Start time, duration and zone code, in the order the remote sends them.
std::optional<IrrigationSlot> irrigationSlot(const Fields& f, std::size_t at) {
    const auto slot = poolSlot(f, at);
    const auto code = zone(f[at + 3]);
    if (!slot || !code)
        return std::nullopt;
    return IrrigationSlot{*code, slot->start, slot->minutes};
}

ParsedCommand refused(std::string_view setting) {
    return {Poll{}, std::string(setting)};
}

ParsedCommand gate(const Fields& f) {
    if (f.size() != 1)
        return refused(refusal::malformed);
    if (f[0] == "K1" || f[0] == "K2")
        return {OpenGate{f[0] == "K1" ? 0 : 1}, {}};
    return refused(refusal::gate);
}

ParsedCommand thermostat(const Fields& f) {
    if (f.size() != 4 || (f[0] != "Halo" && f[0] != "Nappali"))
        return refused(refusal::malformed);
    const bool bedroom = f[0] == "Halo";
    const auto setpoint = wholeNumber(f[1], 5, 35);
    const auto heating = flag(f[3]);
    if (!setpoint || f[2] != "0" || !heating)
        return refused(bedroom ? refusal::bedroom : refusal::livingRoom);
    return {SetThermostat{bedroom ? Bedroom : LivingRoom, *setpoint, *heating}, {}};
}

ParsedCommand radio(const Fields& f) {
    if (f.size() == 1 && f[0] == "KI")
        return {RadioOff{}, {}};
    if (f.size() != 3 || f[0] != "BE")
        return refused(refusal::malformed);
    const auto volume = wholeNumber(f[1], 0, 100);
    const auto station = wholeNumber(f[2], 0, 999);
    if (!volume || !station)
        return refused(refusal::radio);
    return {RadioOn{*volume, *station}, {}};
}

ParsedCommand poolPump(const Fields& f) {
    if (f.size() != 2 || f[0] != "Medence")
        return refused(refusal::malformed);
    const auto on = flag(f[1]);
    if (!on)
        return refused(refusal::poolPump);
    return {SetPoolPump{*on}, {}};
}

ParsedCommand irrigationSwitches(const Fields& f) {
    if (f.size() != 8)
        return refused(refusal::malformed);
    SetIrrigation command;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const auto on = flag(f[i]);
        if (!on)
            return refused(refusal::irrigation);
        command.switches[i] = *on;
    }
    return {command, {}};
}

template <typename Make> ParsedCommand poolSlots(const Fields& f, std::size_t count, Make make) {
    if (f.size() != count)
        return refused(refusal::malformed);
    const auto slot = poolSlot(f, 0);
    const auto old = count == 6 ? poolSlot(f, 3) : slot;
    if (!slot || !old)
        return refused(refusal::poolSchedule);
    return {make(*slot, *old), {}};
}

template <typename Make> ParsedCommand irrigationSlots(const Fields& f, std::size_t count, Make make) {
    if (f.size() != count)
        return refused(refusal::malformed);
    const auto slot = irrigationSlot(f, 0);
    const auto old = count == 8 ? irrigationSlot(f, 4) : slot;
    if (!slot || !old)
        return refused(refusal::irrigationSchedule);
    return {make(*slot, *old), {}};
}

} // namespace

ParsedCommand parseCommand(std::string_view text) {
    if (text.empty())
        return {Poll{}, {}};
    Fields fields = split(text);
    const std::string_view verb = fields.front();
    fields.erase(fields.begin());

    if (verb == "kapu")
        return gate(fields);
    if (verb == "temp")
        return thermostat(fields);
    if (verb == "radio")
        return radio(fields);
    if (verb == "Allsett")
        return poolPump(fields);
    if (verb == "Ontozosett")
        return irrigationSwitches(fields);
    if (verb == "Pooladd")
        return poolSlots(fields, 3, [](PoolSlot s, PoolSlot) -> Command { return AddPoolSlot{s}; });
    if (verb == "Pooldel")
        return poolSlots(fields, 3, [](PoolSlot s, PoolSlot) -> Command { return DeletePoolSlot{s}; });
    if (verb == "Poolup")
        return poolSlots(fields, 6, [](PoolSlot s, PoolSlot o) -> Command { return UpdatePoolSlot{s, o}; });
    if (verb == "Ontozoadd")
        return irrigationSlots(
            fields, 4, [](IrrigationSlot s, IrrigationSlot) -> Command { return AddIrrigationSlot{s}; });
    if (verb == "Ontozodel")
        return irrigationSlots(
            fields, 4, [](IrrigationSlot s, IrrigationSlot) -> Command { return DeleteIrrigationSlot{s}; });
    if (verb == "Ontozoup")
        return irrigationSlots(fields, 8, [](IrrigationSlot s, IrrigationSlot o) -> Command {
            return UpdateIrrigationSlot{s, o};
        });
    return refused(refusal::malformed);
}

} // namespace otthon::sim

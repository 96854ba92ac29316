#pragma once

#include "sim/Household.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

namespace otthon::sim {

struct Poll {};
struct OpenGate {
    int gate = 0; // 0 for "K1", 1 for "K2"
};
struct SetThermostat {
    ThermostatRow row = Bedroom;
    int setpoint = 0;
    bool heating = false;
};
struct RadioOn {
    int volume = 0;
    int station = 0;
};
struct RadioOff {};
struct SetPoolPump {
    bool on = false;
};
struct AddPoolSlot {
    PoolSlot slot;
};
struct DeletePoolSlot {
    PoolSlot slot;
};
struct UpdatePoolSlot {
    PoolSlot slot;
    PoolSlot old;
};
struct SetIrrigation {
    std::array<bool, 8> switches{};
};
struct AddIrrigationSlot {
    IrrigationSlot slot;
};
struct DeleteIrrigationSlot {
    IrrigationSlot slot;
};
struct UpdateIrrigationSlot {
    IrrigationSlot slot;
    IrrigationSlot old;
};

using Command = std::variant<Poll, OpenGate, SetThermostat, RadioOn, RadioOff, SetPoolPump, AddPoolSlot,
                             DeletePoolSlot, UpdatePoolSlot, SetIrrigation, AddIrrigationSlot,
                             DeleteIrrigationSlot, UpdateIrrigationSlot>;

// Names of refused settings, as the error report carries them.
namespace refusal {
inline constexpr std::string_view malformed = "parancs";
inline constexpr std::string_view gate = "Kapu";
inline constexpr std::string_view bedroom = "Halo";
inline constexpr std::string_view livingRoom = "Nappali";
inline constexpr std::string_view radio = "Radio";
inline constexpr std::string_view poolPump = "Medence";
inline constexpr std::string_view poolSchedule = "Medence idopont";
inline constexpr std::string_view irrigation = "Ontozo";
inline constexpr std::string_view irrigationSchedule = "Ontozo idopont";
} // namespace refusal

struct ParsedCommand {
    Command command;
    std::string refusal; // the refused setting; empty when the text is a valid command
};

// Reads a command text (the dt value, "" for a poll): a verb and a fixed number of colon-separated fields.
// Checks every field that can be judged without the household; the station index and the slots named by
// deletes and updates are checked when the command is applied.
ParsedCommand parseCommand(std::string_view text);

} // namespace otthon::sim

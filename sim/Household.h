#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace otthon::sim {

using Millis = std::chrono::milliseconds;

// A time of day as the controller writes it: hour, ":" and minute without leading zeros ("6:30", "0:0").
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    bool operator==(const TimeOfDay&) const = default;
};

struct PoolSlot {
    TimeOfDay start;
    int minutes = 0;
    bool operator==(const PoolSlot&) const = default;
};

struct IrrigationSlot {
    int zone = 1; // 1..6, written as "Z1".."Z6"
    TimeOfDay start;
    int minutes = 0;
    bool operator==(const IrrigationSlot&) const = default;
};

// The slots that the schedule lists ask for when the user adds one; only one of each may exist at a time.
inline constexpr PoolSlot poolPlaceholder{};
inline constexpr IrrigationSlot irrigationPlaceholder{};

// Temperatures are kept in tenths of a degree so that they print exactly ("21.5", "-3.0").
struct Climate {
    int tenths = 0;
    int humidity = 0; // percent
};

struct Gate {
    bool locked = true;
    std::optional<Millis> relockAt; // while open: when it locks again
};

struct Thermostat {
    int setpoint = 21; // whole degrees
    bool heating = true;
};

struct Radio {
    int volume = 35;
    int station = 2;
    bool playing = false;
};

// Rows of the thermostat table.
enum ThermostatRow { Bedroom = 0, LivingRoom = 1 };

// Entries of the irrigation switches, in the order of the switch table rows 2..9.
enum IrrigationSwitch { WholeIrrigation = 0, Master = 1, FirstZone = 2 };

// Everything the household controller knows and reports.
struct Household {
    Climate bedroom{214, 46};
    Climate livingRoom{221, 43};
    Climate outside{87, 72};
    bool raining = false;
    int pressure = 1013; // hPa
    std::array<Gate, 2> gates{};
    Climate cellar{128, 67};
    int poolTenths = 254;
    std::array<Thermostat, 2> thermostats{Thermostat{21, true}, Thermostat{22, true}};
    Radio radio{};
    bool poolPump = true;
    std::array<bool, 8> irrigation{true, false, false, false, false, false, false, false};
    std::vector<std::string> stations;
    std::vector<IrrigationSlot> irrigationSchedule;
    std::vector<PoolSlot> poolSchedule;
};

// The household as it stands when the controller starts: ten stations, a morning and an evening watering,
// two pool circulation runs.
Household initialHousehold();

} // namespace otthon::sim

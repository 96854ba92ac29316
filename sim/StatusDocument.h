#pragma once

#include "sim/Household.h"

#include <string>
#include <string_view>

namespace otthon::sim {

// The reply to every request: a JSON array of seven elements (sensors, irrigation schedule, thermostats,
// switches, radio stations, pool schedule, error report). Every value is a text; an empty schedule is null.
// The error report is ["OK"], or ["HIBA", refused] when `refused` is not empty.
std::string writeStatusDocument(const Household& household, std::string_view refused);

// "21.5" from 215, "-0.5" from -5.
std::string tenthsText(int tenths);

// "6:30", "0:0".
std::string timeText(TimeOfDay time);

} // namespace otthon::sim

#pragma once

#include "sim/Command.h"
#include "sim/Household.h"

#include <string>

namespace otthon::sim {

// Carries out a parsed command at time `now`. Returns the refused setting, or "" when the command was
// carried out; a refused command leaves the household as it was.
std::string applyCommand(Household& household, const Command& command, Millis now, Millis gateOpenFor);

// Locks every gate whose open time has run out by `now`.
void relockGates(Household& household, Millis now);

} // namespace otthon::sim

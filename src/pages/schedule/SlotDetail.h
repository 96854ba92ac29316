#pragma once

#include "pages/schedule/Slot.h"

namespace otthon {

// The second line of a schedule row: the slot as a clock and a timer read it, "08:00 · 45 perc", after the
// zone's name when there is one ("Zóna 1 · 05:30 · 15 perc"). Empty when the slot does not read as a time of
// day (an hour of 0 to 23 and a minute of 0 to 59, each of one or two digits, around one ':') and a duration
// of whole minutes up to a day.
QString slotDetail(const Slot& slot, const QString& zoneName = {});

} // namespace otthon

#pragma once

#include "pages/schedule/Slot.h"

namespace otthon {

// The irrigation schedule: element 1, rows of a zone code, a start and a duration; an added slot is zone
// "Z1".
inline constexpr ScheduleElement IrrigationSchedule{
    .element = 1,
    .columns = {.zone = 0, .start = 1, .duration = 2},
    .placeholderZone = u"Z1",
    .refreshNotification = u"OntozoTableRefresh",
};

} // namespace otthon

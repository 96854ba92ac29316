#pragma once

#include "pages/schedule/Slot.h"

namespace otthon {

// The pool schedule: element 5, rows of a start and a duration.
inline constexpr ScheduleElement PoolSchedule{
    .element = 5,
    .columns = {.zone = -1, .start = 0, .duration = 1},
    .placeholderZone = u"",
    .refreshNotification = u"MedenceTableRefresh",
};

} // namespace otthon

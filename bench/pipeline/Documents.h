#pragma once

#include <QByteArray>

namespace otthon::bench {

// A reply as the controller sends it, compact JSON, with `scheduleRows` slots in each of the two schedules.
QByteArray replyBytes(int scheduleRows);

} // namespace otthon::bench

#pragma once

#include "pages/PageContext.h"
#include "platform/Scheduler.h"
#include "platform/ui/Timeline.h"

#include <QDateTime>
#include <QJsonArray>

#include <functional>

namespace otthon {

struct Overlaps;
struct ScheduleListKind;

// A schedule drawn as a day from 0:00 to 24:00: the lanes, a bar per slot that claims minutes, and the
// schedule row (slot number − 1) of each bar. A slot claims what the overlap summary says it claims; a bar
// shows the part of it within the day, and one that runs past midnight ends at 24:00 and is marked as going
// on.
struct DayTimeline {
    QStringList lanes;
    QList<TimelineBar> bars;
    QList<int> rows;

    // A lane per zone, named as ZonaNevek, and a bar per slot of `overlaps` whose zone is one of ZonaKodok;
    // a bar clashes when the overlap summary lists its slot.
    static DayTimeline irrigation(const StatusModel& model, const Overlaps& overlaps);
    // One lane without a name, and a bar per slot whose row has a start and a duration; pool slots never
    // clash.
    static DayTimeline pool(const StatusModel& model);
    // Minutes since midnight of `time`.
    static int minuteOf(const QDateTime& time);
};

// A summary's timeline outlet: shows a day, keeps its mark on the wall clock's minute, and opens the editor
// of a bar's slot when the bar is touched, as a touch on the slot's list row does. The slots are those of the
// reply the day was drawn from.
class TimelineOutlet {
public:
    static constexpr double ClockInterval = 10.0;

    void show(PageContext& context, Timeline& element, const ScheduleListKind& list, DayTimeline day);
    // Calls `redraw` whenever the schedule drawn has changed: after an exchange whose reply carries another
    // schedule, and when an editor (one a bar opened, say) writes its change into the document.
    void follow(PageContext& context, const ScheduleListKind& list, QObject& screen,
                std::function<void()> redraw);

private:
    QList<int> rows_;
    QJsonArray schedule_;
    ScopedTimer clock_;
    QMetaObject::Connection tapped_;
};

} // namespace otthon

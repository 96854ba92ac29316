#include "pages/schedule/DayTimeline.h"

#include "link/LinkEvents.h"
#include "pages/irrigation/IrrigationSchedule.h"
#include "pages/irrigation/Overlaps.h"
#include "pages/pool/PoolSchedule.h"
#include "pages/schedule/ScheduleList.h"
#include "platform/ui/NotificationCenter.h"

#include <algorithm>

namespace otthon {

namespace {

// The part of [first, end) within the day.
TimelineBar within(int lane, Overlaps::Span span, bool clash) {
    const auto day = [](qint64 minute) { return int(std::clamp<qint64>(minute, 0, Timeline::DayMinutes)); };
    return {lane, day(span.first), day(span.end), clash, span.end > Timeline::DayMinutes};
}

} // namespace

DayTimeline DayTimeline::irrigation(const StatusModel& model, const Overlaps& overlaps) {
    DayTimeline day;
    day.lanes = model.ZonaNevek.mid(0, Overlaps::ZoneCount);
    day.bars.reserve(qsizetype(overlaps.claims.size()));
    day.rows.reserve(qsizetype(overlaps.claims.size()));
    for (const Overlaps::Claim& claim : overlaps.claims) {
        if (claim.zone < 0 || claim.zone >= day.lanes.size())
            continue;
        day.bars.append(within(int(claim.zone), claim.span, claim.clash));
        day.rows.append(int(claim.row));
    }
    return day;
}

DayTimeline DayTimeline::pool(const StatusModel& model) {
    DayTimeline day;
    day.lanes = QStringList{QString()};
    const SlotColumns& columns = PoolSchedule.columns;
    const QJsonArray rows = Schedule(model.StatusDocument, PoolSchedule.element).rows();
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QJsonArray cells = rows.at(row).toArray();
        if (cells.size() < 2)
            continue;
        const std::optional<Overlaps::Span> span = Overlaps::span(
            textOf(cells.constBegin()[columns.start]), integerOf(cells.constBegin()[columns.duration]));
        if (!span)
            continue;
        day.bars.append(within(0, *span, false));
        day.rows.append(int(row));
    }
    return day;
}

int DayTimeline::minuteOf(const QDateTime& time) {
    const QTime clock = time.time();
    return clock.hour() * 60 + clock.minute();
}

void TimelineOutlet::show(PageContext& context, Timeline& element, const ScheduleListKind& list,
                          DayTimeline day) {
    rows_ = std::move(day.rows);
    schedule_ = Schedule(context.model().StatusDocument, list.schedule.element).rows();
    element.setBars(day.lanes, day.bars);
    Scheduler& scheduler = context.scheduler();
    const auto tick = [&element, &scheduler] {
        element.setNow(DayTimeline::minuteOf(scheduler.wallClock()));
    };
    tick();
    clock_ = ScopedTimer(scheduler, scheduler.start(ClockInterval, true, tick));
    QObject::disconnect(tapped_);
    tapped_ = QObject::connect(&element, &Timeline::barTapped, &element, [this, &context, &list](int bar) {
        const int row = rows_.value(bar, -1);
        if (row >= 0 && row < schedule_.size())
            ScheduleList::openEditor(context, list,
                                     Slot::read(schedule_.constBegin()[row], list.schedule.columns), row);
    });
}

void TimelineOutlet::follow(PageContext& context, const ScheduleListKind& list, QObject& screen,
                            std::function<void()> redraw) {
    const auto changed = [this, &context, &list] {
        return Schedule(context.model().StatusDocument, list.schedule.element).rows() != schedule_;
    };
    QObject::connect(&context.link.events, &LinkEvents::exchangeEnded, &screen, [changed, redraw] {
        if (changed())
            redraw();
    });
    context.notifications.addObserver(&screen, list.schedule.refreshNotification.toString(),
                                      [redraw](const QString&, QObject*) { redraw(); });
}

} // namespace otthon

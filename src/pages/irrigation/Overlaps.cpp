#include "pages/irrigation/Overlaps.h"

#include "link/StatusModel.h"
#include "pages/irrigation/IrrigationSchedule.h"
#include "pages/irrigation/ZoneName.h"

#include <limits>
#include <map>

namespace otthon {

namespace {

constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();

qint64 saturatedAdd(qint64 a, qint64 b) {
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? Max : Min;
    return sum;
}

qint64 saturatedMinutes(qint64 hours) {
    qint64 minutes = 0;
    if (__builtin_mul_overflow(hours, qint64(60), &minutes))
        return hours > 0 ? Max : Min;
    return minutes;
}

// Minutes already claimed, as disjoint intervals [start, end) keyed by start, neighbours merged.
class Claimed {
public:
    // Claims [start, end); true when part of it was claimed before.
    bool claim(qint64 start, qint64 end) {
        auto next = intervals_.upper_bound(start);
        bool clashes = false;
        if (next != intervals_.begin()) {
            auto before = std::prev(next);
            if (before->second >= start) { // overlapping or touching: grows into the new one
                clashes = before->second > start;
                start = before->first;
                end = std::max(end, before->second);
                next = intervals_.erase(before);
            }
        }
        while (next != intervals_.end() && next->first <= end) {
            clashes = clashes || next->first < end;
            end = std::max(end, next->second);
            next = intervals_.erase(next);
        }
        intervals_.emplace_hint(next, start, end);
        return clashes;
    }

private:
    std::map<qint64, qint64> intervals_;
};

} // namespace

Overlaps Overlaps::of(const StatusModel& model) {
    Overlaps result;
    const SlotColumns& columns = IrrigationSchedule.columns;
    const QJsonArray rows = Schedule(model.StatusDocument, IrrigationSchedule.element).rows();
    Claimed claimed;
    qsizetype number = 0;
    for (QJsonValueConstRef row : rows) {
        ++number;
        const QJsonArray cells = row.toArray();
        if (cells.size() < 3)
            continue;
        const Slot slot = Slot::read(row, columns);
        if (!slot.start.contains(u':'))
            continue;
        const qint64 duration = integerOf(cells.constBegin()[columns.duration]);
        if (duration >= 1) {
            const qint64 start = saturatedAdd(saturatedMinutes(slot.hour()), slot.minute());
            const qint64 end = saturatedAdd(start, duration);
            if (start < end && claimed.claim(start, end))
                result.clashes.append(QStringLiteral("Időpont %1 %2")
                                          .arg(QString::number(number), zoneName(model, slot.zone)));
        }
        const qsizetype zone = model.ZonaKodok.indexOf(slot.zone);
        if (zone >= 0 && zone < ZoneCount)
            result.totals[size_t(zone)] = saturatedAdd(result.totals[size_t(zone)], duration);
    }
    return result;
}

} // namespace otthon

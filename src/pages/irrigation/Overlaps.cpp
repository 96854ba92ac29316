#include "pages/irrigation/Overlaps.h"

#include "link/StatusModel.h"
#include "pages/irrigation/IrrigationSchedule.h"
#include "pages/irrigation/ZoneName.h"

#include <QStringBuilder>

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

std::optional<Overlaps::Span> Overlaps::span(QStringView start, qint64 duration) {
    const qsizetype colon = start.indexOf(u':');
    if (colon < 0 || duration < 1)
        return std::nullopt;
    const qint64 hour = integerOfText(start.first(colon));
    const qint64 minute = integerOfText(start.sliced(colon + 1));
    const qint64 first = saturatedAdd(saturatedMinutes(hour), minute);
    const qint64 end = saturatedAdd(first, duration);
    if (first >= end)
        return std::nullopt;
    return Span{first, end};
}

Overlaps Overlaps::of(const StatusModel& model) {
    Overlaps result;
    const SlotColumns& columns = IrrigationSchedule.columns;
    const QJsonArray rows = Schedule(model.StatusDocument, IrrigationSchedule.element).rows();
    Claimed claimed;
    result.claims.reserve(size_t(rows.size()));
    qsizetype number = 0;
    for (QJsonValueConstRef row : rows) {
        ++number;
        const QJsonArray cells = row.toArray();
        if (cells.size() < 3)
            continue;
        // The cells are read where they stand: a summary of many slots is mostly reading.
        const QString start = textOf(cells.constBegin()[columns.start]);
        const qsizetype colon = start.indexOf(u':');
        if (colon < 0)
            continue;
        const QString zone = textOf(cells.constBegin()[columns.zone]);
        const qint64 duration = integerOf(cells.constBegin()[columns.duration]);
        qsizetype index = model.ZonaKodok.indexOf(zone);
        if (index >= ZoneCount)
            index = -1;
        if (const std::optional<Span> minutes = span(start, duration)) {
            const bool clash = claimed.claim(minutes->first, minutes->end);
            if (clash)
                result.clashes.append(
                    QString(u"Időpont " % QString::number(number) % u' ' % zoneName(model, zone)));
            result.claims.push_back({number - 1, index, *minutes, clash});
        }
        if (index >= 0)
            result.totals[size_t(index)] = saturatedAdd(result.totals[size_t(index)], duration);
    }
    return result;
}

} // namespace otthon

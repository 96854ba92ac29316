#pragma once

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace otthon {

struct StatusModel;

// What the overlap summary shows of the irrigation schedule in the kept reply.
struct Overlaps {
    static constexpr int ZoneCount = 6;

    // "Időpont N name" for each slot that claims a minute an earlier slot claimed, in slot order, each slot
    // once. A zone code that is not one of ZonaKodok stands for itself.
    QStringList clashes;
    // Each zone's scheduled minutes, in the order of ZonaKodok: every duration of the zone added up, zero and
    // negative ones too, sticking at the ends of the 64-bit range.
    std::array<qint64, ZoneCount> totals{};

    // The minutes [first, end) a slot claims, as a day's timeline draws it.
    struct Span {
        qint64 first;
        qint64 end;
    };
    // A slot that claims minutes: its row in the schedule (slot number − 1), its zone's index in ZonaKodok
    // (-1 for a code that is not one of them), its minutes, and whether an earlier slot claimed one of them.
    struct Claim {
        qsizetype row;
        qsizetype zone;
        Span span;
        bool clash;
    };
    // Every slot that claims minutes, in slot order.
    std::vector<Claim> claims;

    // The minutes a slot with start text `start` ("hour:minute") claims for `duration` minutes: none for a
    // start without ':' or a duration below 1. Sums stick at the ends of the 64-bit range.
    static std::optional<Span> span(QStringView start, qint64 duration);

    // A slot claims the minutes from its start (hour × 60 + minute, without wrapping at midnight) for its
    // duration. Rows of fewer than three columns, and starts without ':', are left out. Worked out from the
    // slots' intervals, so any integer a reply carries costs the same and stays in range.
    static Overlaps of(const StatusModel& model);
};

} // namespace otthon

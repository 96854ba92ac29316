#pragma once

#include <QJsonArray>
#include <QString>

namespace otthon {

class StatusTree;

// Where a slot's fields stand in a row of its schedule element; -1 for a field the schedule does not have.
struct SlotColumns {
    int zone = -1;
    int start = 0;
    int duration = 1;
};

// One schedule of the kept reply: its element, its columns, the zone of the slot the add commands ask for
// ("" without zones), and the notification its editor posts after a change.
struct ScheduleElement {
    int element;
    SlotColumns columns;
    QStringView placeholderZone;
    QStringView refreshNotification;
};

// One slot of a schedule, as the controller sent it: the text form of each field ("" where it is missing).
struct Slot {
    QString zone;
    QString start;    // hour ":" minute, as in "6:30"
    QString duration; // whole minutes

    bool operator==(const Slot&) const = default;

    // The slot the add commands ask for: "0:0", "0", and `zone` ("Z1" for irrigation, none for the pool).
    static Slot placeholder(QStringView zone) {
        return {zone.toString(), QStringLiteral("0:0"), QStringLiteral("0")};
    }
    // The slot in one row of a schedule element (a row that is not an array has every field missing).
    static Slot read(QJsonValueConstRef row, const SlotColumns& columns);

    // Whether the slot may go into a command as it stands: a start of digits ":" digits, a duration of digits
    // and a zone without ':'. Anything else would add or shift the controller's fields.
    bool isSendable() const;
    // The hour and the minute of the start: the integers of the texts before and after its first ':'.
    qint64 hour() const;
    qint64 minute() const;
};

// The rows of one schedule element of the kept reply: null (no slot), an array of rows, or absent.
class Schedule {
public:
    Schedule(const StatusTree& document, int element);

    bool isNull() const { return null_; }
    const QJsonArray& rows() const { return rows_; }
    int size() const { return int(rows_.size()); }
    Slot slot(int row, const SlotColumns& columns) const;
    // The row that holds `slot`: `hint` when it still does, otherwise the first one that does; -1 for none.
    int find(const Slot& slot, const SlotColumns& columns, int hint = -1) const;

private:
    QJsonArray rows_;
    bool null_;
};

} // namespace otthon

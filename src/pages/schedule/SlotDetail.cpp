#include "pages/schedule/SlotDetail.h"

#include <QStringBuilder>

namespace otthon {

namespace {

constexpr int MinutesPerDay = 24 * 60;

// The value of a text of one to `digits` decimal digits, or -1.
int smallNumber(QStringView text, qsizetype digits) {
    if (text.isEmpty() || text.size() > digits)
        return -1;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString slotDetail(const Slot& slot, const QString& zoneName) {
    const qsizetype colon = slot.start.indexOf(u':');
    if (colon < 0)
        return {};
    const int hour = smallNumber(QStringView(slot.start).first(colon), 2);
    const int minute = smallNumber(QStringView(slot.start).sliced(colon + 1), 2);
    const int minutes = smallNumber(slot.duration, 4);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || minutes < 0 || minutes > MinutesPerDay)
        return {};
    const QString line = twoDigits(hour) % u':' % twoDigits(minute) % QStringLiteral(" · ") %
                         QString::number(minutes) % QStringLiteral(" perc");
    return zoneName.isEmpty() ? line : zoneName % QStringLiteral(" · ") % line;
}

} // namespace otthon

#include "pages/schedule/Slot.h"

#include "link/StatusTree.h"

namespace otthon {

namespace {

QString cell(const QJsonArray& row, int column) {
    return column >= 0 && column < row.size() ? textOf(row.constBegin()[column]) : QString();
}

bool isDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

Slot Slot::read(QJsonValueConstRef row, const SlotColumns& columns) {
    const QJsonArray cells = row.toArray();
    return {cell(cells, columns.zone), cell(cells, columns.start), cell(cells, columns.duration)};
}

bool Slot::isSendable() const {
    const qsizetype colon = start.indexOf(u':');
    return colon >= 0 && isDigits(QStringView(start).left(colon)) &&
           isDigits(QStringView(start).mid(colon + 1)) && isDigits(duration) && !zone.contains(u':');
}

qint64 Slot::hour() const {
    const qsizetype colon = start.indexOf(u':');
    return integerOfText(colon < 0 ? QStringView(start) : QStringView(start).first(colon));
}

// Reading stops at the next ':', so the rest of the text does not count.
qint64 Slot::minute() const {
    const qsizetype colon = start.indexOf(u':');
    return colon < 0 ? 0 : integerOfText(QStringView(start).sliced(colon + 1));
}

Schedule::Schedule(const StatusTree& document, int element)
    : rows_(document.at(element).toArray()), null_(document.isNull(element)) {}

Slot Schedule::slot(int row, const SlotColumns& columns) const {
    return row >= 0 && row < size() ? Slot::read(rows_.constBegin()[row], columns) : Slot();
}

int Schedule::find(const Slot& slot, const SlotColumns& columns, int hint) const {
    if (hint >= 0 && hint < size() && this->slot(hint, columns) == slot)
        return hint;
    for (int row = 0; row < size(); ++row)
        if (this->slot(row, columns) == slot)
            return row;
    return -1;
}

} // namespace otthon

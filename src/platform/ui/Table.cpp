#include "platform/ui/Table.h"

#include <QJsonArray>

#include <algorithm>

namespace otthon {

namespace {
QString styleName(int style) {
    switch (style) {
    case Table::Delete:
        return QStringLiteral("delete");
    case Table::Insert:
        return QStringLiteral("insert");
    default:
        return QStringLiteral("none");
    }
}

bool hasDisclosure(const TableRow& row) {
    return row.accessory == TableRow::Accessory::Disclosure;
}
} // namespace

QJsonObject Table::describe() const {
    QJsonObject d = ViewElement::describe();
    d.insert("editing", editing_);
    QJsonArray rows;
    for (const TableRow& row : this->rows())
        rows.append(QJsonObject{{"text", row.text},
                                {"detail", row.detail},
                                {"accessory", hasDisclosure(row) ? QJsonValue("disclosure") : QJsonValue()},
                                {"style", styleName(row.style)}});
    d.insert("rows", rows);
    return d;
}

void Table::setRows(const QList<TableRow>& rows) {
    if (this->rows() == rows)
        return;
    model_.setRows(rows);
    emit rowsChanged();
}

int TableRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant TableRowModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TableRow& row = rows_.at(index.row());
    switch (role) {
    case Text:
        return row.text;
    case Detail:
        return row.detail;
    case Accessory:
        return hasDisclosure(row) ? QStringLiteral("disclosure") : QStringLiteral("none");
    case Style:
        return styleName(row.style);
    default:
        return {};
    }
}

QHash<int, QByteArray> TableRowModel::roleNames() const {
    return {{Text, "text"}, {Detail, "detail"}, {Accessory, "accessory"}, {Style, "style"}};
}

void TableRowModel::setRows(const QList<TableRow>& rows) {
    // The rows that stay at both ends are kept; those between are replaced.
    const qsizetype before = rows_.size();
    const qsizetype after = rows.size();
    qsizetype head = 0;
    while (head < before && head < after && rows_.at(head) == rows.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < before - head && tail < after - head &&
           rows_.at(before - 1 - tail) == rows.at(after - 1 - tail))
        ++tail;
    const int changed = int(std::min(before, after) - head - tail);
    if (changed > 0) {
        for (qsizetype i = head; i < head + changed; ++i)
            rows_[i] = rows.at(i);
        emit dataChanged(index(int(head)), index(int(head) + changed - 1));
    }
    const int first = int(head) + std::max(changed, 0);
    if (after > before) {
        beginInsertRows({}, first, first + int(after - before) - 1);
        rows_.insert(first, after - before, TableRow());
        for (qsizetype i = first; i < first + (after - before); ++i)
            rows_[i] = rows.at(i);
        endInsertRows();
    } else if (before > after) {
        beginRemoveRows({}, first, first + int(before - after) - 1);
        rows_.remove(first, before - after);
        endRemoveRows();
    }
}

void Table::setEditing(bool editing) {
    if (editing_ == editing)
        return;
    editing_ = editing;
    emit editingChanged();
}

void Table::setDeleteConfirmationTitle(const QString& title) {
    if (deleteTitle_ == title)
        return;
    deleteTitle_ = title;
    emit deleteConfirmationTitleChanged();
}

bool Table::select(int row) {
    if (!acceptsGestures() || row < 0 || row >= rowCount() || (editing_ && !selectDuringEditing_))
        return false;
    emit rowSelected(row);
    return true;
}

bool Table::commit(int row, int style) {
    if (!acceptsGestures() || !editing_ || row < 0 || row >= rowCount() || style == None ||
        rows().at(row).style != style)
        return false;
    emit rowCommitted(row, style);
    return true;
}

} // namespace otthon

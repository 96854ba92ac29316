#include "platform/ui/Table.h"

#include <QJsonArray>
#include <QVariantMap>

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
    for (const TableRow& row : rows_)
        rows.append(QJsonObject{{"text", row.text},
                                {"accessory", hasDisclosure(row) ? QJsonValue("disclosure") : QJsonValue()},
                                {"style", styleName(row.style)}});
    d.insert("rows", rows);
    return d;
}

QVariantList Table::rowsForQml() const {
    QVariantList rows;
    for (const TableRow& row : rows_)
        rows.append(QVariantMap{{"text", row.text},
                                {"detail", row.detail},
                                {"accessory", hasDisclosure(row) ? "disclosure" : "none"},
                                {"style", styleName(row.style)}});
    return rows;
}

void Table::setRows(const QList<TableRow>& rows) {
    if (rows_ == rows)
        return;
    rows_ = rows;
    emit rowsChanged();
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
        rows_[row].style != style)
        return false;
    emit rowCommitted(row, style);
    return true;
}

} // namespace otthon

#pragma once

#include "support/SampleReply.h"

#include <QJsonArray>
#include <QJsonValue>

namespace otthon::testing {

inline QJsonArray sampleDocument() {
    return sampleReply();
}

// Replaces element `element` row `row` column `column` of a document.
inline void setCell(QJsonArray& document, int element, int row, int column, const QJsonValue& value) {
    QJsonArray rows = document.at(element).toArray();
    QJsonArray cells = rows.at(row).toArray();
    cells.replace(column, value);
    rows.replace(row, cells);
    document.replace(element, rows);
}

} // namespace otthon::testing

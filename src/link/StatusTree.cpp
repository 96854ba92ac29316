#include "link/StatusTree.h"

#include <QCborValue>
#include <QJsonDocument>

#include <cmath>
#include <limits>

namespace otthon {

namespace {

QJsonValue item(const QJsonValue& container, int index) {
    if (!container.isArray() || index < 0)
        return QJsonValue(QJsonValue::Undefined);
    return container.toArray().at(index);
}

// Truncates toward zero; values beyond the 64-bit range stick at its ends.
qint64 truncated(double number) {
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (number >= limit)
        return std::numeric_limits<qint64>::max();
    if (number <= -limit)
        return std::numeric_limits<qint64>::min();
    return qint64(number);
}

// Texts, booleans and containers convert alike from a value and from an item read in place; numbers need the
// value itself, to tell an integer from a fraction.
template <typename Value> QString textOfAny(const Value& value) {
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QJsonValue::Double: {
        const QCborValue number = QCborValue::fromJsonValue(QJsonValue(value));
        if (number.isInteger())
            return QString::number(number.toInteger());
        return QString::number(number.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    default:
        return QString();
    }
}

template <typename Value> qint64 integerOfAny(const Value& value) {
    switch (value.type()) {
    case QJsonValue::String:
        return integerOfText(value.toString());
    case QJsonValue::Bool:
        return value.toBool() ? 1 : 0;
    case QJsonValue::Double: {
        const QCborValue number = QCborValue::fromJsonValue(QJsonValue(value));
        return number.isInteger() ? number.toInteger() : truncated(number.toDouble());
    }
    default:
        return 0;
    }
}

} // namespace

StatusTree StatusTree::fromJson(const QByteArray& bytes) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isArray())
        return StatusTree();
    return StatusTree(document.array());
}

QJsonValue StatusTree::at(int element) const {
    if (!root_ || element < 0)
        return QJsonValue(QJsonValue::Undefined);
    return root_->at(element);
}

QJsonValue StatusTree::at(int element, int row) const {
    return item(at(element), row);
}

QJsonValue StatusTree::at(int element, int row, int column) const {
    return item(at(element, row), column);
}

int StatusTree::rowCount(int element) const {
    const QJsonValue value = at(element);
    return value.isArray() ? int(value.toArray().size()) : 0;
}

bool StatusTree::isNull(int element) const {
    return at(element).isNull();
}

bool StatusTree::set(int element, int row, int column, const QJsonValue& value) {
    if (column < 0 || !at(element, row).isArray() || column >= at(element, row).toArray().size())
        return false;
    QJsonArray& root = *root_;
    // Take the rows out of their parents first, so that each level is changed without a copy of its own.
    QJsonArray rows = root.at(element).toArray();
    root[element] = QJsonValue();
    QJsonArray cells = rows.at(row).toArray();
    rows[row] = QJsonValue();
    cells[column] = value;
    rows[row] = std::move(cells);
    root[element] = std::move(rows);
    return true;
}

QString textOf(const QJsonValue& value) {
    return textOfAny(value);
}
QString textOf(QJsonValueConstRef value) {
    return textOfAny(value);
}

qint64 integerOfText(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    qint64 result = 0;
    // Accumulate on the negative side, which reaches one further than the positive one.
    for (; i < n && text.at(i) >= u'0' && text.at(i) <= u'9'; ++i) {
        const int digit = text.at(i).unicode() - u'0';
        if (result < (min + digit) / 10)
            return negative ? min : max;
        result = result * 10 - digit;
    }
    if (negative)
        return result;
    return result == min ? max : -result;
}

qint64 integerOf(const QJsonValue& value) {
    return integerOfAny(value);
}
qint64 integerOf(QJsonValueConstRef value) {
    return integerOfAny(value);
}

} // namespace otthon

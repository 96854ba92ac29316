#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>
#include <QString>

#include <optional>

namespace otthon {

// The controller's reply kept whole: a JSON array that can be changed in place. Positions are element N,
// element N row R, element N row R column C, and element 6 item K (= at(6, K)). Readers never fail: a missing
// position, or a container of another JSON type where one is expected, reads as absent
// (QJsonValue::Undefined). JSON null stays null: it is not the same as absent.
class StatusTree {
public:
    StatusTree() = default; // absent: no reply yet, or the last reply did not decode
    explicit StatusTree(QJsonArray root) : root_(std::move(root)) {}
    // The decoded reply, or an absent tree when the bytes are not a JSON array.
    static StatusTree fromJson(const QByteArray& bytes);

    bool isPresent() const { return root_.has_value(); }
    const QJsonArray* root() const { return root_ ? &*root_ : nullptr; }

    QJsonValue at(int element) const;
    QJsonValue at(int element, int row) const;
    QJsonValue at(int element, int row, int column) const;
    // Rows of an element that is an array; 0 for anything else.
    int rowCount(int element) const;
    // Element present and JSON null (the schedules say "no slot" this way).
    bool isNull(int element) const;
    // Overwrites element N row R column C in place; false (and no change) when that position does not exist.
    bool set(int element, int row, int column, const QJsonValue& value);

private:
    std::optional<QJsonArray> root_;
};

// "value of" shown through "%@": a text unchanged, a number in its shortest decimal form, a boolean as 1 or
// 0. Absent and null show as an empty text.
QString textOf(const QJsonValue& value);
// "integer of": numbers truncated toward zero, booleans 1 and 0, texts by their leading decimal integer
// (leading white space and one sign skipped, up to the first non-digit; 0 without digits), anything else 0.
qint64 integerOf(const QJsonValue& value);
// "integer of" a text, also a part of one (the hour of "6:30"), without making a value of it.
qint64 integerOfText(QStringView text);
// "flag of": the integer is not 0.
inline bool flagOf(const QJsonValue& value) {
    return integerOf(value) != 0;
}

// The same conversions for an item read in place through a QJsonArray iterator, which spares making a value.
QString textOf(QJsonValueConstRef value);
qint64 integerOf(QJsonValueConstRef value);
inline bool flagOf(QJsonValueConstRef value) {
    return integerOf(value) != 0;
}

} // namespace otthon

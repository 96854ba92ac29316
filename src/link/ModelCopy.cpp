#include "link/ModelCopy.h"

#include "link/ModelFields.h"
#include "link/StatusModel.h"
#include "platform/AlertPort.h"
#include "platform/Scheduler.h"

namespace otthon {

namespace {
constexpr double kAlertSeconds = 2.0;
// The longest text the copy takes from a reply. A reply may carry texts of any length up to its size cap, and
// laying out a huge one stalls the main thread (a station name of 200,000 characters held it for seconds on
// every visit to the radio page); a longer text is cut.
constexpr qsizetype kTextLength = 256;
// The longest setting name the alert shows whole; a longer name is cut, with an ellipsis.
constexpr qsizetype kShownNameLength = 64;

// `text` cut to at most `length` characters, never inside a surrogate pair.
QString cut(QString text, qsizetype length) {
    if (text.size() > length)
        text.truncate(text.at(length - 1).isHighSurrogate() ? length - 1 : length);
    return text;
}

// A value as the copy keeps it: a text cut to kTextLength, anything else as it is.
QJsonValue bounded(const QJsonValue& value) {
    if (!value.isString())
        return value;
    const QString text = value.toString();
    return text.size() > kTextLength ? QJsonValue(cut(text, kTextLength)) : value;
}

// Element of the reply that reports a refused setting.
constexpr int kErrorReport = 6;

QString shownName(const QString& name) {
    if (name.size() <= kShownNameLength)
        return name;
    return cut(name, kShownNameLength - 1) + QChar(0x2026);
}

// A cell of the reply into a field of its type: a value (a text cut), a flag or an integer.
template <class Field> void copyCell(const StatusTree& reply, ReplyCell at, Field& field) {
    const QJsonValue cell = reply.at(at.element, at.row, at.column);
    if constexpr (std::is_same_v<Field, QJsonValue>)
        field = bounded(cell);
    else if constexpr (std::is_same_v<Field, bool>)
        field = flagOf(cell);
    else if constexpr (std::is_same_v<Field, qint64>)
        field = integerOf(cell);
    else
        static_assert(!sizeof(Field), "a reply cell fills a value, a flag or an integer");
}

// A column of every row, as texts cut; a row that is not an array keeps its place with an empty text.
void copyColumn(const StatusTree& reply, ReplyColumn at, QStringList& texts) {
    const QJsonArray rows = reply.at(at.element).toArray();
    texts.clear();
    texts.reserve(rows.size());
    for (const QJsonValue& row : rows)
        texts.append(cut(textOf(row.toArray().at(at.column)), kTextLength));
}

} // namespace

void copyReplyIntoModel(const StatusTree& reply, StatusModel& model) {
    forEachModelField(model, [&reply](const char*, auto&& field, auto where) {
        if constexpr (std::is_same_v<decltype(where), ReplyCell>)
            copyCell(reply, where, field);
        else if constexpr (std::is_same_v<decltype(where), ReplyColumn>)
            copyColumn(reply, where, field);
    });
}

void alertRefusedSetting(const StatusTree& reply, AlertPort& alerts, Scheduler& scheduler) {
    const QJsonValue status = reply.at(kErrorReport, 0);
    if (!status.isString() || status.toString() != QLatin1String("HIBA"))
        return;
    const QString setting = shownName(textOf(reply.at(kErrorReport, 1)));
    showBriefly(alerts, scheduler, QStringLiteral("Sikertelen ") + setting + QStringLiteral(" beállitas!"));
}

void showBriefly(AlertPort& alerts, Scheduler& scheduler, const QString& message) {
    const AlertId id = alerts.show(AlertSpec{QString(), message, QStringList(), nullptr});
    AlertPort* port = &alerts;
    scheduler.after(kAlertSeconds, [port, id] { port->dismiss(id, 0); });
}

void applyReply(const Link& link) {
    const StatusTree& reply = link.model.StatusDocument;
    ++link.model.ReplyCount;
    copyReplyIntoModel(reply, link.model);
    alertRefusedSetting(reply, link.alerts, link.scheduler);
}

} // namespace otthon

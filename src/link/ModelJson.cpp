#include "link/ModelJson.h"

#include "link/ModelFields.h"
#include "link/StatusModel.h"

#include <QJsonArray>

namespace otthon {

namespace {
// Flags, numbers and texts as they are.
template <class Value> QJsonValue jsonOf(const Value& value) {
    return QJsonValue(value);
}

QJsonValue jsonOf(quint64 count) {
    return qint64(count);
}

// A sensor as the pages show it, null when the reply lacked it.
QJsonValue jsonOf(const QJsonValue& sensor) {
    return sensor.isUndefined() ? QJsonValue() : QJsonValue(textOf(sensor));
}

QJsonValue jsonOf(const QStringList& texts) {
    return QJsonArray::fromStringList(texts);
}

QJsonValue jsonOf(const StatusTree& document) {
    const QJsonArray* reply = document.root();
    return reply ? QJsonValue(*reply) : QJsonValue();
}
} // namespace

QJsonObject modelToJson(const StatusModel& model) {
    QJsonObject json;
    forEachModelField(model, [&json](const char* name, const auto& value, auto) {
        json.insert(QLatin1String(name), jsonOf(value));
    });
    return json;
}

} // namespace otthon

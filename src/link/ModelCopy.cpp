#include "link/ModelCopy.h"

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

// Element numbers of the reply.
constexpr int kSensors = 0;
constexpr int kThermostats = 2;
constexpr int kSwitches = 3;
constexpr int kStations = 4;
constexpr int kErrorReport = 6;

// A row of the reply, read in place. A cell past its end, or any cell of a row that is not an array, reads as
// absent, as through StatusTree::at.
class Row {
public:
    explicit Row(QJsonArray cells) : cells_(std::move(cells)) {}
    QJsonValue value(int column) const { return bounded(cells_.at(column)); }
    qint64 integer(int column) const {
        return column < cells_.size() ? integerOf(cells_.constBegin()[column]) : 0;
    }
    bool flag(int column) const { return integer(column) != 0; }
    QString text(int column) const {
        return column < cells_.size() ? cut(textOf(cells_.constBegin()[column]), kTextLength) : QString();
    }

private:
    QJsonArray cells_;
};

// The rows of one element; rows past its end, or of an element that is not an array, are empty.
class Table {
public:
    Table(const StatusTree& reply, int element) : rows_(reply.at(element).toArray()) {}
    qsizetype size() const { return rows_.size(); }
    Row row(qsizetype row) const {
        return Row(row < rows_.size() ? rows_.constBegin()[row].toArray() : QJsonArray());
    }

private:
    QJsonArray rows_;
};

QString shownName(const QString& name) {
    if (name.size() <= kShownNameLength)
        return name;
    return cut(name, kShownNameLength - 1) + QChar(0x2026);
}

} // namespace

void copyReplyIntoModel(const StatusTree& reply, StatusModel& model) {
    const Table sensors(reply, kSensors);
    const Table thermostats(reply, kThermostats);
    const Table switches(reply, kSwitches);
    const Row bedroom = sensors.row(0);
    const Row livingRoom = sensors.row(1);
    const Row outside = sensors.row(2);
    const Row bedroomSetting = thermostats.row(0);
    const Row livingRoomSetting = thermostats.row(1);
    const Row radio = switches.row(0);

    model.KulsoTmp = outside.value(1);
    model.KulsoHum = outside.value(2);
    model.NappaliTmp = livingRoom.value(1);
    model.NappaliHum = livingRoom.value(2);
    model.HaloTmp = bedroom.value(1);
    model.HaloHum = bedroom.value(2);
    model.MedenceHomerseklet = sensors.row(8).value(1);
    model.Kapu1Lakat = sensors.row(5).flag(1);
    model.Kapu2Lakat = sensors.row(6).flag(1);
    model.Rain = sensors.row(3).flag(1);
    model.KulsoNyomas = sensors.row(4).value(1);
    model.NappaliSetTmp = livingRoomSetting.integer(1);
    model.HaloSetTmp = bedroomSetting.integer(1);
    model.NappaliFutesBe = livingRoomSetting.flag(3);
    model.HaloFutesBe = bedroomSetting.flag(3);
    model.RadioHangero = radio.integer(0);
    model.RadioBe = radio.integer(2);
    model.RadioAdo = radio.integer(1);
    model.MedenceBe = switches.row(1).flag(2);

    const Table stations(reply, kStations);
    model.RadioAdoLista.clear();
    model.RadioAdoLista.reserve(stations.size());
    for (qsizetype i = 0; i < stations.size(); ++i)
        model.RadioAdoLista.append(stations.row(i).text(1));
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

#include "app/ModelJson.h"

#include "link/StatusModel.h"

#include <QJsonArray>

namespace otthon {

namespace {
QJsonValue sensor(const QJsonValue& value) {
    return value.isUndefined() ? QJsonValue() : QJsonValue(textOf(value));
}

QJsonValue list(const QStringList& texts) {
    return QJsonArray::fromStringList(texts);
}
} // namespace

QJsonObject modelToJson(const StatusModel& m) {
    const QJsonArray* reply = m.StatusDocument.root();
    return {
        {"StatusDocument", reply ? QJsonValue(*reply) : QJsonValue()},
        {"Connected", m.Connected},
        {"CommandInFlight", m.CommandInFlight()},
        {"ReplyCount", qint64(m.ReplyCount)},
        {"BaseUrl", m.BaseUrl},
        {"PollInterval", StatusModel::PollInterval},
        {"PageRefreshInterval", StatusModel::PageRefreshInterval},
        {"HaloTmp", sensor(m.HaloTmp)},
        {"HaloHum", sensor(m.HaloHum)},
        {"NappaliTmp", sensor(m.NappaliTmp)},
        {"NappaliHum", sensor(m.NappaliHum)},
        {"KulsoTmp", sensor(m.KulsoTmp)},
        {"KulsoHum", sensor(m.KulsoHum)},
        {"KulsoNyomas", sensor(m.KulsoNyomas)},
        {"MedenceHomerseklet", sensor(m.MedenceHomerseklet)},
        {"Rain", m.Rain},
        {"Kapu1Lakat", m.Kapu1Lakat},
        {"Kapu2Lakat", m.Kapu2Lakat},
        {"HaloSetTmp", m.HaloSetTmp},
        {"NappaliSetTmp", m.NappaliSetTmp},
        {"HaloFutesBe", m.HaloFutesBe},
        {"NappaliFutesBe", m.NappaliFutesBe},
        {"RadioHangero", m.RadioHangero},
        {"RadioAdo", m.RadioAdo},
        {"RadioBe", m.RadioBe},
        {"MedenceBe", m.MedenceBe},
        {"RadioAdoLista", list(m.RadioAdoLista)},
        {"IdopontIndex", m.IdopontIndex},
        {"PercLista", list(m.PercLista)},
        {"OraLista", list(m.OraLista)},
        {"IdopontLista", list(m.IdopontLista)},
        {"ZonaNevek", list(m.ZonaNevek)},
        {"ZonaKodok", list(m.ZonaKodok)},
    };
}

} // namespace otthon

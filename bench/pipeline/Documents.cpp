#include "Documents.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace otthon::bench {

namespace {

QString time(int slot) {
    return QStringLiteral("%1:%2").arg(slot / 60 % 24).arg(slot % 60);
}

} // namespace

QByteArray replyBytes(int scheduleRows) {
    const QJsonArray sensors{
        QJsonArray{"Halo", "21.5", "45"}, QJsonArray{"Nappali", "22.1", "40"},
        QJsonArray{"Kulso", "8.3", "71"}, QJsonArray{"Eso", "0"},
        QJsonArray{"Nyomas", "1013"},     QJsonArray{"Kapu1", "1"},
        QJsonArray{"Kapu2", "0"},         QJsonArray{"Tarolo", "55"},
        QJsonArray{"Medence", "26.4"},
    };
    const QJsonArray thermostats{QJsonArray{"Halo", "20", "21.5", "1"},
                                 QJsonArray{"Nappali", "23", "22.1", "0"}};
    QJsonArray switches{QJsonArray{"40", "2", "1"}};
    for (int i = 1; i < 10; ++i)
        switches.append(QJsonArray{"", "", i % 2 ? "1" : "0"});
    const char* names[] = {"Kossuth", "Petőfi",   "Bartók", "Dankó",   "Retró",
                           "Jazzy",   "Klasszik", "Sláger", "Rock FM", "Best FM"};
    QJsonArray stations;
    for (int i = 0; i < 10; ++i)
        stations.append(QJsonArray{QString::number(i), QString::fromUtf8(names[i])});
    QJsonArray irrigation;
    QJsonArray pool;
    for (int i = 0; i < scheduleRows; ++i) {
        irrigation.append(
            QJsonArray{QStringLiteral("Z%1").arg(i % 6 + 1), time(i * 7), QString::number(i % 60)});
        pool.append(QJsonArray{time(i * 11), QString::number(i % 60)});
    }
    const QJsonArray errors{"OK"};
    const QJsonArray reply{sensors, irrigation, thermostats, switches, stations, pool, errors};
    return QJsonDocument(reply).toJson(QJsonDocument::Compact);
}

} // namespace otthon::bench

#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>

namespace otthon::testing {

// A complete controller reply in which every value the app reads is distinct, so a value read from the wrong
// position shows. No refused setting; two slots in each schedule; three stations.
//   sensors:      bedroom 21.5/45, living room 22.1/40, outside 8.3/71, rain "0", pressure "1013",
//                 gate 1 "1", gate 2 "0", pool "26.4"
//   thermostats:  bedroom 20 heating, living room 23 cooling
//   switches:     radio volume 40, station 2, playing; pool on; irrigation 1, master 1, zones 0 1 0 0 1 0
//   irrigation:   Z2 6:30 15, Z5 19:5 40        pool: 6:30 15, 18:0 60
//   stations:     "Kossuth", "Petőfi", "Bartók"
inline QJsonArray sampleReply() {
    const QJsonArray sensors{
        QJsonArray{"Halo", "21.5", "45"}, QJsonArray{"Nappali", "22.1", "40"},
        QJsonArray{"Kulso", "8.3", "71"}, QJsonArray{"Eso", "0"},
        QJsonArray{"Nyomas", "1013"},     QJsonArray{"Kapu1", "1"},
        QJsonArray{"Kapu2", "0"},         QJsonArray{"Tarolo", "55"},
        QJsonArray{"Medence", "26.4"},
    };
    const QJsonArray irrigation{QJsonArray{"Z2", "6:30", "15"}, QJsonArray{"Z5", "19:5", "40"}};
    const QJsonArray thermostats{QJsonArray{"Halo", "20", "21.5", "1"},
                                 QJsonArray{"Nappali", "23", "22.1", "0"}};
    const QJsonArray switches{
        QJsonArray{"40", "2", "1"}, QJsonArray{"", "", "1"}, QJsonArray{"", "", "1"}, QJsonArray{"", "", "1"},
        QJsonArray{"", "", "0"},    QJsonArray{"", "", "1"}, QJsonArray{"", "", "0"}, QJsonArray{"", "", "0"},
        QJsonArray{"", "", "1"},    QJsonArray{"", "", "0"},
    };
    const QJsonArray stations{QJsonArray{"0", "Kossuth"}, QJsonArray{"1", QString::fromUtf8("Petőfi")},
                              QJsonArray{"2", QString::fromUtf8("Bartók")}};
    const QJsonArray pool{QJsonArray{"6:30", "15"}, QJsonArray{"18:0", "60"}};
    return QJsonArray{sensors, irrigation, thermostats, switches, stations, pool, QJsonArray{"OK"}};
}

// The sample reply with element `element` replaced by `value`.
inline QJsonArray sampleWith(int element, const QJsonValue& value) {
    QJsonArray reply = sampleReply();
    reply.replace(element, value);
    return reply;
}

inline QByteArray sampleReplyBytes() {
    return QJsonDocument(sampleReply()).toJson(QJsonDocument::Compact);
}

} // namespace otthon::testing

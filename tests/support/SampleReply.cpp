#include "support/SampleReply.h"

#include <QJsonDocument>

namespace otthon::testing {

QJsonArray sampleReply() {
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
    const QJsonArray errors{"OK"};
    return QJsonArray{sensors, irrigation, thermostats, switches, stations, pool, errors};
}

QByteArray sampleReplyBytes() {
    return QJsonDocument(sampleReply()).toJson(QJsonDocument::Compact);
}

} // namespace otthon::testing

#include "link/LinkEvents.h"
#include "link/ModelCopy.h"
#include "link/ModelFields.h"
#include "link/ModelJson.h"
#include "link/StatusModel.h"
#include "link/StatusTree.h"
#include "platform/VirtualScheduler.h"
#include "platform/ui/AlertCenter.h"
#include "support/FakeHttpTransport.h"
#include "support/SampleReply.h"

#include <QJsonDocument>
#include <QTest>

#include <limits>

using namespace otthon;
using namespace otthon::testing;

namespace {

// Every field the copy writes, by name, as automation shows it: two models compare field by field.
QMap<QString, QJsonValue> copiedFields(const StatusModel& m) {
    const QJsonObject json = modelToJson(m);
    QMap<QString, QJsonValue> fields;
    forEachModelField(m, [&](const char* name, const auto&, auto where) {
        if constexpr (!std::is_same_v<decltype(where), NotInReply>)
            fields.insert(name, json[QLatin1String(name)]);
    });
    return fields;
}

QMap<QString, QJsonValue> copyOf(const StatusTree& reply) {
    StatusModel model{QString()};
    copyReplyIntoModel(reply, model);
    return copiedFields(model);
}

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

} // namespace

// The status reply: reading the document, and copying it into the model.
class StatusReplyTest : public QObject {
    Q_OBJECT
private slots:
    // Both conversions; no value from a reply overflows.
    void conversions_data() {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<qint64>("integer");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, const QJsonValue& value, qint64 integer, const QString& text) {
            QTest::newRow(name) << value << integer << text;
        };
        auto textRow = [&row](const char* name, const QString& text, qint64 integer) {
            row(name, text, integer, text); // a text shows unchanged
        };
        textRow("blanks, sign and tail", QStringLiteral("\t\n -12abc"), -12);
        textRow("digits of another script", QStringLiteral("\u0663"), 0);
        textRow("largest", QStringLiteral("9223372036854775807"), kMax);
        textRow("smallest", QStringLiteral("-9223372036854775808"), kMin);
        textRow("one past the largest", QStringLiteral("9223372036854775808"), kMax);
        textRow("one past the smallest", QStringLiteral("-9223372036854775809"), kMin);
        row("22.0", QJsonValue(22.0), 22, QStringLiteral("22"));
        row("-3.9", QJsonValue(-3.9), -3, QStringLiteral("-3.9"));
        row("integer beyond double precision", QJsonValue(qint64(9007199254740993)), 9007199254740993,
            QStringLiteral("9007199254740993"));
        row("huge number", QJsonValue(1e300), kMax, QStringLiteral("1e+300"));
        row("huge negative number", QJsonValue(-1e300), kMin, QStringLiteral("-1e+300"));
        row("absent", QJsonValue(QJsonValue::Undefined), 0, QString());
    }
    void conversions() {
        QFETCH(QJsonValue, value);
        QFETCH(qint64, integer);
        QFETCH(QString, text);
        QCOMPARE(integerOf(value), integer);
        QCOMPARE(textOf(value), text);
    }

    // set() writes one existing cell in place, and refuses any other position without a change; a copy taken
    // earlier keeps what it saw.
    void set_data() {
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QByteArray>("after"); // empty: refused
        QTest::newRow("cell") << QList<int>{1, 1, 0}
                              << QByteArray(R"([null, [["6:30", "15"], ["x", "60"]]])");
        QTest::newRow("column past the row") << QList<int>{1, 0, 2} << QByteArray();
        QTest::newRow("negative column") << QList<int>{1, 0, -1} << QByteArray();
        QTest::newRow("row past the element") << QList<int>{1, 2, 0} << QByteArray();
        QTest::newRow("element not an array of rows") << QList<int>{0, 0, 0} << QByteArray();
    }
    void set() {
        QFETCH(QList<int>, position);
        QFETCH(QByteArray, after);
        const QByteArray json = R"([null, [["6:30", "15"], ["18:0", "60"]]])";
        StatusTree t = StatusTree::fromJson(json);
        const StatusTree before = t;
        QCOMPARE(t.set(position[0], position[1], position[2], QJsonValue("x")), !after.isEmpty());
        QCOMPARE(*t.root(), *StatusTree::fromJson(after.isEmpty() ? json : after).root());
        QCOMPARE(*before.root(), *StatusTree::fromJson(json).root());
        StatusTree absent; // no reply yet: every position reads as absent, and none can be set
        QVERIFY(!absent.set(0, 0, 0, QJsonValue("x")) && absent.at(0, 0, 0).isUndefined());
    }

    // Changing one cell of the sample changes exactly one field, to the value its conversion gives.
    void eachFieldReadsItsOwnPosition_data() {
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QJsonValue>("cell");
        QTest::addColumn<QJsonValue>("expected");
        auto row = [](const char* field, QList<int> at, QJsonValue cell, QJsonValue expected) {
            QTest::newRow(field) << at << cell << expected;
        };
        row("HaloTmp", {0, 0, 1}, "19.5", "19.5");
        row("HaloHum", {0, 0, 2}, "50", "50");
        row("NappaliTmp", {0, 1, 1}, "23.0", "23.0");
        row("NappaliHum", {0, 1, 2}, "41", "41");
        row("KulsoTmp", {0, 2, 1}, "-2.5", "-2.5");
        row("KulsoHum", {0, 2, 2}, "90", "90");
        row("Rain", {0, 3, 1}, "1", true);
        row("KulsoNyomas", {0, 4, 1}, "998", "998");
        row("Kapu1Lakat", {0, 5, 1}, "0", false);
        row("Kapu2Lakat", {0, 6, 1}, "2", true);
        row("MedenceHomerseklet", {0, 8, 1}, "27", "27");
        row("HaloSetTmp", {2, 0, 1}, "22.7", 22);
        row("NappaliSetTmp", {2, 1, 1}, " 25", 25);
        row("HaloFutesBe", {2, 0, 3}, "0", false);
        row("NappaliFutesBe", {2, 1, 3}, "1", true);
        row("RadioHangero", {3, 0, 0}, "55", 55);
        row("RadioAdo", {3, 0, 1}, "7", 7);
        row("RadioBe", {3, 0, 2}, "0", 0);
        row("MedenceBe", {3, 1, 2}, "0", false);
    }
    void eachFieldReadsItsOwnPosition() {
        QFETCH(QList<int>, position);
        QFETCH(QJsonValue, cell);
        QFETCH(QJsonValue, expected);
        StatusTree changed(sampleReply());
        QVERIFY(changed.set(position[0], position[1], position[2], cell));
        auto was = copyOf(StatusTree(sampleReply()));
        auto now = copyOf(changed);
        QCOMPARE(now.take(QTest::currentDataTag()), expected);
        was.remove(QTest::currentDataTag());
        QCOMPARE(now, was);
    }

    // A reply without the expected containers must not stop anything: every position reads as absent, as in
    // a reply with nothing in it.
    void missingPositionsReadAsAbsent_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("elements of other types") << QByteArray(R"([{}, null, "x", 5, {"1": 1}, null, []])");
        QTest::newRow("rows of other types")
            << QByteArray(R"([[1,2,3,4,5,6,7,8,9], null, [1,2], [1], [], null, [1]])");
    }
    void missingPositionsReadAsAbsent() {
        QFETCH(QByteArray, json);
        StatusModel model{QString()};
        copyReplyIntoModel(StatusTree(sampleReply()), model);
        copyReplyIntoModel(StatusTree::fromJson(json), model);
        QCOMPARE(copiedFields(model), copyOf(StatusTree::fromJson("[]")));
    }

    // Rows that are not station rows keep their places, so a station index still names the right one.
    void stationListIsRebuiltInPlace() {
        StatusModel model{QString()};
        model.RadioAdoLista = QStringList(10, QStringLiteral("Nincs kapcsolat"));
        copyReplyIntoModel(StatusTree(sampleWith(4, QJsonArray{QJsonArray{0, "Egy"}, "x", QJsonArray{2},
                                                               QJsonArray{3, 105.5}})),
                           model);
        QCOMPARE(model.RadioAdoLista, (QStringList{"Egy", "", "", "105.5"}));
    }

    // A text of a reply is cut to 256 characters as it is copied, never between the halves of a surrogate
    // pair; a number is not cut.
    void longTextsAreCut_data() {
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QJsonValue>("cell");
        QTest::addColumn<QJsonValue>("copied");
        const QString pair = QStringLiteral("😀");
        for (const auto& place : {std::pair{"sensor", QList<int>{0, 2, 1}}, {"station", {4, 0, 1}}}) {
            const auto row = [&](const char* what, const QJsonValue& cell, const QJsonValue& copied) {
                QTest::addRow("%s, %s", place.first, what) << place.second << cell << copied;
            };
            row("256 stay", QString(256, u'x'), QString(256, u'x'));
            row("257", QString(257, u'x'), QString(256, u'x'));
            row("1,000,000", QString(1'000'000, u'x'), QString(256, u'x'));
            row("pair across the cut", QString(255, u'a') + pair, QString(255, u'a'));
            row("pair before the cut", QString(254, u'a') + pair + u'b', QString(254, u'a') + pair);
        }
        QTest::newRow("sensor, number") << QList<int>{0, 2, 1} << QJsonValue(1e300) << QJsonValue("1e+300");
    }
    void longTextsAreCut() {
        QFETCH(QList<int>, position);
        QFETCH(QJsonValue, cell);
        QFETCH(QJsonValue, copied);
        StatusTree reply(sampleReply());
        QVERIFY(reply.set(position[0], position[1], position[2], cell));
        const auto fields = copyOf(reply);
        QCOMPARE(position[0] == 4 ? fields["RadioAdoLista"].toArray().at(0) : fields["KulsoTmp"], copied);
    }

    // The model as automation shows it, name by name and type by type: scripts read these names.
    void modelJsonKeepsItsShape() {
        StatusModel m{QStringLiteral("http://h:670/L.php")};
        m.StatusDocument = StatusTree::fromJson(
            R"([[["H","19.5"],["N",22.5,"41"],0,["E","1"]],0,[[0,"21",0,"1"]],[["30",2]],[[0,"Jazz"]]])");
        ++m.ReplyCount;
        copyReplyIntoModel(m.StatusDocument, m);
        m.Draft = true;
        m.IdopontIndex = 3;
        m.PercLista = m.OraLista = m.IdopontLista = {QStringLiteral("0")};
        m.ZonaNevek = {QStringLiteral("Gyep")};
        m.ZonaKodok = {QStringLiteral("Z1")};
        QCOMPARE(
            QJsonDocument(modelToJson(m)).toJson(QJsonDocument::Compact),
            R"({"BaseUrl":"http://h:670/L.php","CommandInFlight":true,"Connected":false,"HaloFutesBe":true,)"
            R"("HaloHum":null,"HaloSetTmp":21,"HaloTmp":"19.5","IdopontIndex":3,"IdopontLista":["0"],)"
            R"("Kapu1Lakat":false,"Kapu2Lakat":false,"KulsoHum":null,"KulsoNyomas":null,"KulsoTmp":null,)"
            R"("MedenceBe":false,"MedenceHomerseklet":null,"NappaliFutesBe":false,"NappaliHum":"41",)"
            R"("NappaliSetTmp":0,"NappaliTmp":"22.5","OraLista":["0"],"PageRefreshInterval":3,)"
            R"("PercLista":["0"],"PollInterval":3,"RadioAdo":2,"RadioAdoLista":["Jazz"],"RadioBe":0,)"
            R"("RadioHangero":30,"Rain":true,"ReplyCount":1,)"
            R"("StatusDocument":[[["H","19.5"],["N",22.5,"41"],0,["E","1"]],0,)"
            R"([[0,"21",0,"1"]],[["30",2]],[[0,"Jazz"]]],)"
            R"("ZonaKodok":["Z1"],"ZonaNevek":["Gyep"]})");
    }

    // What follows every reply: the copy, then the alert when the reply reports a refused setting, with the
    // setting's name cut to 64 characters.
    void refusedSettingAlert_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QJsonValue>("setting");
        QTest::addColumn<QString>("shown"); // null: no alert
        const QString emoji = QString(62, u'a') + QStringLiteral("😀");
        const auto row = [](const char* name, const char* status, const QString& setting,
                            const QString& shown) {
            QTest::newRow(name) << QString(status) << QJsonValue(setting) << shown;
        };
        row("named setting", "HIBA", "Medence", "Medence");
        row("setting with %", "HIBA", "%1 %@", "%1 %@");
        row("very long name", "HIBA", QString(200000, u'x'), QString(63, u'x') + QChar(0x2026));
        row("no half character", "HIBA", emoji + emoji, QString(62, u'a') + QChar(0x2026));
        row("64 characters stay whole", "HIBA", QString(64, u'y'), QString(64, u'y'));
        row("lower case", "hiba", "Medence", QString());
        row("trailing space", "HIBA ", "Medence", QString());
    }
    void refusedSettingAlert() {
        QFETCH(QString, status);
        QFETCH(QJsonValue, setting);
        QFETCH(QString, shown);
        VirtualScheduler scheduler;
        AlertCenter alerts;
        FakeHttpTransport transport;
        StatusModel model{QString()};
        const auto initial = copiedFields(model);
        // The same reply twice, a second apart: each alert closes 2 s after its own reply.
        model.StatusDocument = StatusTree(sampleWith(6, QJsonArray{status, setting}));
        LinkEvents events;
        const Link link{model, transport, alerts, scheduler, events};
        applyReply(link);
        scheduler.advance(1.0);
        applyReply(link);
        QVERIFY(copiedFields(model) != initial);
        const int open = shown.isNull() ? 0 : 2;
        QCOMPARE(alerts.message(), shown.isNull() ? QString() : "Sikertelen " + shown + " beállitas!");
        QVERIFY(alerts.title().isEmpty() && alerts.buttons().isEmpty());
        for (const int stillOpen : {open, open / 2, 0}) { // the first closes at 2 s, the second at 3 s
            QCOMPARE(alerts.count(), stillOpen);
            scheduler.advance(0.75);
            QCOMPARE(alerts.count(), stillOpen);
            scheduler.advance(0.25);
        }
    }
};

QTEST_GUILESS_MAIN(StatusReplyTest)
#include "tst_statusreply.moc"

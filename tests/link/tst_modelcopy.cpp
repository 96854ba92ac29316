#include "link/ModelCopy.h"
#include "link/StatusModel.h"
#include "platform/VirtualScheduler.h"
#include "support/FakeHttpTransport.h"
#include "support/RecordingAlerts.h"
#include "support/SampleReply.h"

#include <QTest>

using namespace otthon;
using namespace otthon::testing;

namespace {

const QString kBase = QStringLiteral("http://controller:670/LomaViro/Lomaviro.php");

// Every field the copy writes, by name, as a JSON value, so that two models can be compared field by field.
QMap<QString, QJsonValue> copiedFields(const StatusModel& m) {
    const QStringList names =
        QStringLiteral("HaloTmp HaloHum NappaliTmp NappaliHum KulsoTmp KulsoHum KulsoNyomas "
                       "MedenceHomerseklet Rain Kapu1Lakat Kapu2Lakat HaloSetTmp NappaliSetTmp "
                       "HaloFutesBe NappaliFutesBe RadioHangero RadioAdo RadioBe MedenceBe")
            .split(u' ');
    const QJsonValue values[] = {m.HaloTmp,       m.HaloHum,     m.NappaliTmp,     m.NappaliHum,
                                 m.KulsoTmp,      m.KulsoHum,    m.KulsoNyomas,    m.MedenceHomerseklet,
                                 m.Rain,          m.Kapu1Lakat,  m.Kapu2Lakat,     m.HaloSetTmp,
                                 m.NappaliSetTmp, m.HaloFutesBe, m.NappaliFutesBe, m.RadioHangero,
                                 m.RadioAdo,      m.RadioBe,     m.MedenceBe};
    QMap<QString, QJsonValue> fields{{"RadioAdoLista", QJsonArray::fromStringList(m.RadioAdoLista)}};
    for (qsizetype i = 0; i < names.size(); ++i)
        fields.insert(names[i], values[i]);
    return fields;
}

// What a fresh model holds after copying the reply.
QMap<QString, QJsonValue> copyOf(const StatusTree& reply) {
    StatusModel model(kBase);
    copyReplyIntoModel(reply, model);
    return copiedFields(model);
}

// The sample reply with one element replaced.
StatusTree sampleWith(int element, const QJsonValue& value) {
    QJsonArray doc = sampleReply();
    doc[element] = value;
    return StatusTree(doc);
}

} // namespace

class ModelCopyTest : public QObject {
    Q_OBJECT
private slots:
    // Changing one cell of the sample changes exactly one field, to the value its conversion gives.
    void eachFieldReadsItsOwnPosition_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QList<int>>("position");
        QTest::addColumn<QJsonValue>("cell");
        QTest::addColumn<QJsonValue>("expected");
        auto row = [](const char* name, QList<int> at, QJsonValue cell, QJsonValue expected) {
            QTest::newRow(name) << QString::fromLatin1(name).section(' ', 0, 0) << at << cell << expected;
        };
        row("HaloTmp", {0, 0, 1}, "19.5", "19.5");
        row("HaloHum", {0, 0, 2}, "50", "50");
        row("HaloTmp as number", {0, 0, 1}, 19.5, 19.5);
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
        QFETCH(QString, field);
        QFETCH(QList<int>, position);
        QFETCH(QJsonValue, cell);
        QFETCH(QJsonValue, expected);
        StatusTree changed(sampleReply());
        QVERIFY(changed.set(position[0], position[1], position[2], cell));
        auto was = copyOf(StatusTree(sampleReply()));
        auto now = copyOf(changed);
        QCOMPARE(now.take(field), expected);
        was.remove(field);
        QCOMPARE(now, was);
    }

    // A reply without the expected containers must not stop anything: every position reads as absent.
    void missingPositionsReadAsAbsent_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("elements of other types") << QByteArray(R"([{}, null, "x", 5, {"1": 1}, null, []])");
        QTest::newRow("rows of other types")
            << QByteArray(R"([[1,2,3,4,5,6,7,8,9], null, [1,2], [1], [], null, [1]])");
    }
    void missingPositionsReadAsAbsent() {
        QFETCH(QByteArray, json);
        StatusModel model(kBase);
        copyReplyIntoModel(StatusTree(sampleReply()), model);
        const auto full = copiedFields(model);
        copyReplyIntoModel(StatusTree::fromJson(json), model);
        const auto now = copiedFields(model);
        for (auto it = full.begin(); it != full.end(); ++it) {
            const QJsonValue absent = it->isString()  ? QJsonValue(QJsonValue::Undefined)
                                      : it->isBool()  ? QJsonValue(false)
                                      : it->isArray() ? QJsonValue(QJsonArray())
                                                      : QJsonValue(0);
            QVERIFY2(now.value(it.key()) == absent, qPrintable(it.key()));
        }
    }

    // Rows that are not station rows keep their places, so a station index still names the right one.
    void stationListIsRebuiltInPlace() {
        StatusModel model(kBase);
        model.RadioAdoLista = QStringList(10, QStringLiteral("Nincs kapcsolat"));
        copyReplyIntoModel(
            sampleWith(4, QJsonArray{QJsonArray{0, "Egy"}, "x", QJsonArray{2}, QJsonArray{3, 105.5}}), model);
        QCOMPARE(model.RadioAdoLista, (QStringList{"Egy", "", "", "105.5"}));
    }

    // What follows every reply: the copy, then the alert when the reply reports a refused setting.
    void refusedSettingAlert_data() {
        QTest::addColumn<QJsonValue>("report");
        QTest::addColumn<bool>("commandInFlight");
        QTest::addColumn<QString>("message"); // empty: no alert
        const auto report = [](const char* status, QJsonValue setting) {
            return QJsonValue(QJsonArray{status, setting});
        };
        const QString medence = QStringLiteral("Sikertelen Medence beállitas!");
        QTest::newRow("named setting") << report("HIBA", "Medence") << false << medence;
        QTest::newRow("while a command is in flight") << report("HIBA", "Medence") << true << medence;
        QTest::newRow("number as setting")
            << report("HIBA", 5) << false << QStringLiteral("Sikertelen 5 beállitas!");
        QTest::newRow("setting with %")
            << report("HIBA", "%1 %@") << false << QStringLiteral("Sikertelen %1 %@ beállitas!");
        const QString cut = QStringLiteral("HIBA") + QString(59, u'x') + QChar(0x2026);
        QTest::newRow("very long name")
            << report("HIBA", QStringLiteral("HIBA") + QString(200000, u'x')) << false
            << QStringLiteral("Sikertelen ") + cut + QStringLiteral(" beállitas!");
        const QString emoji = QString(62, u'a') + QStringLiteral("😀");
        QTest::newRow("no half character") << report("HIBA", emoji + emoji) << false
                                           << QStringLiteral("Sikertelen ") + QString(62, u'a') +
                                                  QChar(0x2026) + QStringLiteral(" beállitas!");
        QTest::newRow("64 characters stay whole")
            << report("HIBA", QString(64, u'y')) << false
            << QStringLiteral("Sikertelen ") + QString(64, u'y') + QStringLiteral(" beállitas!");
        QTest::newRow("lower case") << report("hiba", "Medence") << false << QString();
        QTest::newRow("trailing space") << report("HIBA ", "Medence") << false << QString();
    }
    void refusedSettingAlert() {
        QFETCH(QJsonValue, report);
        QFETCH(bool, commandInFlight);
        QFETCH(QString, message);
        VirtualScheduler scheduler;
        RecordingAlerts alerts(&scheduler);
        FakeHttpTransport transport;
        StatusModel model(kBase);
        model.CommandInFlight = commandInFlight;
        const auto initial = copiedFields(model);
        // The same reply twice, a second apart: each alert closes 2 s after its own reply.
        model.StatusDocument = sampleWith(6, report);
        applyReply(Link{model, transport, alerts, scheduler});
        scheduler.advance(1.0);
        applyReply(Link{model, transport, alerts, scheduler});
        QCOMPARE(copiedFields(model) == initial, commandInFlight); // the copy waits, the alert does not
        scheduler.advance(10);
        if (message.isEmpty()) {
            QVERIFY(alerts.shown().empty() && alerts.dismissals().empty());
            return;
        }
        QCOMPARE(alerts.shown().size(), std::size_t(2));
        QCOMPARE(alerts.dismissals().size(), std::size_t(2));
        for (int i : {0, 1}) {
            const auto& shown = alerts.shown().at(std::size_t(i));
            QCOMPARE(shown.content.title, QString());
            QCOMPARE(shown.content.message, message);
            QVERIFY(shown.content.buttons.isEmpty());
            QCOMPARE(alerts.dismissals().at(std::size_t(i)).id, shown.id);
            QCOMPARE(alerts.dismissals().at(std::size_t(i)).buttonIndex, 0);
            QCOMPARE(alerts.dismissals().at(std::size_t(i)).at, 2.0 + i);
        }
    }
};

QTEST_GUILESS_MAIN(ModelCopyTest)
#include "tst_modelcopy.moc"
